// The shipped program as it starts (main window, about and run dialog all
// created), read and driven from this process as another program would.
#include "StartedProgram.h"
#include "Version.h"

#include "base/Wide_win.h"
#include "ui/main/MainMenu_win.h"
#include "ui/main/Unit1_win.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

using wintest::StartedProgram;
using wintest::Topmost;

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Unchecks and checks "Immer im Vordergrund"; the window must follow each
// click, stay so, and stay where it is.
void ToggleTwice(const StartedProgram& program, const char* when) {
    SCOPED_TRACE(when);
    HWND main = program.MainWindow();
    RECT before{}, after{};
    GetWindowRect(main, &before);
    program.Choose(kOptionsAlwaysOnTopItem);
    EXPECT_TRUE(StartedProgram::Eventually([main] { return !Topmost(main); })) << "unchecked: not topmost";
    Sleep(300);
    EXPECT_FALSE(Topmost(main)) << "unchecked, a moment later";
    program.Choose(kOptionsAlwaysOnTopItem);
    EXPECT_TRUE(StartedProgram::Eventually([main] { return Topmost(main); })) << "checked again: topmost";
    Sleep(300);
    EXPECT_TRUE(Topmost(main)) << "checked, a moment later";
    GetWindowRect(main, &after);
    EXPECT_TRUE(SameRect(before, after));
}

// Opens a dialog through its menu item and closes it again.
void OpenAndClose(const StartedProgram& program, int item, const char* className) {
    SCOPED_TRACE(className);
    program.Choose(item);
    HWND dialog = nullptr;
    ASSERT_TRUE(StartedProgram::Eventually([&] { return (dialog = program.VisibleWindow(className)) != nullptr; }));
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(StartedProgram::Eventually([&] { return !IsWindowVisible(dialog); }));
    ASSERT_TRUE(StartedProgram::Eventually([&] { return IsWindowEnabled(program.MainWindow()) != FALSE; }));
}

