// A change of DPI as Windows announces it (WM_DPICHANGED with the new DPI
// and a suggested rectangle), and what the tests read of a window before
// and after. Reads through messages without pointers only, so it serves for
// the program started as a process of its own too.
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

// Tells `window` (of this process or another) that it moved from a screen
// of `dpi` to one of `other`, suggesting its rectangle with the size scaled
// as Windows does, and back with its first rectangle. It must take the
// suggested rectangle (as far as the largest window the system allows
// reaches: the sessions' screen is small), free the fonts it used before
// (checked where the fonts are this process's), and at the end have every
// rectangle it had before. `atOther` checks it in between.
void ThereAndBack(HWND window, int dpi, int other, const std::function<void(const WindowShot& there)>& atOther);

// The designed controls of the main window, the run dialog or the about
// dialog (told by its class) where `dpi` puts them.
void ExpectDesignedLayout(HWND window, int dpi);

}  // namespace velmora::wintest
