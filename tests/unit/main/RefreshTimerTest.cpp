// The refresh timer around a minimised main window: the snapshots taken,
// the period the timer runs with, and the rows after coming back.
#include "tests/unit/main/ProcessPageFixture.h"
#include "ui/main/MainMenuModel.h"
#include "ui/main/UpdateSpeed.h"

namespace velmora {
namespace {

constexpr int kHigh = 1, kNormal = 2, kLow = 3, kStopped = 4;

// The main window's timer as the window drives it: WM_TIMER runs a tick,
// WM_SIZE reports the new state and acts on the answer.
class MinimisedWindowTest : public ProcessPageTest {
protected:
    RefreshTimer timer;
    int armed = 0;  // what the window's timer was last armed with

    MinimisedWindowTest() { armed = timer.ArmedPeriod(); }

    void Tick() {
        if (timer.BeginTick()) controller.UpdateProcessList();
        timer.EndTick();
        armed = timer.ArmedPeriod();
    }
    void Size(SizeKind kind) {
        switch (timer.SizeChanged(kind)) {
            case TimerAction::None: break;
            case TimerAction::Rearm: armed = timer.ArmedPeriod(); break;
            case TimerAction::RefreshNow: Tick(); break;
        }
    }
};

TEST_F(MinimisedWindowTest, MinimisedTheTimerRestsAndNoTickTakesASnapshotAtAnySpeed) {
    system.AddProcess(100, "a.exe");
    for (int speed : {kHigh, kNormal, kLow, kStopped}) {
        SCOPED_TRACE(speed);
        ASSERT_TRUE(timer.ChooseSpeed(speed));
        Size(SizeKind::Minimized);
        EXPECT_EQ(armed, 0);
        const int before = system.snapshotsTaken;
        Tick();  // a tick already queued when the window went
        Tick();
        EXPECT_EQ(system.snapshotsTaken, before);
        EXPECT_EQ(armed, 0);
        Size(SizeKind::Restored);
        EXPECT_EQ(armed, UpdatePeriodForTag(speed)) << "the chosen speed stays";
    }
}

TEST_F(MinimisedWindowTest, ComingBackRefreshesOnceAtOnceAndTheRowsMatchTheTable) {
    system.AddProcess(100, "a.exe");
    system.AddProcess(200, "b.exe");
    Tick();
    Size(SizeKind::Minimized);
    system.RemoveProcess(100);
    system.AddProcess(300, "c.exe");
    Tick();
    EXPECT_EQ(rows.Pids().size(), 2u) << "nothing changes while minimised";

    const int before = system.snapshotsTaken;
    Size(SizeKind::Restored);
    EXPECT_EQ(system.snapshotsTaken, before + 1);
    ExpectOneRowPerProcess();
    EXPECT_EQ(armed, 1000) << "the period starts anew";

    // Resizing or restoring again is no return from the taskbar.
    Size(SizeKind::Restored);
    Size(SizeKind::Other);
    Size(SizeKind::Maximized);
    EXPECT_EQ(system.snapshotsTaken, before + 1);
}

TEST_F(MinimisedWindowTest, ARestoreToMaximisedCountsAsComingBack) {
    Size(SizeKind::Minimized);
    const int before = system.snapshotsTaken;
    Size(SizeKind::Maximized);
    EXPECT_EQ(system.snapshotsTaken, before + 1);
    EXPECT_EQ(armed, 1000);
}

TEST_F(MinimisedWindowTest, ASpeedChosenWhileMinimisedTakesEffectWhenTheWindowIsBack) {
    Size(SizeKind::Minimized);
    ASSERT_TRUE(timer.ChooseSpeed(kHigh));
    armed = timer.ArmedPeriod();
    EXPECT_EQ(armed, 0);
    Size(SizeKind::Restored);
    EXPECT_EQ(armed, 300);
    EXPECT_FALSE(timer.ChooseSpeed(5)) << "an unknown tag changes nothing";
    EXPECT_EQ(timer.ArmedPeriod(), 300);
}

TEST_F(MinimisedWindowTest, StoppedStaysStoppedAcrossMinimiseAndRestore) {
    ASSERT_TRUE(timer.ChooseSpeed(kStopped));
    armed = timer.ArmedPeriod();
    const int before = system.snapshotsTaken;
    Size(SizeKind::Minimized);
    Size(SizeKind::Restored);
    EXPECT_EQ(system.snapshotsTaken, before);
    EXPECT_EQ(armed, 0);
    // Choosing a speed again arms the timer, as it always does.
    ASSERT_TRUE(timer.ChooseSpeed(kNormal));
    EXPECT_EQ(timer.ArmedPeriod(), 1000);
}

// The menu's checked speed and the timer's first period are one fact: a
// window that starts shows the speed it runs at.
TEST(RefreshTimerStart, TheFirstPeriodIsThatOfTheSpeedItemTheMenuStartsChecked) {
    const MainMenuModel menu;
    std::vector<int> checked;
    for (int item = kViewUpdateTimeHighItem; item <= kViewUpdateTimeStoppedItem; ++item) {
        if (menu.Checked(item)) checked.push_back(item);
    }
    ASSERT_EQ(checked, (std::vector<int>{kViewUpdateTimeNormalItem}));
    const RefreshTimer timer;
    EXPECT_EQ(timer.ArmedPeriod(), UpdatePeriodForTag(menu.Tag(checked[0])));
    EXPECT_EQ(timer.ArmedPeriod(), 1000);
}

}  // namespace
}  // namespace velmora