int RowCount(HWND list) {
    return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

// The row count once it has held still for a second: the session's own
// processes may still be coming or going when the program starts.
int SettledRowCount(HWND list) {
    int count = RowCount(list);
    for (int tries = 0; tries < 60; ++tries) {
        Sleep(1000);
        const int now = RowCount(list);
        if (now == count) break;
        count = now;
    }
    return count;
}

TEST(StartedProgramTest, TheMainWindowAppearsWithItsCaptionAndListsTheRunningProcesses) {
    StartedProgram program;
    EXPECT_EQ(wintest::WindowText(program.MainWindow()), "Velmora");
    EXPECT_TRUE(Topmost(program.MainWindow()));
    HWND list = program.Control(TForm1::kProcessViewId);
    ASSERT_TRUE(list);
    // At least this process, the program itself and Wine's or Windows'
    // own services.
    ASSERT_TRUE(StartedProgram::Eventually([list] { return RowCount(list) >= 3; })) << RowCount(list);

    // A process that starts gets a row; when it ends, the row goes.
    const int before = SettledRowCount(list);
    {
        wintest::ChildProcess child;
        EXPECT_TRUE(StartedProgram::Eventually([&] { return RowCount(list) == before + 1; }))
            << "rows " << RowCount(list) << ", before the child " << before;
    }
    EXPECT_TRUE(StartedProgram::Eventually([&] { return RowCount(list) == before; }))
        << "rows " << RowCount(list) << ", before the child " << before;
}

TEST(StartedProgramTest, AlwaysOnTopFollowsEveryClickWithAndWithoutDialogsInBetween) {
    StartedProgram program;
    EXPECT_TRUE(Topmost(program.MainWindow()));
    ASSERT_TRUE(program.AnyWindow("TInfoForm"));
    ASSERT_TRUE(program.AnyWindow("TExecuteForm"));
    for (int round = 0; round < 3; ++round) ToggleTwice(program, "right after start");

    OpenAndClose(program, kHelpInfoItem, "TInfoForm");
    ToggleTwice(program, "after the about dialog");
    OpenAndClose(program, kFileExecuteItem, "TExecuteForm");
    ToggleTwice(program, "after the run dialog");

    // Unchecked, a dialog in between, then checked again.
    program.Choose(kOptionsAlwaysOnTopItem);
    ASSERT_TRUE(StartedProgram::Eventually([&] { return !Topmost(program.MainWindow()); }));
    OpenAndClose(program, kHelpInfoItem, "TInfoForm");
    EXPECT_FALSE(Topmost(program.MainWindow()));
    program.Choose(kOptionsAlwaysOnTopItem);
    EXPECT_TRUE(StartedProgram::Eventually([&] { return Topmost(program.MainWindow()); }));
}

// Answers the confirmation that Del asks for the first row with No, so that
// nothing is ended.
void ConfirmAndDecline(const StartedProgram& program) {
    HWND list = program.Control(TForm1::kProcessViewId);
    ASSERT_TRUE(list);
    PostMessageA(list, WM_KEYDOWN, VK_HOME, 0);
    ASSERT_TRUE(StartedProgram::Eventually(
        [list] { return SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 0; }));
    program.Choose(kFileFinalizeProcessItem);
    HWND box = nullptr;
    ASSERT_TRUE(StartedProgram::Eventually([&] { return (box = program.VisibleWindow("#32770")) != nullptr; }));
    EXPECT_EQ(wintest::WindowText(box), "Bestätigen");
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
    ASSERT_TRUE(StartedProgram::Eventually([&] { return !IsWindow(box); }));
}

// Shows a dialog through its menu item, reads its topmost state while it is
// shown, and closes it again.
bool TopmostWhenShown(const StartedProgram& program, int item, const char* className) {
    program.Choose(item);
    HWND dialog = nullptr;
    EXPECT_TRUE(StartedProgram::Eventually([&] { return (dialog = program.VisibleWindow(className)) != nullptr; }))
        << className;
    if (!dialog) return false;
    const bool topmost = Topmost(dialog);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(StartedProgram::Eventually([&] { return !IsWindowVisible(dialog); })) << className;
    return topmost;
}

// Dialogs, a confirmation box and the always-on-top option in the order a
// user meets them: the about dialog is on top at every showing; whatever the
// program showed while it stayed on top, once the option is off only the
// about dialog shows above other programs.
TEST(StartedProgramTest, OnceTheMainWindowIsNotOnTopOnlyTheAboutDialogIs) {
    StartedProgram program;
    ASSERT_TRUE(Topmost(program.MainWindow()));
    OpenAndClose(program, kFileExecuteItem, "TExecuteForm");
    ConfirmAndDecline(program);
    EXPECT_TRUE(TopmostWhenShown(program, kHelpInfoItem, "TInfoForm")) << "about dialog, main window on top";

    program.Choose(kOptionsAlwaysOnTopItem);
    ASSERT_TRUE(StartedProgram::Eventually([&] { return !Topmost(program.MainWindow()); }));
    for (int showing = 0; showing < 2; ++showing) {
        SCOPED_TRACE(showing);
        EXPECT_FALSE(TopmostWhenShown(program, kFileExecuteItem, "TExecuteForm")) << "run dialog";
        EXPECT_TRUE(TopmostWhenShown(program, kHelpInfoItem, "TInfoForm")) << "about dialog";
        ConfirmAndDecline(program);  // a box in between changes nothing
    }
    EXPECT_FALSE(Topmost(program.MainWindow()));

    program.Choose(kOptionsAlwaysOnTopItem);
    EXPECT_TRUE(StartedProgram::Eventually([&] { return Topmost(program.MainWindow()); }));
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// A text of the version block, as UTF-8.
std::string VersionString(const std::vector<char>& block, const char* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = L"\\StringFileInfo\\040704E4\\" + Wide(name);
    if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !length) return {};
    return Narrow(value);
}

// The version block users see in the file's properties, read from the
// shipped executable.
TEST(StartedProgramTest, TheExecutableCarriesItsVersionBlock) {
    const std::wstring path = Wide(wintest::ProgramPath());
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(4, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(1, 0));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(3, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(VersionString(block, "FileVersion"), VELMORA_FILE_VERSION_TEXT);
    EXPECT_EQ(VersionString(block, "ProductVersion"), "1.3.0.0");
    for (const char* field : {"FileDescription", "InternalName", "ProductName"}) {
        EXPECT_EQ(VersionString(block, field), "Velmora") << field;
    }
    EXPECT_EQ(VersionString(block, "OriginalFilename"), "Velmora.exe");
    // The resource compiler read the UTF-8 source as UTF-8.
    EXPECT_EQ(VersionString(block, "LegalCopyright"), "© 2026 Die Velmora-Entwickler");
}

}  // namespace
}  // namespace velmora
