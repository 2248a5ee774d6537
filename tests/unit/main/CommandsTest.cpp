#include "tests/unit/main/ProcessPageFixture.h"

namespace velmora {
namespace {

constexpr std::uint32_t kAccessDenied = 5;
constexpr std::uint32_t kWriteProtect = 19;
const char* const kAccessDeniedText = "Zugriff verweigert.";

class CommandsTest : public ProcessPageTest {
protected:
    void SetUp() override {
        system.AddProcess(10, "notepad.exe");
        system.AddProcess(20, "calc.exe");
        system.AddProcess(30, "csrss.exe");
        controller.UpdateProcessList();
    }
    bool Alive(std::uint32_t pid) { return !system.Find(pid)->exited; }
};

TEST_F(CommandsTest, Finalize_OneRowAsksAndEndsOnlyOnYes) {
    rows.Select(20);
    controller.FinalizeProcessBtnClick();  // No
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Sind Sie sicher, dass sie den Prozess \"calc.exe\" beenden möchten?");
    EXPECT_EQ(boxes.shown[0].caption, "Bestätigen");
    EXPECT_EQ(boxes.shown[0].kind, BoxKind::Confirm);
    EXPECT_TRUE(Alive(20));

    boxes.answers = {BoxAnswer::Yes};
    controller.FinalizeProcessBtnClick();
    EXPECT_EQ(system.terminatedPids, (std::vector<std::uint32_t>{20}));
    EXPECT_EQ(system.terminateExitCodes, (std::vector<std::uint32_t>{0}));
    EXPECT_EQ(boxes.shown.size(), 2u);
    controller.UpdateProcessList();
    EXPECT_EQ(rows.RowOf(20), -1);
}

TEST_F(CommandsTest, Finalize_OneRowThatCannotBeOpenedGetsNoConfirmation) {
    system.Find(30)->canOpen = false;
    system.Find(30)->openError = kAccessDenied;
    rows.Select(30);
    controller.FinalizeProcessBtnClick();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              std::string("Der Prozess \"csrss.exe\" kann nicht beendet werden.\r\r") + kAccessDeniedText);
    EXPECT_EQ(boxes.shown[0].caption, "Fehler beim Beenden vom Prozess");
    EXPECT_EQ(boxes.shown[0].kind, BoxKind::Error);
}

TEST_F(CommandsTest, Finalize_OneRowShowsTheErrorOfTheFailedTermination) {
    system.Find(10)->canTerminate = false;
    system.Find(10)->actionError = kWriteProtect;
    rows.Select(10);
    boxes.answers = {BoxAnswer::Yes};
    controller.FinalizeProcessBtnClick();
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, "Der Prozess konnte nicht beendet werden.\r\rDas Medium ist schreibgeschützt.");
    EXPECT_EQ(boxes.shown[1].caption, "Fehler beim Beenden vom Prozess");
}

TEST_F(CommandsTest, Finalize_PidReusedWhileConfirmationIsOpenSparesTheNewProcess) {
    rows.Select(10);
    boxes.onShow = [&] {
        if (boxes.shown.size() != 1) return;
        system.RemoveProcess(10);
        system.AddProcess(10, "newcomer.exe");
        controller.UpdateProcessList();  // a timer tick: the row gets new texts
    };
    boxes.answers = {BoxAnswer::Yes};
    controller.FinalizeProcessBtnClick();

    EXPECT_TRUE(system.terminatedPids.empty());
    EXPECT_TRUE(Alive(10));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, std::string("Der Prozess konnte nicht beendet werden.\r\r") + kAccessDeniedText);
}

