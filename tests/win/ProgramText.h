// What the started program shows, read from outside through the wide entry
// points: window texts, list view cells and columns, tab captions, combo box
// entries and menus. The tests' own texts are UTF-8 literals, converted to
// UTF-16 once and compared unit by unit with what the controls hold.
#pragma once

#include "base/Wide_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace velmora::wintest {

// Equal texts, or a failure that shows both as text and the shown one as
// UTF-16 units, so that a letter narrowed to another ("L" for "Ł") or a
// replacement ("?") is plain to see.
testing::AssertionResult SameText(const std::wstring& shown, const std::wstring& expected);
inline testing::AssertionResult SameText(const std::wstring& shown, std::string_view expectedUtf8) {
    return SameText(shown, Wide(expectedUtf8));
}

// The caption of a top-level window, as its frame shows it (GetWindowTextW).
std::wstring CaptionOf(HWND window);
// A control's text, asked of the control itself with WM_GETTEXT, which the
// system carries across processes. GetWindowTextW would answer for another
// process's control with the caption stored at its creation, which an edit
// field never updates.
std::wstring TextOf(HWND control);
// The longest text among the static children of a message box: its message.
std::wstring MessageOf(HWND box);
// An entry of a combo box's list (CB_GETLBTEXT, also carried across).
std::wstring ComboEntry(HWND combo, int index);

// False where the program runs under emulation: its memory, which list
// views, tab controls and menus need for their texts, is then out of reach.
bool ProgramMemoryReachable();

// List view and tab control texts of a control in another process of the
// same bitness, through a buffer in that process.
std::wstring CellText(HWND listView, int row, int column);
std::wstring ColumnText(HWND listView, int column);
std::wstring TabText(HWND tabControl, int index);
// Selects exactly that row of a list view in another process.
bool SelectOnlyRow(HWND listView, int row);

// A menu item as the menu shows it: its depth below the menu bar (0 for the
// bar's own items) and its text, "-" for a separator.
struct ShownMenuItem {
    int depth;
    std::wstring text;
};
// Every item of a window's menu bar and its submenus, in menu order, read
// inside the window's process by the menu reader library (a hook that this
// process sets on the window's thread: menus are readable only there).
std::vector<ShownMenuItem> MenuOf(HWND window);

}  // namespace velmora::wintest
