// Scaling designed 96-DPI figures to a screen: rounding as Windows rounds,
// anchored controls in parents of any size, and font heights.
#include "ui/app/Layout.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(LayoutScale, RoundsToTheNearestPixelWithHalvesAwayFromZeroAsMulDivDoes) {
    EXPECT_EQ(Scale(1, 144), 2);     // 1.5
    EXPECT_EQ(Scale(3, 144), 5);     // 4.5
    EXPECT_EQ(Scale(83, 144), 125);  // 124.5
    EXPECT_EQ(Scale(5, 120), 6);     // 6.25
    EXPECT_EQ(Scale(3, 120), 4);     // 3.75
    EXPECT_EQ(Scale(-3, 144), -5);   // -4.5
    EXPECT_EQ(Scale(-5, 120), -6);
    for (int value : {0, 1, 7, 417, 9999}) EXPECT_EQ(Scale(value, 96), value);
    EXPECT_EQ(Scale(417, 192), 834);
    // No overflow for large figures at large DPIs.
    EXPECT_EQ(Scale(20000000, 192), 40000000);
}

TEST(LayoutScale, AFailedDpiQueryLaysOutAt96) {
    EXPECT_EQ(UsableDpi(0), 96);
    EXPECT_EQ(UsableDpi(-1), 96);
    EXPECT_EQ(UsableDpi(65535), 96);
    EXPECT_EQ(UsableDpi(120), 120);
    EXPECT_EQ(UsableDpi(480), 480);
}

TEST(LayoutScale, EqualDesignedSizesStayEqualWhereverTheyStart) {
    // Two buttons of 83 px at x = 168 and x = 256: scaling each figure keeps
    // both 125 px wide at 144 DPI, where scaling their edges would not.
    const LayoutRect a = Scale(LayoutRect{168, 403, 83, 25}, 144);
    const LayoutRect b = Scale(LayoutRect{256, 403, 83, 25}, 144);
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.height, b.height);
    EXPECT_EQ(a.top, b.top);
}

// --- Anchors ---------------------------------------------------------------

constexpr LayoutSize kDesignedParent{437, 435};
constexpr DesignedControl kCornerButton{1, {320, 403, 107, 25}, kAnchorRight | kAnchorBottom};

TEST(LayoutAnchors, AnAnchoredControlKeepsItsScaledDistanceToTheRightAndBottomEdges) {
    for (int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        // Parents a little larger and smaller than designed, as the tab
        // control's own metrics leave them, and a window enlarged by the user.
        for (int extra : {-7, 0, 3, 250}) {
            const LayoutSize parent{Scale(437, dpi) + extra, Scale(435, dpi) + extra};
            const LayoutRect r = PlaceControl(kCornerButton, kDesignedParent, parent, dpi);
            EXPECT_EQ(parent.width - r.Right(), Scale(10, dpi));
            EXPECT_EQ(parent.height - r.Bottom(), Scale(7, dpi));
            EXPECT_EQ(r.width, Scale(107, dpi));
            EXPECT_EQ(r.height, Scale(25, dpi));
        }
    }
}

TEST(LayoutAnchors, EachEdgeFollowsOnlyItsOwnAnchorAndUnanchoredControlsStay) {
    const LayoutSize parent{900, 800};
    const DesignedControl list{2, {10, 10, 417, 386}};
    EXPECT_EQ(PlaceControl(list, kDesignedParent, parent, 144), (LayoutRect{15, 15, 626, 579}));
    const DesignedControl right{3, {320, 403, 107, 25}, kAnchorRight};
    EXPECT_EQ(PlaceControl(right, kDesignedParent, parent, 96), (LayoutRect{783, 403, 107, 25}));
    const DesignedControl bottom{4, {320, 403, 107, 25}, kAnchorBottom};
    EXPECT_EQ(PlaceControl(bottom, kDesignedParent, parent, 96), (LayoutRect{320, 768, 107, 25}));
}

// --- Fonts -----------------------------------------------------------------

TEST(LayoutFonts, PointAndPixelHeightsScaleWithTheDpi) {
    // 8 pt is 10.67 px at 96 DPI, 13.33 at 120, 16 at 144, 21.33 at 192.
    EXPECT_EQ(FontHeightForPoints(8, 96), -11);
    EXPECT_EQ(FontHeightForPoints(8, 120), -13);
    EXPECT_EQ(FontHeightForPoints(8, 144), -16);
    EXPECT_EQ(FontHeightForPoints(8, 192), -21);
    EXPECT_EQ(FontHeightForPixels(24, 96), -24);
    EXPECT_EQ(FontHeightForPixels(11, 120), -14);  // 13.75
    EXPECT_EQ(FontHeightForPixels(13, 144), -20);  // 19.5
    EXPECT_EQ(FontHeightForPixels(12, 192), -24);
}

}  // namespace
}  // namespace velmora
