// Placing a picture inside the box of its control.
#include <gtest/gtest.h>

#include "image/Placement.h"

namespace velmora {
namespace {

void ExpectRect(const PixelRect& r, int left, int top, int width, int height) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

TEST(PlaceImage, ExactBoxTakesThePictureAsIs) {
    ExpectRect(PlaceImage({5, 4, 48, 48}, 48, 48), 5, 4, 48, 48);
}

TEST(PlaceImage, LargerBoxCentresAtNaturalSize) {
    // A 48-pixel icon in its box scaled to 144 DPI.
    ExpectRect(PlaceImage({8, 6, 72, 72}, 48, 48), 20, 18, 48, 48);
    // An odd leftover goes right and below.
    ExpectRect(PlaceImage({0, 0, 33, 34}, 32, 32), 0, 1, 32, 32);
}

TEST(PlaceImage, SmallerBoxScalesDownKeepingProportions) {
    ExpectRect(PlaceImage({0, 0, 24, 24}, 48, 48), 0, 0, 24, 24);
    ExpectRect(PlaceImage({0, 0, 30, 100}, 60, 30), 0, 42, 30, 15);
    ExpectRect(PlaceImage({10, 10, 100, 20}, 40, 80), 55, 10, 10, 20);
    // Extreme proportions never collapse to nothing.
    ExpectRect(PlaceImage({0, 0, 1, 1}, 4096, 1), 0, 0, 1, 1);
}

TEST(PlaceImage, EmptyBoxOrPictureDrawsNothing) {
    ExpectRect(PlaceImage({3, 4, 0, 10}, 16, 16), 3, 4, 0, 0);
    ExpectRect(PlaceImage({3, 4, 10, -1}, 16, 16), 3, 4, 0, 0);
    ExpectRect(PlaceImage({3, 4, 10, 10}, 0, 16), 3, 4, 0, 0);
}

}  // namespace
}  // namespace velmora
