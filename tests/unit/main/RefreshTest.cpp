#include "tests/unit/main/ProcessPageFixture.h"

#include <stdexcept>

namespace velmora {
namespace {

using Pids = std::vector<std::uint32_t>;

class RefreshTest : public ProcessPageTest {
protected:
    // Five processes, listed and sorted by identifier; counters reset.
    void StartWithFive() {
        for (std::uint32_t pid : {50u, 10u, 40u, 20u, 30u})
            system.AddProcess(pid, "p" + std::to_string(pid) + ".exe", 3);
        controller.UpdateProcessList();
        rows.ResetCounts();
    }
};

TEST_F(RefreshTest, Refresh_FillsRowsFromSnapshotSkippingFirstEntry) {
    system.AddProcess(4, "System", 100, 8);
    system.AddProcess(3000000000u, "Groß.exe", -1, 13);
    controller.UpdateProcessList();

    ASSERT_EQ(rows.Count(), 2);
    // Identifiers order as signed numbers, so the large one comes first.
    EXPECT_EQ(rows.rows[0].texts, (RowTexts{"Groß.exe", "3000000000", "-1", "Hoch"}));
    EXPECT_EQ(rows.rows[1].texts, (RowTexts{"System", "4", "100", "Normal"}));
    EXPECT_EQ(rows.Record(1).Threads, 100);
    EXPECT_EQ(rows.Record(1).Priority, "Normal");
}

TEST_F(RefreshTest, Refresh_AppendsNewProcessAndResorts) {
    StartWithFive();
    system.AddProcess(25, "new.exe");
    controller.UpdateProcessList();

    EXPECT_EQ(rows.appendCalls, 1);
    EXPECT_EQ(rows.sortCalls, 1);
    EXPECT_EQ(rows.setTextCalls, 0);
    EXPECT_EQ(rows.Pids(), (Pids{10, 20, 25, 30, 40, 50}));
}

TEST_F(RefreshTest, Refresh_RemovesRowsOfExitedProcessesWhereverTheyStand) {
    StartWithFive();
    rows.Select(20);
    system.RemoveProcess(10);  // first row
    system.RemoveProcess(30);  // middle
    system.RemoveProcess(50);  // last
    controller.UpdateProcessList();

    EXPECT_EQ(rows.Pids(), (Pids{20, 40}));
    EXPECT_EQ(rows.removeCalls, 3);
    EXPECT_EQ(rows.setTextCalls, 0);
    EXPECT_EQ(rows.appendCalls, 0);
    EXPECT_EQ(rows.SelectedRows(), (std::vector<int>{0}));
}

TEST_F(RefreshTest, Refresh_WritesNothingWhenNothingChanged) {
    StartWithFive();
    controller.ProcessViewColumnClick("Name");
    rows.ResetCounts();
    const auto before = rows.Captions();
    controller.UpdateProcessList();

    EXPECT_EQ(rows.WriteCalls(), 0);
    EXPECT_EQ(rows.beginUpdateCalls, 0);
    EXPECT_EQ(rows.Captions(), before);
}

TEST_F(RefreshTest, Refresh_RewritesChangedTextsButRecordKeepsValuesFromWhenAdded) {
    StartWithFive();
    controller.ProcessViewColumnClick("Threads");
    rows.ResetCounts();
    system.Find(20)->threads = 99;
    system.Find(30)->basePriority = 13;
    system.Find(40)->name = "P40.EXE";  // case alone is a change
    controller.UpdateProcessList();

    EXPECT_EQ(rows.setTextCalls, 3);
    EXPECT_EQ(rows.beginUpdateCalls, 1);
    EXPECT_EQ(rows.endUpdateCalls, 1);
    EXPECT_EQ(rows.Text(rows.RowOf(20), kColumnThreads), "99");
    EXPECT_EQ(rows.Text(rows.RowOf(30), kColumnPriority), "Hoch");
    EXPECT_EQ(rows.Text(rows.RowOf(40), kColumnName), "P40.EXE");
    // Ordering by threads still uses the stored count: all equal, PID order.
    EXPECT_EQ(rows.sortCalls, 1);
    EXPECT_EQ(rows.Pids(), (Pids{10, 20, 30, 40, 50}));
    EXPECT_EQ(rows.Record(rows.RowOf(20)).Threads, 3);
    EXPECT_EQ(rows.Record(rows.RowOf(30)).Priority, "Normal");
}

TEST_F(RefreshTest, Refresh_ReportsRewrittenTextsOnceButNotNewOrRemovedRows) {
    int reports = 0;
    controller.OnRowTextChanged = [&] { ++reports; };
    StartWithFive();
    EXPECT_EQ(reports, 0) << "rows that are only added change no text";
    system.AddProcess(60, "p60.exe");
    system.RemoveProcess(10);
    controller.UpdateProcessList();
    controller.UpdateProcessList();
    EXPECT_EQ(reports, 0);
    system.Find(20)->threads = 7;
    system.Find(30)->threads = 8;
    controller.UpdateProcessList();
    EXPECT_EQ(reports, 1);
}

TEST_F(RefreshTest, Refresh_FailedSnapshotRemovesEveryRow) {
    StartWithFive();
    system.snapshotFails = true;
    controller.UpdateProcessList();
    EXPECT_EQ(rows.Count(), 0);
    EXPECT_EQ(rows.removeCalls, 5);
}

TEST_F(RefreshTest, Refresh_KeepsOneRowPerIdentifierEvenFromDuplicates) {
    StartWithFive();
    rows.Append({"p30.exe", "30", "3", "Normal"}, TProcess::CreateCopy(rows.Record(rows.RowOf(30))));
    system.AddProcess(60, "twice.exe");
    system.AddProcess(60, "twice.exe");
    controller.UpdateProcessList();
    EXPECT_EQ(rows.Pids(), (Pids{10, 20, 30, 40, 50, 60}));
}

TEST_F(RefreshTest, Refresh_HeaderClickDuringRefreshIsSortedOnceAtTheEnd) {
    StartWithFive();
    system.AddProcess(15, "a.exe");
    system.RemoveProcess(40);
    system.Find(20)->threads = 7;
    int clicks = 0;
    bool sortedDuringRefresh = false;
    auto click = [&] {
        if (rows.sortCalls > 0) sortedDuringRefresh = true;
        ++clicks;
        EXPECT_FALSE(controller.ProcessViewColumnClick("Name"));
    };
    rows.onAppend = click;
    rows.onSetText = click;
    rows.onRemove = click;
    controller.UpdateProcessList();

    EXPECT_EQ(clicks, 3);
    EXPECT_FALSE(sortedDuringRefresh);
    EXPECT_EQ(rows.sortCalls, 1);
    ExpectOneRowPerProcess();
    // Three clicks on "Name": ascending, descending, ascending.
    EXPECT_EQ(rows.Captions(), (std::vector<std::string>{"a.exe", "p10.exe", "p20.exe", "p30.exe", "p50.exe"}));
}

TEST_F(RefreshTest, Refresh_HeaderClickDuringUnchangedRefreshStillSorts) {
    StartWithFive();
    rows.onText = [&] {
        rows.onText = nullptr;
        controller.ProcessViewColumnClick("PID");
    };
    controller.UpdateProcessList();
    EXPECT_EQ(rows.sortCalls, 1);
    EXPECT_EQ(rows.setTextCalls + rows.appendCalls + rows.removeCalls, 0);
    EXPECT_EQ(rows.Pids(), (Pids{50, 40, 30, 20, 10}));
}

TEST_F(RefreshTest, Refresh_CommandsCalledInsideRefreshKeepOneRowPerProcess) {
    StartWithFive();
    rows.Select(30);
    boxes.onShow = [&] { controller.UpdateProcessList(); };
    auto interfere = [&] {
        const int snapshots = system.snapshotCalls;
        controller.UpdateProcessList();
        controller.SetPriorityItemClick(kHighPriorityClass);
        controller.FinalizeProcessBtnClick();        // answered No
        EXPECT_EQ(system.snapshotCalls, snapshots);  // no refresh of their own
    };
    rows.onAppend = interfere;
    rows.onRemove = interfere;
    system.AddProcess(35, "x.exe");
    system.RemoveProcess(10);
    controller.UpdateProcessList();

    ExpectOneRowPerProcess();
    EXPECT_EQ(rows.Record(rows.RowOf(30)).Priority, "Hoch");
}

TEST_F(RefreshTest, Refresh_ExceptionFromRowsClearsRefreshingAndSkipsSort) {
    StartWithFive();
    system.AddProcess(5, "a.exe");
    system.AddProcess(6, "b.exe");
    rows.onAppend = [] { throw std::runtime_error("view failed"); };
    EXPECT_THROW(controller.UpdateProcessList(), std::runtime_error);

    EXPECT_EQ(rows.sortCalls, 0);
    EXPECT_EQ(rows.beginUpdateCalls, rows.endUpdateCalls);

    rows.onAppend = nullptr;
    controller.UpdateProcessList();
    ExpectOneRowPerProcess();
    EXPECT_EQ(rows.Pids(), (Pids{5, 6, 10, 20, 30, 40, 50}));
}

}  // namespace
}  // namespace velmora
