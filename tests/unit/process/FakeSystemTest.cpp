// The fake's own promises that other suites rely on: ended processes leave
// the table, rights are checked, handles are accounted for.
#include "tests/fakes/FakeSystem.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using fakes::FakeSystem;

TEST(FakeSystem, TerminatedProcessLeavesLaterSnapshots) {
    FakeSystem sys;
    sys.AddProcess(0, "[System Process]");
    sys.AddProcess(7, "a.exe");
    const SysHandle h = sys.OpenProcess(kProcessTerminate, false, 7);
    EXPECT_TRUE(sys.TerminateProcess(h, 3));
    EXPECT_TRUE(sys.CloseHandle(h));
    EXPECT_EQ(sys.terminateExitCodes, std::vector<std::uint32_t>{3});

    const SysHandle snap = sys.CreateProcessSnapshot();
    ProcessEntry e;
    EXPECT_TRUE(sys.FirstProcess(snap, e));
    EXPECT_FALSE(sys.NextProcess(snap, e));
    EXPECT_TRUE(sys.CloseHandle(snap));
    EXPECT_EQ(sys.OpenProcess(kProcessTerminate, false, 7), kNullHandle);
    EXPECT_EQ(sys.lastError, FakeSystem::kErrorInvalidParameter);
    EXPECT_TRUE(sys.AllClosed());
}

TEST(FakeSystem, DoubleCloseIsCountedAsFault) {
    FakeSystem sys;
    sys.AddProcess(1, "a.exe");
    const SysHandle h = sys.OpenProcess(kProcessTerminate, false, 1);
    EXPECT_EQ(sys.OpenHandleCount(), 1);
    EXPECT_TRUE(sys.CloseHandle(h));
    EXPECT_FALSE(sys.CloseHandle(h));
    EXPECT_EQ(sys.closeFaults, 1);
    EXPECT_FALSE(sys.AllClosed());
}

TEST(FakeSystem, ActionNeedsTheRightTheHandleWasOpenedWith) {
    FakeSystem sys;
    sys.AddProcess(1, "a.exe");
    const SysHandle h = sys.OpenProcess(kProcessSetInformation, false, 1);
    EXPECT_FALSE(sys.TerminateProcess(h, 0));
    EXPECT_TRUE(sys.SetPriorityClass(h, 128));
    EXPECT_EQ(sys.Find(1)->basePriority, 13);
    EXPECT_TRUE(sys.CloseHandle(h));
    EXPECT_TRUE(sys.AllClosed());
}

}  // namespace
}  // namespace velmora