TEST_F(CommandsTest, Finalize_RowRemovedByRefreshWhileBoxIsOpen) {
    system.Find(20)->canOpen = false;
    rows.Select(20);
    boxes.onShow = [&] {
        system.RemoveProcess(20);
        controller.UpdateProcessList();
    };
    controller.FinalizeProcessBtnClick();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(rows.RowOf(20), -1);

    rows.Select(10);
    boxes.answers = {BoxAnswer::Yes};
    boxes.onShow = [&] {
        if (boxes.shown.size() != 2) return;
        system.RemoveProcess(10);
        controller.UpdateProcessList();
    };
    controller.FinalizeProcessBtnClick();
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[1].text, "Sind Sie sicher, dass sie den Prozess \"notepad.exe\" beenden möchten?");
    EXPECT_EQ(boxes.shown[2].text, std::string("Der Prozess konnte nicht beendet werden.\r\r") + kAccessDeniedText);
}

TEST_F(CommandsTest, Finalize_SeveralRowsOneFails) {
    system.Find(30)->canTerminate = false;
    rows.Select(10);
    rows.Select(30);
    boxes.answers = {BoxAnswer::Yes};
    boxes.onShow = [&] {
        if (boxes.shown.size() == 2) {
            EXPECT_EQ(system.OpenHandleCount(), 0);
        }
    };
    controller.FinalizeProcessBtnClick();

    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, "Sind Sie sicher, dass sie diese 2 Prozesse beenden möchten?");
    EXPECT_EQ(boxes.shown[0].kind, BoxKind::Confirm);
    EXPECT_EQ(boxes.shown[1].text, std::string("Ein Prozess konnte nicht beendet werden.\r\r") + kAccessDeniedText);
    EXPECT_EQ(boxes.shown[1].caption, "Fehler beim Beenden von Prozessen");
    EXPECT_EQ(boxes.shown[1].kind, BoxKind::Error);
    EXPECT_EQ(system.terminatedPids, (std::vector<std::uint32_t>{10}));
    controller.UpdateProcessList();
    EXPECT_EQ(rows.Pids(), (std::vector<std::uint32_t>{20, 30}));
}

TEST_F(CommandsTest, Finalize_SeveralRowsAllFailShowsCountAndLastFailure) {
    system.Find(10)->canOpen = false;  // fails at once, code 5
    system.Find(20)->canTerminate = false;
    system.Find(20)->actionError = kWriteProtect;  // fails when ended
    rows.Select(10);
    rows.Select(20);
    rows.Select(30);
    boxes.answers = {BoxAnswer::Yes};
    boxes.onShow = [&] {
        if (boxes.shown.size() != 1) return;
        system.RemoveProcess(30);  // ends while the box is open
        system.AddProcess(30, "reused.exe");
        controller.UpdateProcessList();
    };
    controller.FinalizeProcessBtnClick();

    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, "Sind Sie sicher, dass sie diese 3 Prozesse beenden möchten?");
    EXPECT_EQ(boxes.shown[1].text, std::string("3 Prozesse konnten nicht beendet werden.\r\r") + kAccessDeniedText);
    EXPECT_TRUE(system.terminatedPids.empty());
    EXPECT_TRUE(Alive(30));
}

TEST_F(CommandsTest, Finalize_SeveralRowsShowsTheLastFailingCallsText) {
    system.Find(10)->canTerminate = false;
    system.Find(10)->actionError = kAccessDenied;
    system.Find(20)->canTerminate = false;
    system.Find(20)->actionError = kWriteProtect;
    rows.Select(10);
    rows.Select(20);
    rows.Select(30);  // ends last, after both failures
    boxes.answers = {BoxAnswer::Yes};
    controller.FinalizeProcessBtnClick();
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, "2 Prozesse konnten nicht beendet werden.\r\rDas Medium ist schreibgeschützt.");
    EXPECT_EQ(system.terminatedPids, (std::vector<std::uint32_t>{30}));
}

TEST_F(CommandsTest, Finalize_NothingWithoutSelectionAndNothingOnNo) {
    controller.FinalizeProcessBtnClick();
    EXPECT_TRUE(boxes.shown.empty());
    rows.Select(10);
    rows.Select(20);
    controller.FinalizeProcessBtnClick();
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(system.terminatedPids.empty());
}

