// Processes whose file names no 8-bit code page holds, and the rows the
// started program shows for them, read from outside as another program
// would.
#include "ChildCopies.h"
#include "ProgramText.h"
#include "StartedProgram.h"

#include "ui/main/MainMenu_win.h"
#include "ui/main/Unit1_win.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace velmora {
namespace {

using wintest::CellText;
using wintest::SameText;
using wintest::StartedProgram;

// Polish, Greek, Japanese, and a character beyond the 16-bit range (a
// surrogate pair in UTF-16).
const char* const kNames[] = {"Łódź-probe.exe", "Ωμέγα-probe.exe", "日本語-probe.exe", "🐢-probe.exe"};

int RowCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

// The PID column, read once: each cell is a round trip into the program.
std::vector<std::wstring> PidColumn(HWND list) {
    std::vector<std::wstring> pids;
    for (int row = 0, count = RowCount(list); row < count; ++row) pids.push_back(CellText(list, row, 1));
    return pids;
}

int RowOfPid(HWND list, DWORD pid) {
    const std::vector<std::wstring> pids = PidColumn(list);
    const auto found = std::find(pids.begin(), pids.end(), std::to_wstring(pid));
    return found == pids.end() ? -1 : static_cast<int>(found - pids.begin());
}

// The name in the row of that process, read again until the row was still
// the process's after the read: refreshes move rows while the test reads.
std::wstring NameOfPid(HWND list, DWORD pid) {
    for (int tries = 0; tries < 5; ++tries) {
        const int row = RowOfPid(list, pid);
        if (row < 0) return L"<no row>";
        std::wstring name = CellText(list, row, 0);
        if (CellText(list, row, 1) == std::to_wstring(pid)) return name;
    }
    return L"<row kept moving>";
}

TEST(StartedProgramNamesTest, ProcessesNamedInAnyScriptShowUnderTheirOwnNamesAndInTheConfirmation) {
    if (!wintest::ProgramMemoryReachable()) GTEST_SKIP() << "the emulated program's memory is out of reach";
    wintest::ChildCopies copies;
    std::vector<DWORD> pids;
    for (const char* name : kNames) {
        const std::wstring path = copies.Copy(Wide(name));
        ASSERT_FALSE(path.empty()) << "cannot copy the child to " << name << " (error " << GetLastError() << ")";
        pids.push_back(copies.Start(path));
        ASSERT_NE(pids.back(), 0u) << "cannot start " << name << " (error " << GetLastError() << ")";
    }

    StartedProgram program;
    HWND list = program.Control(TForm1::kProcessViewId);
    ASSERT_TRUE(list);
    EXPECT_TRUE(StartedProgram::Eventually([&] {
        const std::vector<std::wstring> shown = PidColumn(list);
        return std::all_of(pids.begin(), pids.end(), [&](DWORD pid) {
            return std::find(shown.begin(), shown.end(), std::to_wstring(pid)) != shown.end();
        });
    })) << "not every copy got a row";
    for (std::size_t i = 0; i < pids.size(); ++i) {
        SCOPED_TRACE(kNames[i]);
        EXPECT_TRUE(SameText(NameOfPid(list, pids[i]), kNames[i]));
    }

    // The confirmation quotes the row's name as it is.
    const int row = RowOfPid(list, pids[0]);
    ASSERT_GE(row, 0);
    ASSERT_TRUE(wintest::SelectOnlyRow(list, row));
    program.Choose(kFileFinalizeProcessItem);
    HWND box = nullptr;
    ASSERT_TRUE(StartedProgram::Eventually([&] { return (box = program.VisibleWindow("#32770")) != nullptr; }));
    EXPECT_TRUE(SameText(wintest::CaptionOf(box), "Bestätigen"));
    EXPECT_TRUE(
        SameText(wintest::MessageOf(box), "Sind Sie sicher, dass sie den Prozess \"Łódź-probe.exe\" beenden möchten?"));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
    ASSERT_TRUE(StartedProgram::Eventually([&] { return !IsWindow(box); }));
    Sleep(300);
    EXPECT_GE(RowOfPid(list, pids[0]), 0) << "No ends nothing";
}

}  // namespace
}  // namespace velmora
