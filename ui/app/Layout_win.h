// Windows built from pixel tables given at 96 DPI and scaled to the screen.
#pragma once

#include "base/Handles_win.h"

#include <windows.h>

#include <vector>

namespace velmora {

enum Anchor : unsigned {
    kAnchorLeftTop = 0,
    kAnchorRight = 1,   // keeps its distance to the parent's right edge
    kAnchorBottom = 2,  // keeps its distance to the parent's bottom edge
};

struct ControlSpec {
    int id;
    const char* className;
    const char* caption;
    int x, y, width, height;  // at 96 DPI, in the parent's client area
    DWORD style;
    DWORD exStyle = 0;
    unsigned anchors = kAnchorLeftTop;
};

// The screen's logical DPI (the program is DPI aware, so this is the real one).
int ScreenDpi();
inline int Scale(int value, int dpi) {
    return MulDiv(value, dpi, 96);
}

// A font of the given face whose character height is `pixels` at 96 DPI.
FontHandle MakeFont(const char* face, int pixels, int dpi, bool bold = false, bool underline = false);
// "MS Sans Serif", 8 point: the program's window font.
FontHandle MakeWindowFont(int dpi);

// Creates one control from its table row, scaled to `dpi`, with `font`.
HWND CreateControl(HWND parent, const ControlSpec& entry, int dpi, HFONT font);

// Keeps anchored controls at the distance to the right and bottom edges of
// their parent that they have in the designed layout, whatever size the
// parent has at start and later.
class AnchorLayout {
public:
    // `designedParent` is the parent's client size the control's place was
    // designed for (scaled to the screen).
    void Add(HWND control, unsigned anchors, SIZE designedParent);
    void ParentResized(HWND parent);

private:
    struct Item {
        HWND control;
        unsigned anchors;
        RECT designed;  // its place in a parent of the designed size
        SIZE designedParent;
    };
    std::vector<Item> items_;
};

}  // namespace velmora
