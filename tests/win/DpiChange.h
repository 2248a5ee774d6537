// A change of DPI as Windows announces it (WM_DPICHANGED with the new DPI
// and a suggested rectangle), and what the tests read of a window before
// and after: its rectangles, all its controls' rectangles and their fonts.
// Reads only through messages without pointers, so it serves for the
// program started as a process of its own too.
#pragma once

#include <windows.h>

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
bool SameRect(const RECT& a, const RECT& b);

// The window's rectangle at the same top left corner, its size times to / from:
// what Windows suggests when a window moves from a screen of `from` DPI to
// one of `to`.
RECT Suggested(HWND window, int from, int to);
// The rectangle a window takes when asked for `suggested`: no larger than
// the largest window the system allows (the screen and its frame), which
// the session's small screen makes the main window at 144 DPI reach.
RECT Reachable(RECT suggested);
// Sends WM_DPICHANGED as Windows does and returns once it is handled. The
// rectangle travels by pointer, which no system copies into another
// process for this message: for a window of another process it is written
// into that process's memory first. False when that fails.
bool SendDpiChanged(HWND window, int dpi, RECT suggested);

// The DPI to move a window to from the session's own: 144 from 96, 96
// from 144, the two the sessions are set to.
inline int OtherDpi(int dpi) {
    return dpi >= 144 ? 96 : 144;
}

}  // namespace velmora::wintest
