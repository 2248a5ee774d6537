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

// The frame is measured rather than computed: the computation knows no menu
// bar that wraps onto a second line. The target is taken anew in each
// round, because the system moves a window that a resize takes onto a
// screen of another DPI there from inside the resize; the rounds after a
// resize catch that and a menu bar that the resize made wrap or unwrap.
void FitClientArea(IScaledFrame& window, LayoutSize designed) {
    constexpr int kRounds = 4;
    for (int round = 0; round < kRounds; ++round) {
        const LayoutSize target = Scale(designed, window.Dpi());
        const LayoutSize client = window.ClientSize();
        if (client == target) return;
        const LayoutSize outer = window.OuterSize();
        window.Resize({outer.width + target.width - client.width, outer.height + target.height - client.height});
    }
}

// Scaling the outer size as a whole would scale the frame too, whose
// caption, menu bar and borders round on their own: the client area would
// land a pixel or two off. The client area of a sizeable window is what the
// frame of its present DPI leaves of its outer size, carried through its
// 96-DPI figure, so that a window at its designed size lands on its designed
// size at the new DPI and comes back to its first size on the way back,
// also where the system draws the frame at another DPI than the window's.
LayoutSize ScaledOuterSize(const IScaledFrame& window, int newDpi, const LayoutSize* fixedClient) {
    const int dpi = UsableDpi(newDpi);
    const LayoutSize frame = window.FrameAt(dpi);
    LayoutSize client;
    if (fixedClient) {
        client = Scale(*fixedClient, dpi);
    } else {
        const LayoutSize outer = window.OuterSize();
        const LayoutSize oldFrame = window.FrameAt(window.Dpi());
        client = {Rescale(outer.width - oldFrame.width, window.Dpi(), dpi),
                  Rescale(outer.height - oldFrame.height, window.Dpi(), dpi)};
    }
    return {client.width + frame.width, client.height + frame.height};
}

int FontHeightForPoints(int points, int dpi) {
    return -MulDivRounded(points, dpi, 72);
}

int FontHeightForPixels(int pixels, int dpi) {
    return -Scale(pixels, dpi);
}

int FontHeight(const FontRequest& font, int dpi) {
    return font.points > 0 ? FontHeightForPoints(font.points, dpi) : FontHeightForPixels(font.pixels, dpi);
}

}  // namespace velmora
