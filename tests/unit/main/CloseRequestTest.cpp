// A close of the main window requested while a refresh runs waits for the
// refresh to end, whatever part of the refresh it arrives in and however
// the refresh ends.
#include "tests/unit/main/ProcessPageFixture.h"

#include <stdexcept>
#include <vector>

namespace velmora {
namespace {

class CloseRequestTest : public ProcessPageTest {
protected:
    // Whether a close requested at each point of interest was allowed.
    std::vector<bool> answers;
    void AskToClose() { answers.push_back(controller.FormCloseQuery()); }

    void SetUp() override {
        system.AddProcess(10, "a.exe");
        system.AddProcess(20, "b.exe");
        controller.UpdateProcessList();
    }
};

TEST_F(CloseRequestTest, Close_AllowedWhenNoRefreshRuns) {
    AskToClose();
    rows.Select(10);
    boxes.onShow = [&] { AskToClose(); };  // inside a command's confirmation, outside a refresh
    controller.FinalizeProcessBtnClick();
    EXPECT_EQ(answers, (std::vector<bool>{true, true}));
}

TEST_F(CloseRequestTest, Close_WaitsWhileTheRefreshChangesAndSortsTheRows) {
    rows.onSetText = [&] { AskToClose(); };
    rows.onAppend = [&] { AskToClose(); };
    rows.onRemove = [&] { AskToClose(); };
    rows.onSort = [&] { AskToClose(); };
    system.AddProcess(30, "c.exe");
    system.RemoveProcess(10);
    system.Find(20)->threads = 7;
    controller.UpdateProcessList();
    ASSERT_EQ(answers.size(), 4u);
    EXPECT_EQ(answers, std::vector<bool>(answers.size(), false));
    EXPECT_TRUE(controller.FormCloseQuery());
}

TEST_F(CloseRequestTest, Close_WaitsDuringACommandRunInsideTheRefresh) {
    rows.Select(20);
    boxes.onShow = [&] { AskToClose(); };
    rows.onAppend = [&] { controller.FinalizeProcessBtnClick(); };  // answered No
    system.AddProcess(30, "c.exe");
    controller.UpdateProcessList();
    EXPECT_EQ(answers, (std::vector<bool>{false}));
    EXPECT_TRUE(controller.FormCloseQuery());
}

TEST_F(CloseRequestTest, Close_AllowedAgainAfterARefreshThatFailed) {
    system.AddProcess(30, "c.exe");
    rows.onAppend = [] { throw std::runtime_error("view failed"); };
    EXPECT_THROW(controller.UpdateProcessList(), std::runtime_error);
    EXPECT_TRUE(controller.FormCloseQuery());
}

}  // namespace
}  // namespace velmora
