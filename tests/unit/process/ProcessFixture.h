// A fake process table with its first entry in place, and the check that
// every test closed every handle it opened, exactly once.
#pragma once

#include "process/SystemExt.h"
#include "tests/fakes/FakeSystem.h"

#include <gtest/gtest.h>

namespace velmora {

class ProcessTest : public ::testing::Test {
protected:
    void SetUp() override { sys.AddProcess(0, "[System Process]", 2, 0); }
    void TearDown() override {
        EXPECT_EQ(sys.OpenHandleCount(), 0) << "handles left open";
        EXPECT_EQ(sys.closeFaults, 0) << "handles closed twice or never opened";
    }

    fakes::FakeSystem sys;
};

}  // namespace velmora
