// The main window under Wine: start-up state, resizing, the live process
// list, update speeds and page switching.
#include "ModalScript.h"
#include "WinTestSupport.h"

#include "process/WindowsSystem.h"
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
        form = std::make_unique<TForm1>(WindowsSystem());
        form->QuitOnDestroy = false;
        form->Create();
        view = form->Control(TForm1::kProcessViewId);
    }
    void TearDown() override { form.reset(); }

    std::unique_ptr<TForm1> form;
    HWND view = nullptr;
};

TEST_F(MainWindowTest, StartsOnProcessPageWithListSortedByPidAscending) {
    EXPECT_EQ(wintest::WindowText(form->Handle()), "Velmora");
    EXPECT_EQ(TabCtrl_GetCurSel(form->PageControl()), 1);
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
    EXPECT_TRUE(form->MenuModel().Checked(kOptionsAlwaysOnTopItem));
    EXPECT_TRUE(form->MenuModel().Checked(kOptionsMinimizeAfterExecutingItem));
    EXPECT_TRUE(form->MenuModel().Checked(kViewUpdateTimeNormalItem));
    EXPECT_EQ(form->UpdatePeriod(), 1000);
}

TEST_F(MainWindowTest, OnlyTheProcessCommandsAreEnabledAtStart) {
    EXPECT_TRUE(IsWindowEnabled(form->Control(TForm1::kFinalizeProcessBtnId)));
    EXPECT_TRUE(IsWindowEnabled(form->Control(TForm1::kExecuteBtnId)));
    EXPECT_FALSE(IsWindowEnabled(form->Control(TForm1::kBringToFrontBtnId)));
    EXPECT_FALSE(IsWindowEnabled(form->Control(TForm1::kFinalizeTaskBtnId)));
}

TEST_F(MainWindowTest, EnlargingMovesButtonsWithThePageCornerWhileListsKeepTheirSize) {
    RECT before = RectInParent(form->Control(TForm1::kFinalizeProcessBtnId));
    RECT outer{};
    GetWindowRect(form->Handle(), &outer);
    SetWindowPos(form->Handle(), nullptr, 0, 0, outer.right - outer.left + 40, outer.bottom - outer.top + 30,
                 SWP_NOMOVE | SWP_NOZORDER);
    RECT after = RectInParent(form->Control(TForm1::kFinalizeProcessBtnId));
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
    EXPECT_TRUE(form->MenuModel().Checked(kViewUpdateTimeStoppedItem));
    EXPECT_FALSE(form->MenuModel().Checked(kViewUpdateTimeNormalItem));
    ChildProcess child;
    wintest::Pump(1500);
    EXPECT_LT(RowOfPid(view, child.Pid()), 0);
    SetFocus(view);
    PostMessageA(view, WM_KEYDOWN, VK_F5, 0);
    wintest::Pump(50);
    EXPECT_GE(RowOfPid(view, child.Pid()), 0);
}

TEST_F(MainWindowTest, ApplicationsPageSwapsFileMenuItemsAndSwitchingBackRefreshes) {
    TabCtrl_SetCurSel(form->PageControl(), 0);
    NMHDR change{form->PageControl(), 0, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    EXPECT_FALSE(form->MenuModel().Shown(kFileFinalizeProcessItem));
    EXPECT_FALSE(form->MenuModel().Shown(kFilePriorityItem));
    EXPECT_TRUE(form->MenuModel().Shown(kFileFinalizeTaskItem));
    EXPECT_FALSE(form->MenuModel().Enabled(kFileFinalizeTaskItem));
    EXPECT_TRUE(form->MenuModel().Shown(kFileBringToFrontItem));
    HMENU file = GetSubMenu(GetMenu(form->Handle()), 0);  // "Datei"
    EXPECT_EQ(GetMenuState(file, kFileFinalizeProcessItem, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetMenuState(file, kFileFinalizeTaskItem, MF_BYCOMMAND), static_cast<UINT>(-1));

    ChildProcess child;
    wintest::Pump(1500);  // timer ticks do nothing on this page
    EXPECT_LT(RowOfPid(view, child.Pid()), 0);

    TabCtrl_SetCurSel(form->PageControl(), 1);
    SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    EXPECT_GE(RowOfPid(view, child.Pid()), 0);
    EXPECT_TRUE(form->MenuModel().Shown(kFileFinalizeProcessItem));
    EXPECT_FALSE(form->MenuModel().Shown(kFileFinalizeTaskItem));
    EXPECT_NE(GetMenuState(file, kFileFinalizeProcessItem, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuState(file, kFileFinalizeTaskItem, MF_BYCOMMAND), static_cast<UINT>(-1));
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

TEST_F(MainWindowTest, AlwaysOnTopToggleDropsAndRestoresTopmostWithoutMoving) {
    RECT before{};
    GetWindowRect(form->Handle(), &before);
    SendMessageA(form->Handle(), WM_COMMAND, kOptionsAlwaysOnTopItem, 0);
    EXPECT_FALSE(form->MenuModel().Checked(kOptionsAlwaysOnTopItem));
    EXPECT_FALSE(GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT after{};
    GetWindowRect(form->Handle(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    SendMessageA(form->Handle(), WM_COMMAND, kOptionsAlwaysOnTopItem, 0);
    EXPECT_TRUE(form->MenuModel().Checked(kOptionsAlwaysOnTopItem));
    EXPECT_TRUE(GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    SendMessageA(form->Handle(), WM_COMMAND, kOptionsMinimizeAfterExecutingItem, 0);
    EXPECT_FALSE(form->MinimizeAfterExecuting());
}

TEST_F(MainWindowTest, SpeedItemsSetThePeriodAndMoveTheRadioMark) {
    const struct {
        int item;
        int period;
    } speeds[] = {{kViewUpdateTimeHighItem, 300}, {kViewUpdateTimeLowItem, 2000}, {kViewUpdateTimeNormalItem, 1000}};
    for (const auto& speed : speeds) {
        SendMessageA(form->Handle(), WM_COMMAND, speed.item, 0);
        EXPECT_EQ(form->UpdatePeriod(), speed.period);
        for (int item = kViewUpdateTimeHighItem; item <= kViewUpdateTimeStoppedItem; ++item) {
            EXPECT_EQ(form->MenuModel().Checked(item), item == speed.item) << item;
        }
    }
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

TEST_F(MainWindowTest, ClosingADialogGivesTheKeyboardBackToTheMainWindow) {
    TInfoForm info;
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
