#include "ui/app/Layout.h"

namespace velmora {

// No screen has fewer than 24 DPI or more than 24 times 96; a value outside
// that range is a failed query, not a screen.
int UsableDpi(int dpi) {
    return dpi >= 24 && dpi <= 24 * kDesignDpi ? dpi : kDesignDpi;
}

int Scale(int value, int dpi) {
    return MulDivRounded(value, dpi, kDesignDpi);
}

int Rescale(int pixels, int fromDpi, int toDpi) {
    return Scale(MulDivRounded(pixels, kDesignDpi, UsableDpi(fromDpi)), toDpi);
}

LayoutSize Scale(const LayoutSize& size, int dpi) {
    return {Scale(size.width, dpi), Scale(size.height, dpi)};
}

// Each figure scales on its own, so that equal designed sizes stay equal on
// every screen (the right edge may differ by a pixel from the scaled sum).
LayoutRect Scale(const LayoutRect& rect, int dpi) {
    return {Scale(rect.left, dpi), Scale(rect.top, dpi), Scale(rect.width, dpi), Scale(rect.height, dpi)};
}

// The distance to an anchored edge is scaled as a figure of its own, not
// taken as the difference of scaled places, so it is the same number of
// pixels whatever the parent's size.
LayoutRect PlaceControl(const DesignedControl& control, LayoutSize designedParent, LayoutSize parent, int dpi) {
    LayoutRect place = Scale(control.rect, dpi);
    if (control.anchors & kAnchorRight) {
        place.left = parent.width - Scale(designedParent.width - control.rect.Right(), dpi) - place.width;
    }
    if (control.anchors & kAnchorBottom) {
        place.top = parent.height - Scale(designedParent.height - control.rect.Bottom(), dpi) - place.height;
    }
    return place;
}

int FontHeightForPoints(int points, int dpi) {
    return -MulDivRounded(points, dpi, 72);
}

int FontHeightForPixels(int pixels, int dpi) {
    return -Scale(pixels, dpi);
}

}  // namespace velmora
