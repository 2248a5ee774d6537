// Tab and Shift+Tab in the main window, as key messages through the
// application's message loop: the focus runs through the shown page's list
// and button and the tab control, round and round, and the shortcuts still
// come first.
#include "StartedProgram.h"
#include "WinTestSupport.h"
#include "WindowMenus.h"

#include "process/WindowsSystem.h"
#include "ui/app/Application_win.h"
#include "ui/main/Unit1_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

namespace velmora {
namespace {

class FocusTest : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>(WindowsSystem(), Application().MessageBoxes());
        form->Create();
        form->ViewUpdateTimeClick(4);  // no timer refreshes in between
        SetForegroundWindow(form->Handle());
    }
    void TearDown() override {
        SetShift(false);
        form.reset();
        wintest::TakeQuitMessage();
    }
    HWND Control(int id) const { return wintest::Child(form->Handle(), id); }
    HWND Tabs() const { return FindWindowExW(form->Handle(), nullptr, WC_TABCONTROLW, nullptr); }
    static void SetShift(bool down) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = keys[VK_LSHIFT] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    // Presses Tab (with Shift when `back`) in the focused control.
    HWND Tab(bool back = false) {
        SetShift(back);
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        wintest::Pump(30);
        SetShift(false);
        return GetFocus();
    }

    std::unique_ptr<TForm1> form;
};

TEST_F(FocusTest, TabRunsFromTheTabControlToTheListToTheButtonAndRound) {
    HWND tabs = Tabs();
    HWND list = Control(TForm1::kProcessViewId);
    HWND button = Control(TForm1::kFinalizeProcessBtnId);
    SetFocus(tabs);
    ASSERT_EQ(GetFocus(), tabs);
    EXPECT_EQ(Tab(), list);
    EXPECT_EQ(Tab(), button);
    EXPECT_EQ(Tab(), tabs);
    // Shift+Tab goes the other way.
    EXPECT_EQ(Tab(true), button);
    EXPECT_EQ(Tab(true), list);
    EXPECT_EQ(Tab(true), tabs);
}

TEST_F(FocusTest, OnTheApplicationsPageTabSkipsTheDisabledButtons) {
    TabCtrl_SetCurFocus(Tabs(), 0);
    wintest::Pump(20);
    ASSERT_EQ(TabCtrl_GetCurSel(Tabs()), 0);
    HWND tabs = Tabs();
    SetFocus(tabs);
    EXPECT_EQ(Tab(), Control(TForm1::kTaskViewId));
    EXPECT_EQ(Tab(), Control(TForm1::kExecuteBtnId));
    EXPECT_EQ(Tab(), tabs);  // "Wechseln zu" and "Task beenden" are disabled
}

// The same from outside, on the program as it starts: Tab pressed in the
// focused control moves the focus on.
TEST(StartedProgramFocusTest, TabMovesTheFocusThroughTheMainWindow) {
    wintest::StartedProgram program;
    const DWORD thread = GetWindowThreadProcessId(program.MainWindow(), nullptr);
    auto focus = [thread] {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(thread, &info);
        return info.hwndFocus;
    };
    ASSERT_TRUE(wintest::StartedProgram::Eventually([&] { return focus() != nullptr; }));
    HWND first = focus();
    char name[32] = {};
    bool reachedList = false, reachedButton = false, reachedTabs = false;
    HWND current = first;
    for (int press = 0; press < 3; ++press) {
        PostMessageA(current, WM_KEYDOWN, VK_TAB, 1);
        HWND previous = current;
        ASSERT_TRUE(wintest::StartedProgram::Eventually([&] { return focus() != previous; })) << press;
        current = focus();
        GetClassNameA(current, name, sizeof(name));
        reachedList |= lstrcmpiA(name, WC_LISTVIEWA) == 0;
        reachedButton |= lstrcmpiA(name, "Button") == 0;
        reachedTabs |= lstrcmpiA(name, WC_TABCONTROLA) == 0;
    }
    EXPECT_EQ(current, first) << "three presses go round once";
    EXPECT_TRUE(reachedList && reachedButton && reachedTabs);
}

}  // namespace
}  // namespace velmora
