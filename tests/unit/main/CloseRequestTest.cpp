// A close of the main window requested while a refresh runs waits for the
// refresh to end, whatever part of the refresh it arrives in and however
// the refresh ends; the end of the refresh then hands it on exactly once.
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
    // How often the deferred close was handed on, and whether the rows were
    // free again each time it was.
    int deferredCloses = 0;
    std::vector<bool> closeAllowedWhenHandedOn;

    void SetUp() override {
        controller.OnDeferredClose = [&] {
            ++deferredCloses;
            closeAllowedWhenHandedOn.push_back(controller.FormCloseQuery());
        };
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
    EXPECT_EQ(deferredCloses, 0);  // nothing waited, nothing to hand on
    controller.UpdateProcessList();
    EXPECT_EQ(deferredCloses, 0);
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
    // Four requests, one close, once the rows are free.
    EXPECT_EQ(deferredCloses, 1);
    EXPECT_EQ(closeAllowedWhenHandedOn, std::vector<bool>{true});
    EXPECT_TRUE(controller.FormCloseQuery());
}

TEST_F(CloseRequestTest, Close_HandedOnOnlyAfterTheRefreshItArrivedIn) {
    system.AddProcess(30, "c.exe");
    rows.onAppend = [&] {
        AskToClose();
        EXPECT_EQ(deferredCloses, 0) << "handed on while the rows are still in use";
    };
    controller.UpdateProcessList();
    EXPECT_EQ(deferredCloses, 1);
    // The next refresh has no close of its own to hand on.
    rows.onAppend = nullptr;
    system.AddProcess(40, "d.exe");
    controller.UpdateProcessList();
    EXPECT_EQ(deferredCloses, 1);
}

TEST_F(CloseRequestTest, Close_WaitsForASortAfterAHeaderClick) {
    rows.onSort = [&] { AskToClose(); };
    controller.ProcessViewColumnClick("Name");
    EXPECT_EQ(answers, std::vector<bool>{false});
    EXPECT_EQ(deferredCloses, 1);
    EXPECT_EQ(closeAllowedWhenHandedOn, std::vector<bool>{true});
}

TEST_F(CloseRequestTest, Close_WaitsDuringACommandRunInsideTheRefresh) {
    rows.Select(20);
    boxes.onShow = [&] { AskToClose(); };
    rows.onAppend = [&] { controller.FinalizeProcessBtnClick(); };  // answered No
    system.AddProcess(30, "c.exe");
    controller.UpdateProcessList();
    EXPECT_EQ(answers, (std::vector<bool>{false}));
    EXPECT_EQ(deferredCloses, 1);
    EXPECT_TRUE(controller.FormCloseQuery());
}

TEST_F(CloseRequestTest, Close_AllowedAgainAfterARefreshThatFailed) {
    system.AddProcess(30, "c.exe");
    rows.onAppend = [&] {
        AskToClose();
        throw std::runtime_error("view failed");
    };
    EXPECT_THROW(controller.UpdateProcessList(), std::runtime_error);
    EXPECT_EQ(answers, std::vector<bool>{false});
    EXPECT_EQ(deferredCloses, 1);  // the failed refresh still hands the close on
    EXPECT_TRUE(controller.FormCloseQuery());
}

}  // namespace
}  // namespace velmora
