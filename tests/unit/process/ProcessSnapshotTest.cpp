#include "tests/unit/process/ProcessFixture.h"

#include <memory>
#include <stdexcept>

namespace velmora {
namespace {

using ProcessListTest = ProcessTest;
using ProcessCreateTest = ProcessTest;

TEST_F(ProcessListTest, SkipsFirstEntryAndKeepsSnapshotOrder) {
    sys.AddProcess(900, "b.exe", 3, 13);
    sys.AddProcess(4, "System", 90, 8);
    sys.AddProcess(77, "a.exe", 1, 4);

    TProcessList list(sys);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Items(0).ProcessID, 900u);
    EXPECT_EQ(list.Items(0).Name, "b.exe");
    EXPECT_EQ(list.Items(0).Threads, 3);
    EXPECT_EQ(list.Items(0).BasePriority, 13);
    EXPECT_EQ(list.Items(0).Priority, "Hoch");
    EXPECT_EQ(list.Items(1).ProcessID, 4u);
    EXPECT_EQ(list.Items(1).Priority, "Normal");
    EXPECT_EQ(list.Items(2).ProcessID, 77u);
    EXPECT_EQ(list.Items(2).Priority, "Niedrig");
}

TEST_F(ProcessListTest, IsEmptyWheneverNoProcessCanBeEnumerated) {
    {
        SCOPED_TRACE("only the first entry");
        EXPECT_EQ(TProcessList(sys).Count(), 0);
    }
    sys.AddProcess(10, "x.exe");
    {
        SCOPED_TRACE("snapshot fails");
        sys.snapshotFails = true;
        EXPECT_EQ(TProcessList(sys).Count(), 0);
        sys.snapshotFails = false;
    }
    {
        SCOPED_TRACE("ToolHelp not bound");
        sys.unbound = true;
        EXPECT_EQ(TProcessList(sys).Count(), 0);
        sys.unbound = false;
    }
    {
        SCOPED_TRACE("empty table");
        sys.table.clear();
        EXPECT_EQ(TProcessList(sys).Count(), 0);
    }
    EXPECT_EQ(sys.closeCalls, 2) << "only the two real snapshots are closed";
}

TEST_F(ProcessListTest, TakesOneSnapshotForAllItsRecords) {
    for (std::uint32_t pid = 1; pid <= 50; ++pid) sys.AddProcess(pid * 4, "p.exe");
    TProcessList list(sys);
    EXPECT_EQ(list.Count(), 50);
    EXPECT_EQ(sys.snapshotCalls, 1);
    EXPECT_EQ(sys.openCalls, 0);
}

TEST_F(ProcessListTest, ProcessEndingAfterTheSnapshotKeepsItsRecord) {
    sys.AddProcess(10, "short.exe", 2, 8);
    sys.onSnapshot = [this] { sys.RemoveProcess(10); };

    TProcessList list(sys);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0).Name, "short.exe");
    EXPECT_EQ(list.Items(0).Threads, 2);
    EXPECT_EQ(list.Items(0).Priority, "Normal");
}

TEST_F(ProcessListTest, NameEndsAtFirstNulOrAtTheBufferEnd) {
    sys.AddProcess(1, std::string("ab\0cd.exe", 9));
    sys.AddProcess(2, std::string(300, 'n'));
    TProcessList list(sys);
    EXPECT_EQ(list.Items(0).Name, "ab");
    EXPECT_EQ(list.Items(1).Name, std::string(260, 'n'));
}

TEST_F(ProcessListTest, ItemsOutsideTheRangeThrows) {
    sys.AddProcess(1, "a.exe");
    TProcessList list(sys);
    EXPECT_THROW(list.Items(-1), std::out_of_range);
    EXPECT_THROW(list.Items(1), std::out_of_range);
    try {
        list.Items(5);
        FAIL();
    } catch (const std::out_of_range& e) {
        EXPECT_NE(std::string(e.what()).find("(5)"), std::string::npos) << e.what();
    }
}

TEST_F(ProcessListTest, CopyOutlivesItsList) {
    sys.AddProcess(42, "keep.exe", 5, 10);
    std::unique_ptr<TProcess> copy;
    {
        TProcessList list(sys);
        copy = TProcess::CreateCopy(list.Items(0));
    }
    EXPECT_EQ(copy->ProcessID, 42u);
    EXPECT_EQ(copy->Name, "keep.exe");
    EXPECT_EQ(copy->Threads, 5);
    EXPECT_EQ(copy->BasePriority, 10);
    EXPECT_EQ(copy->Priority, "Höher als Normal");
}

TEST_F(ProcessCreateTest, FillsRecordFromItsOwnSnapshot) {
    sys.AddProcess(8, "a.exe");
    sys.AddProcess(12, "b.exe", 7, 24);
    const TProcess p = TProcess::Create(sys, 12);
    EXPECT_EQ(p.ProcessID, 12u);
    EXPECT_EQ(p.Name, "b.exe");
    EXPECT_EQ(p.Threads, 7);
    EXPECT_EQ(p.BasePriority, 24);
    EXPECT_EQ(p.Priority, "Echtzeit");
    EXPECT_EQ(sys.snapshotCalls, 1);
}

TEST_F(ProcessCreateTest, MissingProcessGivesRecordWithOnlyItsIdentifier) {
    sys.AddProcess(8, "a.exe");
    auto expectEmpty = [](const TProcess& p, std::uint32_t pid) {
        EXPECT_EQ(p.ProcessID, pid);
        EXPECT_EQ(p.Name, "");
        EXPECT_EQ(p.Priority, "");
        EXPECT_EQ(p.Threads, 0);
        EXPECT_EQ(p.BasePriority, 0);
    };
    {
        SCOPED_TRACE("not in the table");
        expectEmpty(TProcess::Create(sys, 9), 9);
    }
    {
        SCOPED_TRACE("only the skipped first entry has it");
        expectEmpty(TProcess::Create(sys, 0), 0);
    }
    {
        SCOPED_TRACE("gone from the record's own lookup");
        TProcessList list(sys);
        sys.RemoveProcess(8);
        expectEmpty(TProcess::Create(sys, list.Items(0).ProcessID), 8);
    }
    {
        SCOPED_TRACE("no snapshot");
        sys.AddProcess(8, "a.exe");
        sys.snapshotFails = true;
        expectEmpty(TProcess::Create(sys, 8), 8);
        sys.snapshotFails = false;
        sys.unbound = true;
        expectEmpty(TProcess::Create(sys, 8), 8);
    }
}

TEST_F(ProcessCreateTest, LaterEntryWithTheSameIdentifierWins) {
    sys.AddProcess(5, "first.exe", 1, 8);
    sys.AddProcess(6, "other.exe");
    sys.AddProcess(5, "second.exe", 2, 13);
    const TProcess p = TProcess::Create(sys, 5);
    EXPECT_EQ(p.Name, "second.exe");
    EXPECT_EQ(p.Threads, 2);
    EXPECT_EQ(p.Priority, "Hoch");
}

}  // namespace
}  // namespace velmora
