// The arithmetic of layouts designed at 96 DPI: scaling a designed figure to
// a screen's DPI, the places of anchored controls in a parent of any size,
// and font heights. Portable, so that it is tested natively; Layout_win.h
// turns its results into windows and fonts.
#pragma once

#include "base/Geometry.h"

namespace velmora {

enum Anchor : unsigned {
    kAnchorLeftTop = 0,
    kAnchorRight = 1,   // keeps its distance to the parent's right edge
    kAnchorBottom = 2,  // keeps its distance to the parent's bottom edge
};

struct LayoutSize {
    int width = 0;
    int height = 0;
};

using LayoutRect = PixelRect;

inline bool operator==(const LayoutSize& a, const LayoutSize& b) {
    return a.width == b.width && a.height == b.height;
}

// A control's place in its parent as designed at 96 DPI.
struct DesignedControl {
    int id;
    LayoutRect rect;
    unsigned anchors = kAnchorLeftTop;
};

// The DPI to lay out for: the one the system reported, or 96 when it
// reported none (0 or nonsense).
int UsableDpi(int dpi);

// A figure designed at 96 DPI on a screen of `dpi`, rounded to the nearest
// pixel, halves away from zero.
int Scale(int value, int dpi);
LayoutSize Scale(const LayoutSize& size, int dpi);
LayoutRect Scale(const LayoutRect& rect, int dpi);

// A size the user chose on a screen of `fromDpi` (a column width dragged to
// taste), carried to a screen of `toDpi` through its 96-DPI figure. A size
// that came from a table at `fromDpi` >= 96 comes back to that table's
// figure exactly, so moving between screens never drifts.
int Rescale(int pixels, int fromDpi, int toDpi);

// Where `control` goes in a parent whose client area is `parent` (pixels at
// `dpi`) when the control was designed in a parent of `designedParent` (at
// 96 DPI). Its size is the scaled designed size; an anchored edge keeps the
// scaled designed distance to the parent's right or bottom edge.
LayoutRect PlaceControl(const DesignedControl& control, LayoutSize designedParent, LayoutSize parent, int dpi);

// LOGFONT heights (negative: the character height, internal leading not
// counted) of a font of `points` and of one of `pixels` at 96 DPI.
int FontHeightForPoints(int points, int dpi);
int FontHeightForPixels(int pixels, int dpi);
// The program's window font, "MS Sans Serif" 8 pt.
constexpr int kWindowFontPoints = 8;

}  // namespace velmora
