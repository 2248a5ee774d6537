// The program as started, sent to the taskbar and back: while minimised its
// list stands still; when it comes back, the list is the process table by
// the time the restoring message returns.
#include "ProgramText.h"
#include "StartedProgram.h"

#include "ui/main/MainMenu_win.h"
#include "ui/main/Unit1_win.h"
#include "ui/run/Execute_win.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <map>
#include <optional>
#include <string>

namespace velmora {
namespace {

using wintest::StartedProgram;
using ProcessNames = std::map<DWORD, std::wstring>;

int RowCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

// The system's process table as the program lists it: its first entry is
// skipped.
ProcessNames ProcessTable() {
    ProcessNames table;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    if (Process32FirstW(snapshot, &entry)) {
        while (Process32NextW(snapshot, &entry)) table[entry.th32ProcessID] = entry.szExeFile;
    }
    CloseHandle(snapshot);
    return table;
}

// The rows' identifiers and names; nullopt where the program's memory,
// which a list view's texts need, is out of reach.
std::optional<ProcessNames> Rows(HWND list) {
    if (!wintest::ProgramMemoryReachable()) return std::nullopt;
    ProcessNames rows;
    for (int row = 0, count = RowCount(list); row < count; ++row) {
        rows[static_cast<DWORD>(std::wcstoul(wintest::CellText(list, row, 1).c_str(), nullptr, 10))] =
            wintest::CellText(list, row, 0);
    }
    return rows;
}

// Starts the test child through the run dialog; a successful start sends
// the application to the taskbar. Returns the child's identifier, 0 if
// none appeared.
DWORD StartFromRunDialog(const StartedProgram& program) {
    const ProcessNames before = ProcessTable();
    program.Choose(kFileExecuteItem);
    HWND dialog = nullptr;
    EXPECT_TRUE(StartedProgram::Eventually([&] { return (dialog = program.VisibleWindow("TExecuteForm")) != nullptr; }));
    if (!dialog) return 0;
    HWND box = wintest::Child(dialog, TExecuteForm::kEdtId);
    const std::string path = "\"" + wintest::SuiteFolder() + VELMORA_TEST_CHILD + "\" 60";
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(path).c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(TExecuteForm::kBokId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(wintest::Child(dialog, TExecuteForm::kBokId)));
    DWORD child = 0;
    StartedProgram::Eventually([&] {
        for (const auto& [pid, name] : ProcessTable()) {
            if (!before.count(pid) && name.find(L"velmora_test_child") != std::wstring::npos) child = pid;
        }
        return child != 0;
    });
    return child;
}

// Minimised, a started child and an ended one leave the list as it was for
// longer than two ticks at normal speed; `restore` brings the window back,
// and by the time it returns the rows are the process table.
void WhileMinimised(const StartedProgram& program, const char* how, WPARAM restore) {
    SCOPED_TRACE(how);
    HWND main = program.MainWindow();
    HWND list = program.Control(TForm1::kProcessViewId);
    ASSERT_TRUE(StartedProgram::Eventually([main] { return IsIconic(main) != FALSE; }));
    const int shown = RowCount(list);
    {
        wintest::ChildProcess started;
        Sleep(2500);
        EXPECT_EQ(RowCount(list), shown) << "a child started while minimised";
        SendMessageW(main, WM_SYSCOMMAND, restore, 0);
        const ProcessNames table = ProcessTable();
        ASSERT_FALSE(IsIconic(main));
        EXPECT_EQ(RowCount(list), static_cast<int>(table.size()));
        if (const auto rows = Rows(list)) {
            EXPECT_EQ(*rows, table);
            EXPECT_TRUE(rows->count(started.Pid()));
        }
    }
}

TEST(StartedProgramTest, MinimisedTheListStandsStillAndComingBackShowsTheProcessTableAtOnce) {
    StartedProgram program;
    HWND main = program.MainWindow();
    HWND list = program.Control(TForm1::kProcessViewId);
    ASSERT_TRUE(list);
    ASSERT_TRUE(StartedProgram::Eventually([list] { return RowCount(list) >= 3; }));

    {
        // A child the list shows, which ends while the window is minimised.
        wintest::ChildProcess ending;
        ASSERT_TRUE(StartedProgram::Eventually([&] {
            const auto rows = Rows(list);
            return rows ? rows->count(ending.Pid()) == 1 : RowCount(list) > 3;
        }));
        PostMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        ASSERT_TRUE(StartedProgram::Eventually([main] { return IsIconic(main) != FALSE; }));
        TerminateProcess(ending.Process(), 0);
        WaitForSingleObject(ending.Process(), 10000);
        WhileMinimised(program, "caption button, back to normal", SC_RESTORE);
    }

    const DWORD child = StartFromRunDialog(program);
    ASSERT_NE(child, 0u) << "the run dialog started nothing";
    WhileMinimised(program, "run dialog, back to normal", SC_RESTORE);
    HANDLE started = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, child);
    ASSERT_TRUE(started);
    TerminateProcess(started, 0);
    WaitForSingleObject(started, 10000);
    CloseHandle(started);

    PostMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    WhileMinimised(program, "caption button, back maximised", SC_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(main));
}

}  // namespace
}  // namespace velmora
