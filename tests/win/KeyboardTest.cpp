// Shortcuts of the main menu, as key messages through the application's
// message loop: each acts only when its item may act, and is taken either
// way. A taken key never reaches the focused control, so a key that does
// nothing is told from one that was never a shortcut. Which item a key
// reaches is the menu model's rule (tests/unit/main/MainMenuTest.cpp).
#include "WinTestSupport.h"
#include "WindowMenus.h"

#include "process/WindowsSystem.h"
#include "tests/fakes/FakeDialogs.h"
#include "ui/app/Application_win.h"
#include "ui/main/Unit1_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace velmora {
namespace {

using wintest::ChildProcess;

class KeyboardTest : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>(WindowsSystem(), boxes);
        form->ShowExecuteForm = [this] { ++executeShown; };
        form->Create();
        form->ViewUpdateTimeClick(4);
        view = wintest::Child(form->Handle(), TForm1::kProcessViewId);
        SetWindowSubclass(view, CountKeys, 1, reinterpret_cast<DWORD_PTR>(&keysArrived));
        SetFocus(view);
    }
    void TearDown() override {
        if (IsWindow(view)) RemoveWindowSubclass(view, CountKeys, 1);
        form.reset();
        wintest::TakeQuitMessage();
        SetModifiers(false, false);
    }

    // The thread's key state is what the shortcut translation reads.
    static void SetModifiers(bool control, bool alt) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = keys[VK_LCONTROL] = control ? 0x80 : 0;
        keys[VK_MENU] = keys[VK_LMENU] = alt ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    static LRESULT CALLBACK CountKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR count) {
        if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) ++*reinterpret_cast<int*>(count);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    // Presses the key in the list view; true when the window took it as a
    // shortcut, so that the view never saw it.
    bool Press(UINT key, bool control = false, bool alt = false) {
        const int before = keysArrived;
        SetModifiers(control, alt);
        if (alt) {
            PostMessageA(view, WM_SYSKEYDOWN, key, 1 | (1 << 29));
        } else {
            PostMessageA(view, WM_KEYDOWN, key, 1);
        }
        wintest::Pump(50);
        SetModifiers(false, false);
        return keysArrived == before;
    }
    void ShowApplicationsPage() {
        HWND tabs = FindWindowExW(form->Handle(), nullptr, WC_TABCONTROLW, nullptr);
        TabCtrl_SetCurSel(tabs, 0);
        NMHDR change{tabs, 0, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
        ASSERT_TRUE(wintest::MenuShown(GetMenu(form->Handle()), kFileBringToFrontItem));
    }
    int RowOf(DWORD pid) const {
        for (int row = 0; row < ListView_GetItemCount(view); ++row) {
            if (wintest::ItemText(view, row, 1) == std::to_string(pid)) return row;
        }
        return -1;
    }
    void SelectPid(DWORD pid) {
        const int row = RowOf(pid);
        if (row >= 0) ListView_SetItemState(view, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }

    fakes::FakeMessageBoxes boxes;
    std::unique_ptr<TForm1> form;
    HWND view = nullptr;
    int keysArrived = 0;  // key-down messages that reached the list view
    int executeShown = 0;
};

TEST_F(KeyboardTest, DelAsksToEndTheSelectedProcessWhileCtrlDelIsTakenAndDoesNothing) {
    ChildProcess child;
    form->UpdateProcessList();
    SelectPid(child.Pid());
    EXPECT_TRUE(Press(VK_DELETE, true));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(Press(VK_DELETE));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Bestätigen");
    EXPECT_TRUE(child.Running());  // answered No
}

TEST_F(KeyboardTest, F5RefreshesAndCtrlNOpensTheRunDialog) {
    ChildProcess child;
    EXPECT_TRUE(Press(VK_F5));
    EXPECT_GE(RowOf(child.Pid()), 0);
    EXPECT_TRUE(Press('N', true));
    EXPECT_EQ(executeShown, 1);
    EXPECT_FALSE(Press('N'));  // without Ctrl it is no shortcut
    EXPECT_EQ(executeShown, 1);
}

TEST_F(KeyboardTest, CtrlWReachesTheDisabledItemAndDoesNothing) {
    EXPECT_TRUE(Press('W', true));
    ShowApplicationsPage();  // where the item is shown
    EXPECT_TRUE(Press('W', true));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(executeShown, 0);
    EXPECT_TRUE(IsWindow(form->Handle()));
}

TEST_F(KeyboardTest, AltF4ClosesTheMainWindowAndEndsTheProgram) {
    HWND window = form->Handle();
    Press(VK_F4, false, true);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(wintest::TakeQuitMessage());
}

TEST_F(KeyboardTest, DelWithADisabledFileItemIsTakenWithoutAction) {
    ChildProcess child;
    form->UpdateProcessList();
    SelectPid(child.Pid());
    ListView_SetItemState(view, -1, 0, LVIS_SELECTED);  // selection cleared: the item is disabled
    ASSERT_FALSE(wintest::MenuEnabled(GetMenu(form->Handle()), kFileFinalizeProcessItem));
    EXPECT_TRUE(Press(VK_DELETE));
    ShowApplicationsPage();  // the shown task item with the same key is disabled too
    EXPECT_TRUE(Press(VK_DELETE));
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
}  // namespace velmora
