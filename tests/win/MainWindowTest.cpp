// The main window under Wine: start-up state, resizing, the live process
// list, update speeds and page switching.
#include "ModalScript.h"
#include "WinTestSupport.h"
#include "WindowMenus.h"

#include "process/WindowsSystem.h"
#include "tests/fakes/FakeDialogs.h"
#include "ui/about/Info_win.h"
#include "ui/main/Unit1_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace velmora {
namespace {

using wintest::ChildProcess;
using wintest::ItemText;
using wintest::MenuChecked;
using wintest::MenuEnabled;
using wintest::MenuShown;
using wintest::PumpUntil;
using wintest::RectInParent;

int RowOfPid(HWND view, DWORD pid) {
    int count = ListView_GetItemCount(view);
    for (int row = 0; row < count; ++row) {
        if (ItemText(view, row, 1) == std::to_string(pid)) return row;
    }
    return -1;
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>(WindowsSystem(), boxes);
        form->Create();
        view = Control(TForm1::kProcessViewId);
        tabs = FindWindowExW(form->Handle(), nullptr, WC_TABCONTROLW, nullptr);
        menu = GetMenu(form->Handle());
    }
    void TearDown() override {
        form.reset();
        wintest::TakeQuitMessage();
    }
    HWND Control(int id) const { return wintest::Child(form->Handle(), id); }
    void ShowPage(int index) {
        TabCtrl_SetCurSel(tabs, index);
        NMHDR change{tabs, 0, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    }

    fakes::FakeMessageBoxes boxes;
    std::unique_ptr<TForm1> form;
    HWND view = nullptr;
    HWND tabs = nullptr;
    HMENU menu = nullptr;
};

TEST_F(MainWindowTest, StartsOnProcessPageWithListSortedByPidAscending) {
    EXPECT_EQ(wintest::WindowText(form->Handle()), "Velmora");
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 1);
    EXPECT_TRUE(IsWindowVisible(view));
    int count = ListView_GetItemCount(view);
    ASSERT_GT(count, 2);
    long previous = -1;
    for (int row = 0; row < count; ++row) {
        long pid = std::stol(ItemText(view, row, 1));
        EXPECT_LT(previous, pid) << "row " << row;
        previous = pid;
        EXPECT_FALSE(ItemText(view, row, 0).empty());
        EXPECT_FALSE(ItemText(view, row, 3).empty());
    }
    EXPECT_TRUE(GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(MenuChecked(menu, kOptionsAlwaysOnTopItem));
    EXPECT_TRUE(MenuChecked(menu, kOptionsMinimizeAfterExecutingItem));
    EXPECT_TRUE(MenuChecked(menu, kViewUpdateTimeNormalItem));
}

// "Normal" is checked and the list refreshes once a second: two ticks a
// second or more apart, and under two seconds even on a busy machine.
TEST_F(MainWindowTest, TheTimerStartsAtTheCheckedNormalSpeed) {
    ASSERT_GE(wintest::MsUntilTimer(form->Handle(), 3000), 0);
    const long period = wintest::MsUntilTimer(form->Handle(), 3000);
    EXPECT_GE(period, 950);
    EXPECT_LT(period, 1900);
}

TEST_F(MainWindowTest, DestroyingTheMainWindowEndsTheMessageLoop) {
    ASSERT_FALSE(wintest::TakeQuitMessage());
    form.reset();
    EXPECT_TRUE(wintest::TakeQuitMessage());
}

TEST_F(MainWindowTest, OnlyTheProcessCommandsAreEnabledAtStart) {
    EXPECT_TRUE(IsWindowEnabled(Control(TForm1::kFinalizeProcessBtnId)));
    EXPECT_TRUE(IsWindowEnabled(Control(TForm1::kExecuteBtnId)));
    EXPECT_FALSE(IsWindowEnabled(Control(TForm1::kBringToFrontBtnId)));
    EXPECT_FALSE(IsWindowEnabled(Control(TForm1::kFinalizeTaskBtnId)));
}

TEST_F(MainWindowTest, EnlargingMovesButtonsWithThePageCornerWhileListsKeepTheirSize) {
    RECT before = RectInParent(Control(TForm1::kFinalizeProcessBtnId));
    RECT outer{};
    GetWindowRect(form->Handle(), &outer);
    SetWindowPos(form->Handle(), nullptr, 0, 0, outer.right - outer.left + 40, outer.bottom - outer.top + 30,
                 SWP_NOMOVE | SWP_NOZORDER);
    RECT after = RectInParent(Control(TForm1::kFinalizeProcessBtnId));
    EXPECT_EQ(after.left - before.left, 40);
    EXPECT_EQ(after.top - before.top, 30);
    RECT list = RectInParent(view);
    EXPECT_EQ(list.right - list.left, 417);
    EXPECT_EQ(list.bottom - list.top, 386);
}

TEST_F(MainWindowTest, ChildGetsARowWithinOneRefreshAndLosesItAfterExit) {
    auto child = std::make_unique<ChildProcess>();
    DWORD pid = child->Pid();
    ASSERT_TRUE(PumpUntil([&] { return RowOfPid(view, pid) >= 0; }, 2500));
    int row = RowOfPid(view, pid);
    EXPECT_EQ(ItemText(view, row, 0), VELMORA_TEST_CHILD);
    child.reset();
    EXPECT_TRUE(PumpUntil([&] { return RowOfPid(view, pid) < 0; }, 2500));
}

TEST_F(MainWindowTest, StoppedSpeedHaltsTimerRefreshesButF5StillRefreshes) {
    SendMessageA(form->Handle(), WM_COMMAND, kViewUpdateTimeStoppedItem, 0);
    EXPECT_TRUE(MenuChecked(menu, kViewUpdateTimeStoppedItem));
    EXPECT_FALSE(MenuChecked(menu, kViewUpdateTimeNormalItem));
    ChildProcess child;
    EXPECT_EQ(wintest::MsUntilTimer(form->Handle(), 1500), -1);
    EXPECT_LT(RowOfPid(view, child.Pid()), 0);
    SetFocus(view);
    PostMessageA(view, WM_KEYDOWN, VK_F5, 0);
    wintest::Pump(50);
    EXPECT_GE(RowOfPid(view, child.Pid()), 0);
}

TEST_F(MainWindowTest, ApplicationsPageSwapsFileMenuItemsAndSwitchingBackRefreshes) {
    ShowPage(0);
    HMENU file = GetSubMenu(menu, 0);  // "Datei"
    EXPECT_FALSE(MenuShown(file, kFileFinalizeProcessItem));
    EXPECT_FALSE(MenuShown(file, kFilePriorityItem));
    EXPECT_TRUE(MenuShown(file, kFileFinalizeTaskItem));
    EXPECT_FALSE(MenuEnabled(file, kFileFinalizeTaskItem));
    EXPECT_TRUE(MenuShown(file, kFileBringToFrontItem));

    ChildProcess child;
    wintest::Pump(1500);  // timer ticks do nothing on this page
    EXPECT_LT(RowOfPid(view, child.Pid()), 0);

    ShowPage(1);
    EXPECT_GE(RowOfPid(view, child.Pid()), 0);
    EXPECT_TRUE(MenuShown(file, kFileFinalizeProcessItem));
    EXPECT_FALSE(MenuShown(file, kFileFinalizeTaskItem));
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

TEST_F(MainWindowTest, AlwaysOnTopToggleDropsAndRestoresTopmostWithoutMoving) {
    RECT before{};
    GetWindowRect(form->Handle(), &before);
    SendMessageA(form->Handle(), WM_COMMAND, kOptionsAlwaysOnTopItem, 0);
    EXPECT_FALSE(MenuChecked(menu, kOptionsAlwaysOnTopItem));
    EXPECT_FALSE(GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT after{};
    GetWindowRect(form->Handle(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    SendMessageA(form->Handle(), WM_COMMAND, kOptionsAlwaysOnTopItem, 0);
    EXPECT_TRUE(MenuChecked(menu, kOptionsAlwaysOnTopItem));
    EXPECT_TRUE(GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    SendMessageA(form->Handle(), WM_COMMAND, kOptionsMinimizeAfterExecutingItem, 0);
    EXPECT_FALSE(MenuChecked(menu, kOptionsMinimizeAfterExecutingItem));
    EXPECT_FALSE(form->MinimizeAfterExecuting());
}

// Each speed item moves the radio mark to itself and re-arms the timer:
// the first tick after the choice comes after the item's period, never
// sooner ("Niedrig" is told from "Normal" by 1.5 s without a tick).
TEST_F(MainWindowTest, SpeedItemsSetThePeriodAndMoveTheRadioMark) {
    const struct {
        int item;
        long atLeast, before;
    } speeds[] = {{kViewUpdateTimeHighItem, 250, 900},
                  {kViewUpdateTimeLowItem, 1500, 3500},
                  {kViewUpdateTimeNormalItem, 950, 1900}};
    for (const auto& speed : speeds) {
        SCOPED_TRACE(speed.item);
        SendMessageA(form->Handle(), WM_COMMAND, speed.item, 0);
        const long took = wintest::MsUntilTimer(form->Handle(), 4000);
        EXPECT_GE(took, speed.atLeast);
        EXPECT_LT(took, speed.before);
        for (int item = kViewUpdateTimeHighItem; item <= kViewUpdateTimeStoppedItem; ++item) {
            EXPECT_EQ(MenuChecked(menu, item), item == speed.item) << item;
        }
    }
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

TEST_F(MainWindowTest, ClosingADialogGivesTheKeyboardBackToTheMainWindow) {
    fakes::FakeShell shell;
    TInfoForm info(shell);
    info.Create();
    SetActiveWindow(form->Handle());
    {
        wintest::Closer closer("the about dialog", wintest::CloseWhenShown(info));
        info.ShowModal();
    }
    EXPECT_FALSE(IsWindowVisible(info.Handle()));
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
    EXPECT_EQ(GetActiveWindow(), form->Handle());
}

}  // namespace
}  // namespace velmora
