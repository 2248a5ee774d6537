// The run dialog under Wine: its window at 96 DPI, opening from the main
// window, OK following the text, what a shell failure and a success do, and
// one real start through the shell.
#include "Layouts.h"
#include "RunDialogFixture.h"
#include "WinTestSupport.h"

#include "base/Handles_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <set>
#include <string>

namespace velmora {
namespace {

using wintest::RectInParent;
using wintest::Then;
using wintest::Until;
using wintest::WindowText;

const char kNotFoundPrefix[] =
    "(oder eine ihrer Komponenten) wurde nicht gefunden. Stellen Sie sicher, dass die Pfad- und "
    "Dateinamenangaben stimmen und alle erforderlichen Bibilotheken verfügbar sind.";

TEST_F(RunDialogTest, CaptionFrameControlTextsAndPlaces) {
    wintest::Scaling scaling{ScreenDpi()};
    HWND dialog = form->Handle();
    EXPECT_EQ(WindowText(dialog), "Ausführen");
    EXPECT_FALSE(IsWindowVisible(dialog));
    RECT client{};
    GetClientRect(dialog, &client);
    scaling.ExpectSize(client, wintest::kRunClient, "client area");
    EXPECT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(GetWindowLongA(dialog, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    for (const wintest::DesignedRect& d : wintest::kRunDialogLayout) scaling.ExpectRect(RectInParent(Control(d.id)), d);
    EXPECT_EQ(WindowText(Control(TExecuteForm::kLbl1Id)),
              "Geben Sie den Namen eines Programms, Ordners, Dokuments oder einer Internetressource an.");
    EXPECT_EQ(WindowText(Control(TExecuteForm::kBokId)), "OK");
    EXPECT_EQ(WindowText(Control(TExecuteForm::kBclId)), "Abbrechen");
    EXPECT_EQ(WindowText(Control(TExecuteForm::kBbrId)), "Durchsuchen...");
    EXPECT_EQ(GetWindowLongA(Control(TExecuteForm::kBokId), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);

    HWND label = Control(TExecuteForm::kLabel1Id);
    EXPECT_EQ(WindowText(label), "Öffnen:");
    RECT labelRect = RectInParent(label);
    EXPECT_NEAR(labelRect.left, scaling.S(8), scaling.Slack());
    EXPECT_NEAR(labelRect.top, scaling.S(67), scaling.Slack());
    EXPECT_GT(labelRect.right, scaling.S(20));  // sized to its text, which ends before the box
    EXPECT_LE(labelRect.right, scaling.S(64));

    EXPECT_EQ(GetWindowLongA(Edt(), GWL_STYLE) & 3, CBS_DROPDOWN);
    EXPECT_TRUE(Edit());
}

// An owned window follows a topmost owner, so the dialog is looked at under
// a main window that is not topmost.
TEST_F(RunDialogTest, IsNotTopmostOfItsOwn) {
    SendMessageA(main->Handle(), WM_COMMAND, kOptionsAlwaysOnTopItem, 0);
    ASSERT_FALSE(GetWindowLongA(main->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    TExecuteForm other(shell, boxes, [] { return false; }, {});
    other.Create();
    EXPECT_FALSE(GetWindowLongA(other.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(RunDialogTest, TabRunsFromOkToCancelToBrowseToTheBox) {
    HWND dialog = form->Handle();
    HWND bok = Ok(), bcl = Control(TExecuteForm::kBclId), bbr = Control(TExecuteForm::kBbrId);
    ShowWindow(dialog, SW_SHOWNA);  // tab stops count only visible controls
    EXPECT_EQ(GetNextDlgTabItem(dialog, bok, FALSE), bcl);
    EXPECT_EQ(GetNextDlgTabItem(dialog, bcl, FALSE), bbr);
    EXPECT_EQ(GetNextDlgTabItem(dialog, bbr, FALSE), Edt());
    EXPECT_EQ(GetNextDlgTabItem(dialog, Edt(), FALSE), bok);
    ShowWindow(dialog, SW_HIDE);
}

TEST_F(RunDialogTest, OpensFromNewTaskButtonAndFromCtrlNWithFocusInTheBox) {
    auto shownWithFocusInBox = [this] {
        EXPECT_TRUE(IsWindowVisible(form->Handle()));
        EXPECT_TRUE(IsWindowVisible(form->Handle()));
        EXPECT_EQ(GetFocus(), Edit());
        EXPECT_FALSE(IsWindowEnabled(main->Handle()));  // modal
        form->Close();
    };

    // "Neuer Task..." lives on the applications page.
    HWND tabs = FindWindowExW(main->Handle(), nullptr, WC_TABCONTROLW, nullptr);
    TabCtrl_SetCurSel(tabs, 0);
    NMHDR change{tabs, 0, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(main->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    HWND newTask = wintest::Child(main->Handle(), TForm1::kExecuteBtnId);
    EXPECT_EQ(WindowText(newTask), "Neuer Task...");
    auto isShowing = [this] { return IsWindowVisible(form->Handle()); };
    wintest::ModalScript fromButton(*form, {Until(isShowing), Then(shownWithFocusInBox)});
    EXPECT_TRUE(fromButton.Run([&] {
        PostMessageA(newTask, BM_CLICK, 0, 0);
        wintest::PumpUntil([&] { return opened == 1; }, 2000);
    }));
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));

    // Ctrl+N: the accelerator reads the Ctrl key's state, not the message.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    wintest::ModalScript fromShortcut(*form, {Until(isShowing), Then([&] {
                                                  keys[VK_CONTROL] = 0;
                                                  SetKeyboardState(keys);
                                                  shownWithFocusInBox();
                                              })});
    EXPECT_TRUE(fromShortcut.Run([&] {
        PostMessageA(main->Handle(), WM_KEYDOWN, 'N', 1);
        wintest::PumpUntil([&] { return opened == 2; }, 2000);
    }));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

TEST_F(RunDialogTest, OkIsEnabledExactlyWhileTheBoxHoldsText) {
    EXPECT_TRUE(ShowWith({
        Then([&] { EXPECT_FALSE(IsWindowEnabled(Ok())); }),
        Then([&] { Type("c"); }),
        Then([&] { EXPECT_TRUE(IsWindowEnabled(Ok())); }),
        Then([&] { PostMessageA(Edit(), WM_CHAR, VK_BACK, 1); }),
        Then([&] {
            EXPECT_EQ(WindowText(Edt()), "");
            EXPECT_FALSE(IsWindowEnabled(Ok()));
            Key(Edit(), VK_RETURN);  // a disabled OK ignores Enter
        }),
        Then([&] {
            EXPECT_TRUE(IsWindowVisible(form->Handle()));
            EXPECT_TRUE(shell.calls.empty());
            Type("x");
            Key(Edit(), VK_ESCAPE);
        }),
    }));
    // The text of the last use stays, and OK follows it when shown again.
    EXPECT_TRUE(ShowWith({Then([&] {
        EXPECT_EQ(WindowText(Edt()), "x");
        EXPECT_TRUE(IsWindowEnabled(Ok()));
        form->Close();
    })}));
}

TEST_F(RunDialogTest, ShellFailureExplainsTheCodeAndLeavesTheTextSelectedInTheOpenDialog) {
    shell.result = 2;
    EXPECT_TRUE(ShowWith({
        Then([&] { Type("nichtda.exe -x"); }),
        Then([&] { Key(Edit(), VK_RETURN); }),
        Then([&] {
            ASSERT_EQ(shell.calls.size(), 1u);
            EXPECT_EQ(shell.calls[0].file, "nichtda.exe -x");
            EXPECT_EQ(shell.calls[0].parameters, "");
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown[0].text, std::string("Die Datei \"nichtda.exe -x\" ") + kNotFoundPrefix +
                                               "\r\rDie Datei wurde nicht gefunden.");
            EXPECT_EQ(boxes.shown[0].caption, "nichtda.exe -x");
            EXPECT_EQ(boxes.shown[0].kind, BoxKind::Error);
            EXPECT_TRUE(IsWindowVisible(form->Handle()));
            EXPECT_EQ(GetFocus(), Edit());
            EXPECT_EQ(Selection(), std::make_pair(0, 14));
            EXPECT_EQ(HistoryCount(), 1);  // the failed text is kept
            form->Close();
        }),
    }));
}

TEST_F(RunDialogTest, SuccessClosesAndMinimisesOnlyWhileTheOptionIsChecked) {
    ASSERT_TRUE(main->MinimizeAfterExecuting());
    EXPECT_TRUE(ShowWith({
        Then([&] { Type("\"C:\\Pfad mit Blank\\p.exe\" -q"); }),
        Then([&] { Key(Edit(), VK_RETURN); }),
    }));
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, "C:\\Pfad mit Blank\\p.exe");
    EXPECT_EQ(shell.calls[0].parameters, "-q");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(IsIconic(main->Handle()));

    ShowWindow(main->Handle(), SW_RESTORE);
    SendMessageA(main->Handle(), WM_COMMAND, kOptionsMinimizeAfterExecutingItem, 0);
    ASSERT_FALSE(main->MinimizeAfterExecuting());
    shell.result = 32;  // the smallest success
    EXPECT_TRUE(ShowWith({Then([&] { ClickWithMouse(TExecuteForm::kBokId); })}));
    EXPECT_EQ(shell.calls.size(), 2u);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(IsIconic(main->Handle()));
}

// Processes named `name` whose parent is this test program.
std::set<DWORD> OwnChildren(const char* name) {
    std::set<DWORD> pids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return pids;
    KernelHandle owner(snapshot);
    const std::wstring wideName = Wide(name);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID == GetCurrentProcessId() && _wcsicmp(entry.szExeFile, wideName.c_str()) == 0) {
            pids.insert(entry.th32ProcessID);
        }
    }
    return pids;
}

TEST_F(RunDialogTest, RealShellStartsTheChildProgramWithItsParameter) {
    MakeForm(Application().Shell());
    SendMessageA(main->Handle(), WM_COMMAND, kOptionsMinimizeAfterExecutingItem, 0);
    const std::string child = wintest::SuiteFolder() + VELMORA_TEST_CHILD;

    const std::set<DWORD> before = OwnChildren(VELMORA_TEST_CHILD);
    EXPECT_TRUE(ShowWith({
        Then([&] { Type("\"" + child + "\" 5"); }),
        Then([&] { Key(Edit(), VK_RETURN); }),
    }));
    EXPECT_TRUE(boxes.shown.empty()) << (boxes.shown.empty() ? "" : boxes.shown[0].text);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));

    std::set<DWORD> started;
    wintest::PumpUntil(
        [&] {
            started.clear();
            for (DWORD pid : OwnChildren(VELMORA_TEST_CHILD)) {
                if (!before.count(pid)) started.insert(pid);
            }
            return !started.empty();
        },
        5000);
    ASSERT_EQ(started.size(), 1u);
    KernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, *started.begin()));
    ASSERT_TRUE(process);
    EXPECT_EQ(WaitForSingleObject(process.Get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(TerminateProcess(process.Get(), 1));
    EXPECT_EQ(WaitForSingleObject(process.Get(), 5000), static_cast<DWORD>(WAIT_OBJECT_0));
}

}  // namespace
}  // namespace velmora
