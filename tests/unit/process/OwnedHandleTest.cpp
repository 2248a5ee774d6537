// Process and snapshot handles owned through the system interface: the fake
// sees every handle closed exactly once and never one of the failure values.
#include "process/System.h"
#include "tests/fakes/FakeSystem.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace velmora {
namespace {

using fakes::FakeSystem;

class OwnedHandleTest : public testing::Test {
protected:
    void SetUp() override {
        sys.AddProcess(0, "[System Process]");
        sys.AddProcess(7, "a.exe");
    }
    FakeSystem sys;
};

TEST_F(OwnedHandleTest, HandlesPassedAlongAreClosedExactlyOnce) {
    {
        std::vector<OwnedHandle> kept;
        OwnedHandle process(sys, sys.OpenProcess(kProcessTerminate, false, 7));
        OwnedHandle snapshot(sys, sys.CreateProcessSnapshot());
        ASSERT_TRUE(process);
        ASSERT_TRUE(snapshot);
        kept.push_back(std::move(process));
        kept.push_back(std::move(snapshot));
        kept.reserve(16);  // moves both again
        OwnedHandle last;
        last = std::move(kept.back());
        EXPECT_EQ(sys.closeCalls, 0);
        EXPECT_EQ(sys.OpenHandleCount(), 2);
    }
    EXPECT_EQ(sys.closeCalls, 2);
    EXPECT_TRUE(sys.AllClosed());
}

TEST_F(OwnedHandleTest, ResetAndAssignmentCloseThePreviousHandle) {
    OwnedHandle handle(sys, sys.OpenProcess(kProcessTerminate, false, 7));
    handle = OwnedHandle(sys, sys.OpenProcess(kProcessTerminate, false, 7));
    EXPECT_EQ(sys.closeCalls, 1);
    EXPECT_EQ(sys.OpenHandleCount(), 1);
    handle.Reset();
    EXPECT_FALSE(handle);
    EXPECT_TRUE(sys.AllClosed());
    EXPECT_EQ(sys.closeCalls, 2);
}

TEST_F(OwnedHandleTest, FailedOpenAndFailedSnapshotCloseNothing) {
    sys.snapshotFails = true;
    {
        OwnedHandle snapshot(sys, sys.CreateProcessSnapshot());
        OwnedHandle missing(sys, sys.OpenProcess(kProcessTerminate, false, 99));
        EXPECT_EQ(snapshot.Get(), kInvalidHandle);
        EXPECT_EQ(missing.Get(), kNullHandle);
        EXPECT_FALSE(snapshot);
        EXPECT_FALSE(missing);
    }
    EXPECT_EQ(sys.closeCalls, 0);
    EXPECT_EQ(sys.closeFaults, 0);
}

TEST_F(OwnedHandleTest, ClosingKeepsTheLastError) {
    sys.closeClearsError = true;
    OwnedHandle handle(sys, sys.OpenProcess(kProcessTerminate, false, 7));
    sys.lastError = 1234;
    handle.Reset();
    EXPECT_EQ(sys.closeCalls, 1);
    EXPECT_EQ(sys.lastError, 1234u);
}

}  // namespace
}  // namespace velmora
