#include "tests/unit/main/ProcessPageFixture.h"
#include "ui/main/ProcessOrdering.h"
#include "ui/main/UpdateSpeed.h"

namespace velmora {
namespace {

TProcess Record(std::uint32_t pid, std::int32_t threads = 1, std::int32_t basePriority = 8) {
    TProcess record;
    record.ProcessID = pid;
    record.Threads = threads;
    record.BasePriority = basePriority;
    return record;
}

int Compare(const TProcess& a, const std::string& captionA, const TProcess& b, const std::string& captionB, int column,
            bool ascending = true) {
    return CompareProcessRows(RowRef{a, captionA}, RowRef{b, captionB}, column, ascending);
}

TEST(ProcessOrdering, Compare_NameFoldsOnlyAsciiLettersAndFallsBackToPid) {
    const TProcess p4 = Record(4), p8 = Record(8);
    // Case alone: equal names, identifier decides, in both directions.
    EXPECT_EQ(Compare(p8, "A.EXE", p4, "a.exe", kColumnName), 1);
    EXPECT_EQ(Compare(p8, "A.EXE", p4, "a.exe", kColumnName, false), -1);
    // Umlauts keep their byte value: 'Ä' (0xC4) after 'z', before 'ä' (0xE4).
    EXPECT_EQ(Compare(p4, "Ärger.exe", p8, "zeta.exe", kColumnName), 1);
    EXPECT_EQ(Compare(p8, "Äb", p4, "äb", kColumnName), -1);
    // A prefix sorts first regardless of identifiers.
    EXPECT_EQ(Compare(p8, "note", p4, "notepad.exe", kColumnName), -1);
    EXPECT_EQ(Compare(p4, "notepad.exe", p8, "NOTE", kColumnName), 1);
}

TEST(ProcessOrdering, Compare_PidsAboveTwoToThe31SortAsNegative) {
    EXPECT_EQ(Compare(Record(0x80000000u), "", Record(4), "", kColumnPid), -1);
    EXPECT_EQ(Compare(Record(0xFFFFFFFFu), "", Record(0), "", kColumnPid), -1);
    EXPECT_EQ(Compare(Record(7), "", Record(7), "", kColumnPid), 0);
    EXPECT_EQ(Compare(Record(4), "", Record(8), "", kColumnPid, false), 1);
}

TEST(ProcessOrdering, Compare_NumericColumnsUseRecordAndTieOnPid) {
    EXPECT_EQ(Compare(Record(8, 2), "", Record(4, 10), "", kColumnThreads), -1);
    EXPECT_EQ(Compare(Record(8, 5), "", Record(4, 5), "", kColumnThreads), 1);
    EXPECT_EQ(Compare(Record(8, 5), "", Record(4, 5), "", kColumnThreads, false), -1);
    // Priority orders by base priority, not alphabetically by name.
    EXPECT_EQ(Compare(Record(4, 1, 24), "", Record(8, 1, 13), "", kColumnPriority), 1);
    EXPECT_EQ(Compare(Record(4, 1, 13), "", Record(8, 1, 13), "", kColumnPriority), -1);
}

TEST(UpdateSpeed, UpdatePeriodForTag_MapsTheFourItemsOnly) {
    EXPECT_EQ(UpdatePeriodForTag(1), 300);
    EXPECT_EQ(UpdatePeriodForTag(2), 1000);
    EXPECT_EQ(UpdatePeriodForTag(3), 2000);
    EXPECT_EQ(UpdatePeriodForTag(4), 0);
    EXPECT_EQ(UpdatePeriodForTag(0), kNoPeriodChange);
    EXPECT_EQ(UpdatePeriodForTag(5), kNoPeriodChange);
}

class ColumnClickTest : public ProcessPageTest {
protected:
    void SetUp() override {
        system.AddProcess(30, "b.exe", 5);
        system.AddProcess(10, "c.exe", 5);
        system.AddProcess(20, "a.exe", 9);
        controller.UpdateProcessList();
        rows.ResetCounts();
    }
};

TEST_F(ColumnClickTest, ColumnClick_NameTwiceThenThreads) {
    EXPECT_EQ(rows.Pids(), (std::vector<std::uint32_t>{10, 20, 30}));

    controller.ProcessViewColumnClick("Name");
    EXPECT_EQ(rows.Captions(), (std::vector<std::string>{"a.exe", "b.exe", "c.exe"}));
    controller.ProcessViewColumnClick("Name");
    EXPECT_EQ(rows.Captions(), (std::vector<std::string>{"c.exe", "b.exe", "a.exe"}));
    controller.ProcessViewColumnClick("Threads");  // another column: ascending
    // Equal thread counts (10 and 30) stand in identifier order.
    EXPECT_EQ(rows.Pids(), (std::vector<std::uint32_t>{10, 30, 20}));
    controller.ProcessViewColumnClick("Threads");
    EXPECT_EQ(rows.Pids(), (std::vector<std::uint32_t>{20, 30, 10}));
    EXPECT_EQ(rows.sortCalls, 4);
}

TEST_F(ColumnClickTest, ColumnClick_FirstClickOnPidSortsDescending) {
    controller.ProcessViewColumnClick("PID");
    EXPECT_EQ(rows.Pids(), (std::vector<std::uint32_t>{30, 20, 10}));
    // An unknown caption counts as the current column: the direction flips.
    controller.ProcessViewColumnClick("Status");
    EXPECT_EQ(rows.Pids(), (std::vector<std::uint32_t>{10, 20, 30}));
    // Base priorities ascending; equal ones stand in identifier order.
    system.AddProcess(40, "d.exe");
    system.Find(40)->basePriority = 13;
    controller.UpdateProcessList();
    controller.ProcessViewColumnClick("Priorität");
    EXPECT_EQ(rows.Pids(), (std::vector<std::uint32_t>{10, 20, 30, 40}));
    controller.ProcessViewColumnClick("Priorität");
    EXPECT_EQ(rows.Pids(), (std::vector<std::uint32_t>{40, 30, 20, 10}));
}

TEST_F(ColumnClickTest, ColumnClick_AsksForScrollOnlyWithASelectedRow) {
    EXPECT_FALSE(controller.ProcessViewColumnClick("Name"));
    rows.Select(20);
    EXPECT_TRUE(controller.ProcessViewColumnClick("Name"));
    EXPECT_EQ(rows.sortCalls, 2);
}

TEST_F(ColumnClickTest, ColumnClick_RefreshDuringSortDoesNothing) {
    system.AddProcess(40, "d.exe");
    rows.onSort = [&] { controller.UpdateProcessList(); };
    controller.ProcessViewColumnClick("Name");
    EXPECT_EQ(rows.Count(), 3);
    rows.onSort = nullptr;
    controller.UpdateProcessList();
    EXPECT_EQ(rows.Captions(), (std::vector<std::string>{"a.exe", "b.exe", "c.exe", "d.exe"}));
}

}  // namespace
}  // namespace velmora
