// Scaling designed 96-DPI figures to a screen: rounding as Windows rounds,
// anchored controls in parents of any size, and font heights.
#include "ui/app/Layout.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(LayoutScale, RoundsToTheNearestPixelWithHalvesAwayFromZeroAsMulDivDoes) {
    EXPECT_EQ(Scale(1, 144), 2);     // 1.5
    EXPECT_EQ(Scale(83, 144), 125);  // 124.5
    EXPECT_EQ(Scale(3, 120), 4);     // 3.75
    EXPECT_EQ(Scale(5, 120), 6);     // 6.25
    EXPECT_EQ(Scale(-3, 144), -5);   // -4.5
    EXPECT_EQ(Scale(417, 96), 417);
    EXPECT_EQ(Scale(20000000, 192), 40000000);  // no overflow
    EXPECT_EQ(UsableDpi(0), 96);                // a failed query
    EXPECT_EQ(UsableDpi(120), 120);
}

// Widths the user set move with the window from screen to screen; those the
// user left alone stay the table's figures at every DPI, both ways.
TEST(LayoutRescale, WidthsCarriedBetweenScreensLandOnTheTableAndDoNotDrift) {
    for (int width : {197, 50, 75, 230, 167}) {
        for (int from : {96, 120, 144, 192}) {
            for (int to : {96, 120, 144, 192}) {
                EXPECT_EQ(Rescale(Scale(width, from), from, to), Scale(width, to))
                    << width << " " << from << "->" << to;
            }
        }
    }
    // Dragged to 301 px at 144 DPI: 201 at 96, then 302 at 144, and from
    // there on the same two figures however often the window moves.
    int width = Rescale(301, 144, 96);
    EXPECT_EQ(width, 201);
    width = Rescale(width, 96, 144);
    EXPECT_EQ(width, 302);
    for (int i = 0; i < 10; ++i) {
        width = Rescale(Rescale(width, 144, 120), 120, 144);
    }
    EXPECT_EQ(width, 302);
    EXPECT_EQ(Rescale(0, 144, 96), 0);  // a column the user closed stays closed
}

// The distance to an anchored edge is scaled as a figure of its own: the
// difference of scaled places would be a pixel short at 120 DPI.
TEST(LayoutAnchors, AnAnchoredControlKeepsItsScaledDistanceToTheRightAndBottomEdges) {
    const DesignedControl button{1, {320, 403, 107, 25}, kAnchorRight | kAnchorBottom};
    for (int dpi : {96, 120, 144, 192}) {
        // Parents a little smaller and larger than designed, as the tab
        // control's metrics leave them, and one enlarged by the user.
        for (int extra : {-7, 0, 3, 250}) {
            SCOPED_TRACE(testing::Message() << dpi << " DPI, parent " << extra << " px larger");
            const LayoutSize parent{Scale(437, dpi) + extra, Scale(435, dpi) + extra};
            const LayoutRect r = PlaceControl(button, {437, 435}, parent, dpi);
            EXPECT_EQ(parent.width - r.Right(), Scale(10, dpi));
            EXPECT_EQ(parent.height - r.Bottom(), Scale(7, dpi));
            EXPECT_EQ(r.width, Scale(107, dpi));
            EXPECT_EQ(r.height, Scale(25, dpi));
        }
    }
    const DesignedControl rightOnly{2, {320, 403, 107, 25}, kAnchorRight};
    EXPECT_EQ(PlaceControl(rightOnly, {437, 435}, {900, 800}, 96), (LayoutRect{783, 403, 107, 25}));
}

TEST(LayoutFonts, PointAndPixelHeightsScaleWithTheDpi) {
    // 8 pt is 10.67 px at 96 DPI, 13.33 at 120, 16 at 144, 21.33 at 192.
    EXPECT_EQ(FontHeightForPoints(8, 96), -11);
    EXPECT_EQ(FontHeightForPoints(8, 120), -13);
    EXPECT_EQ(FontHeightForPoints(8, 144), -16);
    EXPECT_EQ(FontHeightForPoints(8, 192), -21);
    EXPECT_EQ(FontHeightForPixels(11, 120), -14);  // 13.75
    EXPECT_EQ(FontHeightForPixels(13, 144), -20);  // 19.5
}

}  // namespace
}  // namespace velmora
