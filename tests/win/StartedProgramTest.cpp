// The shipped program as it starts (main window, about and run dialog all
// created), read and driven from this process as another program would.
#include "StartedProgram.h"

#include "ui/main/MainMenu_win.h"

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

TEST(StartedProgramTest, TheAboutDialogIsOnTopAtEveryShowing) {
    StartedProgram program;
    for (int showing = 0; showing < 2; ++showing) {
        program.Choose(kHelpInfoItem);
        HWND info = nullptr;
        ASSERT_TRUE(StartedProgram::Eventually([&] { return (info = program.VisibleWindow("TInfoForm")) != nullptr; }));
        EXPECT_TRUE(Topmost(info)) << showing;
        PostMessageA(info, WM_CLOSE, 0, 0);
        ASSERT_TRUE(StartedProgram::Eventually([&] { return !IsWindowVisible(info); }));
        program.Choose(kOptionsAlwaysOnTopItem);  // unchecked before the second showing
        ASSERT_TRUE(StartedProgram::Eventually([&] { return !Topmost(program.MainWindow()); }));
    }
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

std::string VersionString(const std::vector<char>& block, const char* name) {
    char* value = nullptr;
    UINT length = 0;
    std::string path = std::string("\\StringFileInfo\\040704E4\\") + name;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !length) return {};
    return std::string(value);
}

// The version block users see in the file's properties, read from the
// shipped executable.
TEST(StartedProgramTest, TheExecutableCarriesItsVersionBlock) {
    const std::string path = wintest::ProgramPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(4, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(1, 0));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(3, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(VersionString(block, "FileVersion"), "1.4.0.1");
    EXPECT_EQ(VersionString(block, "ProductVersion"), "1.3.0.0");
    for (const char* field : {"FileDescription", "InternalName", "ProductName"}) {
        EXPECT_EQ(VersionString(block, field), "Velmora") << field;
    }
    EXPECT_EQ(VersionString(block, "OriginalFilename"), "Velmora.exe");
}

}  // namespace
}  // namespace velmora
