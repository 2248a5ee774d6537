// The controller wired to a fake process table, fake rows and scripted
// message boxes. Every test ends with all fake handles closed.
#pragma once

#include "tests/fakes/FakeDialogs.h"
#include "tests/fakes/FakeSystem.h"
#include "tests/unit/main/FakeRows.h"
#include "ui/main/ProcessListController.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace velmora {

class ProcessPageTest : public ::testing::Test {
protected:
    fakes::FakeSystem system;
    fakes::FakeRows rows;
    fakes::FakeMessageBoxes boxes;
    ProcessListController controller{system, rows, boxes};

    ProcessPageTest() {
        system.AddProcess(0, "[System Process]");  // the entry every snapshot skips
        controller.ResetSort();
    }

    void TearDown() override {
        EXPECT_EQ(system.OpenHandleCount(), 0);
        EXPECT_EQ(system.closeFaults, 0);
    }

    // Identifiers of the live processes the rows should show.
    std::vector<std::uint32_t> LivePids() const {
        std::vector<std::uint32_t> pids;
        for (std::size_t i = 1; i < system.table.size(); ++i)
            if (!system.table[i].exited) pids.push_back(system.table[i].pid);
        std::sort(pids.begin(), pids.end());
        return pids;
    }

    // One row per live process, none for anything else.
    void ExpectOneRowPerProcess() const {
        std::vector<std::uint32_t> shown = rows.Pids();
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(shown, LivePids());
    }
};

}  // namespace velmora
