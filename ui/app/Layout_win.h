// Windows built from pixel tables given at 96 DPI (Layout.h) and laid out
// for the DPI of the screen they are on.
#pragma once

#include "base/Handles_win.h"
#include "ui/app/Layout.h"

#include <windows.h>

#include <cstddef>
#include <string>

namespace velmora {

// What a control is; where it goes comes from the window's layout table.
// Class name and caption are UTF-8.
struct ControlKind {
    int id;
    const char* className;
    const char* caption;
    DWORD style;
    DWORD exStyle = 0;
};

// The entry of `kinds` for the control `id`, or null.
template <std::size_t N>
const ControlKind* FindKind(const ControlKind (&kinds)[N], int id) {
    for (const ControlKind& kind : kinds) {
        if (kind.id == id) return &kind;
    }
    return nullptr;
}

// The system's DPI: that of the primary screen when the program started.
int ScreenDpi();
// The DPI of the screen that shows `point`, where the system tells it per
// screen (Windows 8.1 and later), else the system's.
int DpiAt(POINT point);
// The DPI `window` is drawn at: the window's own where the system keeps one
// (Windows 10 1607 and later), else that of its screen, else the system's.
int WindowDpi(HWND window);

// The one way fonts are made: `font` at `dpi`.
FontHandle MakeFont(const FontRequest& font, int dpi);
// The program's window font (kWindowFont) at `dpi`.
inline FontHandle MakeWindowFont(int dpi) {
    return MakeFont(kWindowFont, dpi);
}
// The size `text` (UTF-8) takes in `font` as `control` draws it: on one
// line, or wrapped at `wrapWidth` pixels when that is above 0.
LayoutSize TextExtent(HWND control, HFONT font, const std::string& text, int wrapWidth = 0);
// Puts `replacement` (or, where that is empty, `standIn`) on every control
// inside `window` that shows `held`, and only then frees `held` and keeps
// `replacement` in its place: no control is ever left with a freed font.
void ReplaceFont(HWND window, FontHandle& held, FontHandle replacement, HFONT standIn = nullptr);

// Creates one control at `place` with `font`.
HWND CreateControl(HWND parent, const ControlKind& entry, const LayoutRect& place, HFONT font);
void MoveControl(HWND control, const LayoutRect& place);

// What frame, caption and menu bar (a one-line one, where `menu`) of a
// window of `style` add around its client area at `dpi`: the system's
// figures for that DPI where it computes them per DPI (Windows 10 1607 and
// later), else for the system's DPI.
LayoutSize FrameSize(DWORD style, DWORD exStyle, bool menu, int dpi);

}  // namespace velmora
