// Reading a window's menus and timer from outside, as a user or another
// program sees them: the menu bar, a context menu opened for real, and when
// the window's timer ticks.
#pragma once

#include <windows.h>

#include <string>

namespace velmora::wintest {

// The state of the item `id` in `menu` or any of its submenus, as
// GetMenuState reports it; (UINT)-1 when the item is not in the menu.
UINT MenuItemState(HMENU menu, int id);
inline bool MenuShown(HMENU menu, int id) {
    return MenuItemState(menu, id) != static_cast<UINT>(-1);
}
inline bool MenuChecked(HMENU menu, int id) {
    const UINT state = MenuItemState(menu, id);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED);
}
inline bool MenuEnabled(HMENU menu, int id) {
    const UINT state = MenuItemState(menu, id);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}
// The item's text as UTF-8, without the shortcut written after a tab.
std::string MenuCaption(HMENU menu, int id);

// Opens the context menu `window` shows for `control` (WM_CONTEXTMENU), as
// a right click does, and closes it again; returns the menu that was open.
// The window keeps the menu, so its items can be read afterwards.
HMENU OpenContextMenu(HWND window, HWND control);

// Dispatches the thread's messages until `window` receives a WM_TIMER, for
// at most `ms`; returns the milliseconds that took, or -1 when none came.
long MsUntilTimer(HWND window, DWORD ms);

// Takes the quit request that destroying the program's main window posts;
// true when there was one. A test whose main window goes takes it, so that
// the loops that run afterwards are not ended by it.
bool TakeQuitMessage();

}  // namespace velmora::wintest
