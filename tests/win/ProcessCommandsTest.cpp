// Ordering, ending processes and setting priorities on the real list view,
// with child processes the tests start themselves.
#include "WinTestSupport.h"
#include "WindowMenus.h"

#include "process/WindowsSystem.h"
#include "tests/fakes/FakeDialogs.h"
#include "ui/app/Application_win.h"
#include "ui/main/Unit1_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace velmora {
namespace {

using wintest::ChildProcess;
using wintest::ItemText;

class ProcessCommandsTest : public testing::Test {
protected:
    void SetUp() override { Make(boxes); }
    void TearDown() override {
        form.reset();
        wintest::TakeQuitMessage();
    }
    // A main window that asks through `asking`: the scripted boxes, or the
    // application's real ones.
    void Make(IMessageBoxes& asking) {
        form.reset();
        wintest::TakeQuitMessage();
        form = std::make_unique<TForm1>(WindowsSystem(), asking);
        form->Create();
        form->ViewUpdateTimeClick(4);  // refreshes only when a test asks
        view = Control(TForm1::kProcessViewId);
        menu = GetMenu(form->Handle());
    }
    HWND Control(int id) const { return wintest::Child(form->Handle(), id); }

    int RowOf(DWORD pid) {
        for (int row = 0; row < ListView_GetItemCount(view); ++row) {
            if (ItemText(view, row, 1) == std::to_string(pid)) return row;
        }
        return -1;
    }
    void Select(std::initializer_list<DWORD> pids) {
        ListView_SetItemState(view, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (DWORD pid : pids) ListView_SetItemState(view, RowOf(pid), LVIS_SELECTED, LVIS_SELECTED);
    }
    void ClickHeader(int column) {
        NMLISTVIEW click{};
        click.hdr = {view, static_cast<UINT_PTR>(TForm1::kProcessViewId), static_cast<UINT>(LVN_COLUMNCLICK)};
        click.iItem = -1;
        click.iSubItem = column;
        SendMessageA(form->Handle(), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    }
    void Command(int id) { SendMessageA(form->Handle(), WM_COMMAND, id, 0); }

    fakes::FakeMessageBoxes boxes;
    std::unique_ptr<TForm1> form;
    HWND view = nullptr;
    HMENU menu = nullptr;
};

TEST_F(ProcessCommandsTest, ProcessModelActsOnARealChild) {
    ChildProcess child;
    TProcess record = TProcess::Create(WindowsSystem(), child.Pid());
    EXPECT_EQ(record.Name, VELMORA_TEST_CHILD);
    EXPECT_TRUE(record.CanOpen(WindowsSystem()));
    const DWORD classes[] = {IDLE_PRIORITY_CLASS,         BELOW_NORMAL_PRIORITY_CLASS, NORMAL_PRIORITY_CLASS,
                             ABOVE_NORMAL_PRIORITY_CLASS, HIGH_PRIORITY_CLASS,         REALTIME_PRIORITY_CLASS};
    for (DWORD priorityClass : classes) {
        ASSERT_TRUE(record.SetPriority(WindowsSystem(), priorityClass)) << priorityClass;
        EXPECT_EQ(GetPriorityClass(child.Process()), priorityClass);
        EXPECT_EQ(record.Priority, PriorityClassName(priorityClass));
    }
    EXPECT_TRUE(record.Terminate(WindowsSystem()));
    EXPECT_EQ(child.WaitExit(5000), 0);
}

TEST_F(ProcessCommandsTest, HeaderClicksOrderTheListAndBringTheSelectedRowNearTheTop) {
    // A short list shows few rows, so a couple of dozen processes are enough
    // to need scrolling; starting many more Wine processes at once is what a
    // small test machine may refuse.
    SetWindowPos(view, nullptr, 0, 0, 300, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    std::vector<std::unique_ptr<ChildProcess>> children;
    form->UpdateProcessList();
    const int needed = 2 * ListView_GetCountPerPage(view) + 2;
    while (ListView_GetItemCount(view) < needed && children.size() < 60) {
        children.push_back(std::make_unique<ChildProcess>());
        form->UpdateProcessList();
    }
    const int count = ListView_GetItemCount(view);
    ASSERT_GE(count, needed);

    ClickHeader(0);  // name, ascending
    for (int row = 1; row < count; ++row) {
        EXPECT_LE(_stricmp(ItemText(view, row - 1, 0).c_str(), ItemText(view, row, 0).c_str()), 0) << row;
    }
    ClickHeader(0);  // name, descending
    EXPECT_GE(_stricmp(ItemText(view, 0, 0).c_str(), ItemText(view, count - 1, 0).c_str()), 0);
    ClickHeader(2);  // threads, ascending; equal counts in identifier order
    for (int row = 1; row < count; ++row) {
        long threadsA = std::stol(ItemText(view, row - 1, 2)), threadsB = std::stol(ItemText(view, row, 2));
        EXPECT_LE(threadsA, threadsB) << row;
        if (threadsA == threadsB) {
            EXPECT_LT(std::stol(ItemText(view, row - 1, 1)), std::stol(ItemText(view, row, 1))) << row;
        }
    }

    // Identifier ascending (another column was sorted before), then the same
    // header again: descending, and the selected row, now far below the
    // visible part, is scrolled up to just below the top.
    // The row chosen lands on the last index the view can scroll to the top.
    ClickHeader(1);
    const int perPage = ListView_GetCountPerPage(view);
    ASSERT_GT(count, 2 * perPage);
    const DWORD selected = std::stoul(ItemText(view, perPage - 1, 1));
    Select({selected});
    ClickHeader(1);
    const int row = RowOf(selected);
    EXPECT_EQ(row, count - perPage);
    RECT bounds{LVIR_BOUNDS, 0, 0, 0};
    ListView_GetItemRect(view, row, &bounds, LVIR_BOUNDS);
    EXPECT_GT(ListView_GetTopIndex(view), 0);
    EXPECT_GE(bounds.top, 0);
    EXPECT_LE(bounds.top, 20 + (bounds.bottom - bounds.top));
}

TEST_F(ProcessCommandsTest, ButtonEndsTheSelectedChildAfterYesAndItsRowGoesAtTheNextRefresh) {
    ChildProcess child;
    form->UpdateProcessList();
    Select({child.Pid()});
    boxes.answers = {BoxAnswer::Yes};
    Command(TForm1::kFinalizeProcessBtnId);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Sind Sie sicher, dass sie den Prozess \"velmora_test_child.exe\" beenden möchten?");
    EXPECT_EQ(boxes.shown[0].caption, "Bestätigen");
    EXPECT_EQ(boxes.shown[0].kind, BoxKind::Confirm);
    EXPECT_EQ(child.WaitExit(5000), 0);
    EXPECT_GE(RowOf(child.Pid()), 0);  // the command does not refresh
    form->UpdateProcessList();
    EXPECT_LT(RowOf(child.Pid()), 0);
}

TEST_F(ProcessCommandsTest, AnsweringNoEndsNothing) {
    ChildProcess child;
    form->UpdateProcessList();
    Select({child.Pid()});
    boxes.answers = {BoxAnswer::No};
    Command(kFileFinalizeProcessItem);
    EXPECT_EQ(boxes.shown.size(), 1u);
    wintest::Pump(100);
    EXPECT_TRUE(child.Running());
}

TEST_F(ProcessCommandsTest, DelOnTheApplicationsPageEndsTheChildSelectedInTheProcessList) {
    ChildProcess child;
    form->UpdateProcessList();
    Select({child.Pid()});
    HWND tabs = FindWindowExW(form->Handle(), nullptr, WC_TABCONTROLW, nullptr);
    TabCtrl_SetCurSel(tabs, 0);
    NMHDR change{tabs, 0, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    ASSERT_FALSE(wintest::MenuShown(menu, kFileFinalizeProcessItem));
    boxes.answers = {BoxAnswer::Yes};
    HWND tasks = Control(TForm1::kTaskViewId);
    SetFocus(tasks);
    PostMessageA(tasks, WM_KEYDOWN, VK_DELETE, 0);
    wintest::Pump(100);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(child.WaitExit(5000), 0);
}

TEST_F(ProcessCommandsTest, SelectionRenamesAndDisablesTheProcessCommands) {
    ChildProcess a, b;
    form->UpdateProcessList();
    HWND button = Control(TForm1::kFinalizeProcessBtnId);
    Select({a.Pid(), b.Pid()});
    const HMENU context = wintest::OpenContextMenu(form->Handle(), view);
    ASSERT_TRUE(context);
    EXPECT_EQ(wintest::WindowText(button), "Prozesse beenden");
    EXPECT_EQ(wintest::MenuCaption(menu, kFileFinalizeProcessItem), "Prozesse beenden");
    EXPECT_EQ(wintest::MenuCaption(context, kProcessFinalizeItem), "Prozesse beenden");
    Select({a.Pid()});
    EXPECT_EQ(wintest::WindowText(button), "Prozess beenden");
    EXPECT_EQ(wintest::MenuCaption(menu, kFileFinalizeProcessItem), "Prozess beenden");
    EXPECT_TRUE(IsWindowEnabled(button));
    Select({});
    EXPECT_FALSE(IsWindowEnabled(button));
    EXPECT_FALSE(wintest::MenuEnabled(menu, kFileFinalizeProcessItem));
    EXPECT_FALSE(wintest::MenuEnabled(context, kProcessSetPriorityItem));
    EXPECT_FALSE(wintest::MenuEnabled(menu, kFilePriorityItem));
}

TEST_F(ProcessCommandsTest, ARowWhoseTextChangesMakesTheCommandsFollowTheSelection) {
    ChildProcess child;
    form->UpdateProcessList();
    HWND button = Control(TForm1::kFinalizeProcessBtnId);
    ASSERT_TRUE(IsWindowEnabled(button)) << "enabled until the first change";
    // Another program raises the child's priority; the refresh rewrites its
    // row's priority text, and with nothing selected the commands go grey.
    ASSERT_TRUE(SetPriorityClass(child.Process(), ABOVE_NORMAL_PRIORITY_CLASS));
    form->UpdateProcessList();
    EXPECT_FALSE(IsWindowEnabled(button));
    EXPECT_FALSE(wintest::MenuEnabled(menu, kFileFinalizeProcessItem));
    EXPECT_FALSE(wintest::MenuEnabled(menu, kFilePriorityItem));
}

TEST_F(ProcessCommandsTest, HighFromTheContextMenuSetsTheClassAndMovesTheMark) {
    ChildProcess child;
    form->UpdateProcessList();
    Select({child.Pid()});
    Command(kProcessPriorityFirstItem + 1);  // "Hoch"
    EXPECT_EQ(GetPriorityClass(child.Process()), static_cast<DWORD>(HIGH_PRIORITY_CLASS));
    EXPECT_TRUE(boxes.shown.empty());

    // Open the context menu for real; a timer closes it again.
    const HMENU context = wintest::OpenContextMenu(form->Handle(), view);
    ASSERT_TRUE(context);
    EXPECT_TRUE(wintest::MenuChecked(context, kProcessPriorityFirstItem + 1));
    for (int i : {0, 2, 3, 4, 5}) EXPECT_FALSE(wintest::MenuChecked(context, kProcessPriorityFirstItem + i)) << i;
}

TEST_F(ProcessCommandsTest, RealConfirmationBoxHasYesAsDefaultAndNoKeepsTheProcess) {
    Make(Application().MessageBoxes());
    ChildProcess child;
    form->UpdateProcessList();
    Select({child.Pid()});
    SetActiveWindow(form->Handle());
    wintest::BoxAnswerer answerer(IDNO);
    Command(TForm1::kFinalizeProcessBtnId);
    ASSERT_EQ(answerer.boxes.size(), 1u);
    EXPECT_EQ(GetActiveWindow(), form->Handle()) << "the keyboard goes back to the main window";
    EXPECT_EQ(answerer.boxes[0].caption, "Bestätigen");
    EXPECT_TRUE(answerer.boxes[0].hasYes);
    EXPECT_TRUE(answerer.boxes[0].hasNo);
    EXPECT_EQ(answerer.boxes[0].defaultButton, IDYES);
    EXPECT_NE(answerer.boxes[0].text.find("velmora_test_child.exe"), std::string::npos);
    EXPECT_TRUE(child.Running());
}

TEST_F(ProcessCommandsTest, RealBoxesStayAboveTheMainWindowOnlyWhileItIsOnTop) {
    Make(Application().MessageBoxes());
    wintest::BoxAnswerer answerer(IDOK);
    Application().MessageBoxes().Show("oben", "Velmora", BoxKind::Error);
    form->OptionsAlwaysOnTopItemClick();  // no longer on top
    Application().MessageBoxes().Show("normal", "Velmora", BoxKind::Error);
    ASSERT_EQ(answerer.boxes.size(), 2u);
    EXPECT_TRUE(answerer.boxes[0].topmost) << "a box beneath the topmost window would hold the keyboard unseen";
    EXPECT_FALSE(answerer.boxes[1].topmost);
    EXPECT_FALSE(GetWindowLongA(Application().Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) << "the owner goes back";
}

TEST_F(ProcessCommandsTest, RealConfirmationBoxTakesEnterAsYes) {
    Make(Application().MessageBoxes());
    ChildProcess child;
    form->UpdateProcessList();
    Select({child.Pid()});
    wintest::BoxAnswerer answerer(wintest::BoxAnswerer::kPressEnter);
    Command(TForm1::kFinalizeProcessBtnId);
    ASSERT_EQ(answerer.boxes.size(), 1u);
    EXPECT_EQ(child.WaitExit(5000), 0);
}

}  // namespace
}  // namespace velmora
