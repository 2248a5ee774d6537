// A change of DPI as Windows announces it (WM_GETDPISCALEDSIZE for the size
// at the new DPI, then WM_DPICHANGED with the new DPI and a rectangle of
// that size), and what the tests read of a window before and after. Reads
// through messages without pointers only, so it serves for the program
// started as a process of its own too.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace velmora::wintest {

struct WindowShot {
    RECT window{};
    RECT client{};
    std::vector<HWND> controls;  // every descendant, in the system's order
    std::vector<RECT> places;    // each in the top-level window's client area
    std::vector<HFONT> fonts;    // WM_GETFONT of each
};
WindowShot Shoot(HWND window);

// The DPI to move a window to from the session's own: 144 from 96, 96
// from 144, the two the sessions are set to.
inline int OtherDpi(int dpi) {
    return dpi >= 144 ? 96 : 144;
}

// The outer size of the main window, the run dialog or the about dialog
// (told by its class) at its designed client size at `dpi`: the system's
// frame for that DPI around it.
SIZE DesignedOuterSize(HWND window, int dpi);

// Tells `window` (of this process or another) that it moved from a screen
// of `dpi` to one of `other`, as Windows does: it must answer the size it
// wants there with its designed outer size at `other` (it is at its
// designed size at `dpi`), and then take the rectangle of that size. Then
// back, the same way. It must free the fonts it used before (checked where
// the fonts are this process's), and at the end have every rectangle it had
// before. `atOther` checks it in between.
void ThereAndBack(HWND window, int dpi, int other, const std::function<void(const WindowShot& there)>& atOther);

// Sends WM_DPICHANGED for `dpi` with `suggested` to `window` of this
// process or another; false where the other process is out of reach.
bool SendDpiChanged(HWND window, int dpi, RECT suggested);

// Every control of the main window, the run dialog or the about dialog
// (told by its class) where `dpi` puts it: each designed figure times
// DPI / 96, exactly; measured are only the client area the frame leaves,
// the pages the tab control's header leaves, and the sizes of controls that
// take their text's size. A control of the window that no table knows fails.
void ExpectDesignedLayout(HWND window, int dpi);

}  // namespace velmora::wintest
