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
// A font as a window asks for it: a face (UTF-8) and either a size in
// points or, where `points` is 0, a character height in pixels at 96 DPI.
struct FontRequest {
    const char* face;
    int points;
    int pixels;
    bool bold = false;
    bool underline = false;
};
// The LOGFONT height of `font` at `dpi`.
int FontHeight(const FontRequest& font, int dpi);
// The program's window font, "MS Sans Serif" 8 pt.
constexpr FontRequest kWindowFont{"MS Sans Serif", 8, 0};

// What the window base asks of a top-level window while it sizes it for a
// DPI. Layout_win.h answers for a real window; the native tests answer with
// a fake.
class IScaledFrame {
public:
    // The DPI the window is laid out for now.
    virtual int Dpi() const = 0;
    virtual LayoutSize OuterSize() const = 0;
    virtual LayoutSize ClientSize() const = 0;
    // What frame, caption and menu bar add around the client area at `dpi`,
    // as the system computes it for that DPI.
    virtual LayoutSize FrameAt(int dpi) const = 0;
    // Resizes the window, keeping its top left corner. The system may move
    // it to a screen of another DPI from inside, and change Dpi().
    virtual void Resize(LayoutSize outer) = 0;

protected:
    ~IScaledFrame() = default;
};

// Resizes `window` until its client area is `designed` (at 96 DPI) scaled
// to the window's DPI, whatever the frame and menu bar take.
void FitClientArea(IScaledFrame& window, LayoutSize designed);

// The outer size a window takes on a screen of `newDpi`: the frame of that
// DPI around a client area of `fixedClient` (at 96 DPI) scaled to it, or,
// where the window has no fixed client area (null), around the one it has
// now carried to that DPI.
LayoutSize ScaledOuterSize(const IScaledFrame& window, int newDpi, const LayoutSize* fixedClient);

}  // namespace velmora