TEST_F(CommandsTest, ViewChange_FollowsTheSelectionCount) {
    ProcessCommandState none = controller.ProcessViewChange();
    EXPECT_FALSE(none.buttonEnabled);
    EXPECT_FALSE(none.buttonCaption.has_value());
    EXPECT_EQ(none.menuCaption, "Prozess beenden");
    EXPECT_FALSE(none.menuEnabled);
    EXPECT_FALSE(none.priorityEnabled);

    rows.Select(20);
    ProcessCommandState one = controller.ProcessViewChange();
    EXPECT_TRUE(one.buttonEnabled && one.menuEnabled && one.priorityEnabled);
    EXPECT_EQ(one.buttonCaption, "Prozess beenden");
    EXPECT_EQ(one.menuCaption, "Prozess beenden");

    rows.Select(30);
    ProcessCommandState two = controller.ProcessViewChange();
    EXPECT_TRUE(two.buttonEnabled && two.menuEnabled && two.priorityEnabled);
    EXPECT_EQ(two.buttonCaption, "Prozesse beenden");
    EXPECT_EQ(two.menuCaption, "Prozesse beenden");
}

TEST_F(CommandsTest, PriorityMarks_FollowFirstSelectedRecord) {
    EXPECT_FALSE(controller.ProcessMenuPopup().change);

    rows.Record(rows.RowOf(20)).Priority = "Höher als Normal";
    rows.Select(20);
    rows.Select(30);
    const PriorityMarks marks = controller.FilePriorityItemClick();
    EXPECT_TRUE(marks.change);
    EXPECT_EQ(marks.checkedClass, kAboveNormalPriorityClass);

    for (const char* text : {"Unbekannt", "", "normal"}) {
        rows.Record(rows.RowOf(20)).Priority = text;
        const PriorityMarks cleared = controller.ProcessMenuPopup();
        EXPECT_TRUE(cleared.change);
        EXPECT_FALSE(cleared.checkedClass.has_value()) << text;
    }
}

TEST_F(CommandsTest, SetPriority_ChangesFirstSelectedRowAndRefreshes) {
    rows.Select(10);
    rows.Select(20);
    controller.SetPriorityItemClick(kHighPriorityClass);

    ASSERT_EQ(system.priorityChanges.size(), 1u);
    EXPECT_EQ(system.priorityChanges[0].pid, 10u);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(rows.Text(rows.RowOf(10), kColumnPriority), "Hoch");
    EXPECT_EQ(controller.ProcessMenuPopup().checkedClass, kHighPriorityClass);
}

TEST_F(CommandsTest, SetPriority_FailureShowsMessageAndStillRefreshes) {
    system.Find(30)->canSetPriority = false;
    rows.Select(30);
    system.AddProcess(40, "late.exe");
    boxes.onShow = [&] {  // a timer tick removes the row while the box is open
        system.RemoveProcess(30);
        controller.UpdateProcessList();
    };
    controller.SetPriorityItemClick(kRealtimePriorityClass);

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              std::string("Beim Setzen der Priorität des Prozesses \"csrss.exe\" trat ein Fehler auf.\r\r") +
                  kAccessDeniedText);
    EXPECT_EQ(boxes.shown[0].caption, "Fehler beim Setzen der Priorität");
    EXPECT_EQ(boxes.shown[0].kind, BoxKind::Error);
    ExpectOneRowPerProcess();
}

TEST_F(CommandsTest, SetPriority_NothingWithoutSelection) {
    const int snapshots = system.snapshotCalls;
    controller.SetPriorityItemClick(kHighPriorityClass);
    EXPECT_EQ(system.snapshotCalls, snapshots);
    EXPECT_TRUE(system.priorityChanges.empty());
}

}  // namespace
}  // namespace velmora
