#include "tests/unit/process/ProcessFixture.h"

namespace velmora {
namespace {

class ProcessActionsTest : public ProcessTest {
protected:
    void SetUp() override {
        ProcessTest::SetUp();
        sys.AddProcess(100, "target.exe", 4, 8);
        record = TProcess::Create(sys, 100);
        sys.openRequests.clear();
    }

    void ExpectRecordUnchanged() const {
        EXPECT_EQ(record.ProcessID, 100u);
        EXPECT_EQ(record.Name, "target.exe");
        EXPECT_EQ(record.Threads, 4);
        EXPECT_EQ(record.BasePriority, 8);
        EXPECT_EQ(record.Priority, "Normal");
    }

    TProcess record;
};

TEST_F(ProcessActionsTest, AllActionsFailOnAMissingProcessAndLeaveTheRecord) {
    sys.RemoveProcess(100);
    EXPECT_FALSE(record.CanOpen(sys));
    EXPECT_FALSE(record.Terminate(sys));
    EXPECT_FALSE(record.SetPriority(sys, kHighPriorityClass));
    EXPECT_EQ(GetLastErrorText(sys), "Fehlercode: 87");
    ExpectRecordUnchanged();
    EXPECT_TRUE(sys.terminatedPids.empty());
}

TEST_F(ProcessActionsTest, CanOpenAsksForTheTerminateRightOnly) {
    EXPECT_TRUE(record.CanOpen(sys));
    sys.Find(100)->canOpen = false;
    sys.Find(100)->openError = 5;
    sys.closeClearsError = true;
    EXPECT_FALSE(record.CanOpen(sys));
    EXPECT_EQ(GetLastErrorText(sys), "Zugriff verweigert.");
    ASSERT_EQ(sys.openRequests.size(), 2u);
    for (const auto& r : sys.openRequests) {
        EXPECT_EQ(r.access, kProcessTerminate);
        EXPECT_FALSE(r.inherit);
        EXPECT_EQ(r.pid, 100u);
    }
}

TEST_F(ProcessActionsTest, TerminateEndsWithExitCodeZero) {
    EXPECT_TRUE(record.Terminate(sys));
    EXPECT_EQ(sys.terminatedPids, std::vector<std::uint32_t>{100});
    EXPECT_EQ(sys.terminateExitCodes, std::vector<std::uint32_t>{0});
    ASSERT_EQ(sys.openRequests.size(), 1u);
    EXPECT_EQ(sys.openRequests[0].access, kProcessTerminate);
    EXPECT_FALSE(sys.openRequests[0].inherit);
    ExpectRecordUnchanged();
}

TEST_F(ProcessActionsTest, FailedTerminateKeepsItsErrorAcrossTheClose) {
    sys.Find(100)->canTerminate = false;
    sys.Find(100)->actionError = 31;
    sys.closeClearsError = true;
    EXPECT_FALSE(record.Terminate(sys));
    EXPECT_EQ(sys.closeCalls, 2) << "lookup snapshot and process handle";
    EXPECT_EQ(GetLastErrorText(sys), "Das Laufwerk funktioniert nicht.");
    EXPECT_TRUE(sys.terminatedPids.empty());
}

TEST_F(ProcessActionsTest, PinnedHandleNeverEndsAProcessThatReusedTheIdentifier) {
    const OwnedHandle pinned = record.OpenForTerminate(sys);
    ASSERT_TRUE(pinned);
    sys.RemoveProcess(100);
    sys.AddProcess(100, "newcomer.exe");

    EXPECT_FALSE(TProcess::TerminateHandle(sys, pinned));
    EXPECT_EQ(GetLastErrorText(sys), "Zugriff verweigert.");
    EXPECT_TRUE(sys.terminatedPids.empty());
    EXPECT_FALSE(sys.Find(100)->exited);
}

TEST_F(ProcessActionsTest, PinnedHandleEndsTheProcessItWasOpenedFor) {
    const OwnedHandle pinned = record.OpenForTerminate(sys);
    EXPECT_TRUE(TProcess::TerminateHandle(sys, pinned));
    EXPECT_EQ(sys.terminatedPids, std::vector<std::uint32_t>{100});
    EXPECT_EQ(sys.terminateExitCodes, std::vector<std::uint32_t>{0});
}

TEST_F(ProcessActionsTest, TerminateHandleOnAnEmptyHandleKeepsTheOpenError) {
    sys.Find(100)->canOpen = false;
    sys.Find(100)->openError = 6;
    const OwnedHandle pinned = record.OpenForTerminate(sys);
    EXPECT_FALSE(pinned);
    EXPECT_FALSE(TProcess::TerminateHandle(sys, pinned));
    EXPECT_EQ(sys.lastError, 6u);
}

TEST_F(ProcessActionsTest, SetPriorityNamesTheNewClass) {
    EXPECT_TRUE(record.SetPriority(sys, kBelowNormalPriorityClass));
    EXPECT_EQ(record.Priority, "Niedriger als Normal");
    EXPECT_EQ(record.BasePriority, 8) << "base priority comes from snapshots only";
    ASSERT_EQ(sys.priorityChanges.size(), 1u);
    EXPECT_EQ(sys.priorityChanges[0].pid, 100u);
    EXPECT_EQ(sys.priorityChanges[0].priorityClass, kBelowNormalPriorityClass);
    ASSERT_EQ(sys.openRequests.size(), 1u);
    EXPECT_EQ(sys.openRequests[0].access, kProcessSetInformation);
    EXPECT_FALSE(sys.openRequests[0].inherit);

    EXPECT_TRUE(record.SetPriority(sys, 12345));
    EXPECT_EQ(record.Priority, "Unbekannt");
}

TEST_F(ProcessActionsTest, FailedSetPriorityLeavesRecordAndError) {
    sys.Find(100)->canSetPriority = false;
    sys.Find(100)->actionError = 5;
    sys.closeClearsError = true;
    EXPECT_FALSE(record.SetPriority(sys, kRealtimePriorityClass));
    EXPECT_EQ(GetLastErrorText(sys), "Zugriff verweigert.");
    ExpectRecordUnchanged();

    sys.Find(100)->canOpen = false;
    EXPECT_FALSE(record.SetPriority(sys, kRealtimePriorityClass));
    ExpectRecordUnchanged();
    EXPECT_TRUE(sys.priorityChanges.empty());
}

}  // namespace
}  // namespace velmora
