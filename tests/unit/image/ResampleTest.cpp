// Scaling the dialogs' icons for the screen's DPI: sizes, identity, flat
// colours and alpha kept, soft edges instead of doubled pixels. Every source
// is a vector of exactly its size, so the sanitizer sees any read beyond it.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "image/Resample.h"

namespace velmora {
namespace {

constexpr std::uint32_t kOpaqueBlack = 0xFF000000;
constexpr std::uint32_t kOpaqueWhite = 0xFFFFFFFF;

Bitmap Scale(const std::vector<std::uint32_t>& pixels, int width, int height, int toWidth, int toHeight) {
    return Resample(pixels.data(), width, height, toWidth, toHeight);
}

// A premultiplied pixel from straight colour and alpha.
std::uint32_t Premultiplied(std::uint32_t alpha, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return alpha << 24 | (r * alpha / 255) << 16 | (g * alpha / 255) << 8 | (b * alpha / 255);
}

// Some valid premultiplied pixels, the same on every run.
std::vector<std::uint32_t> Noise(int count) {
    std::vector<std::uint32_t> pixels;
    std::uint32_t state = 12345;
    for (int i = 0; i < count; ++i) {
        state = state * 1103515245u + 12345u;
        pixels.push_back(Premultiplied(state >> 24, (state >> 16) & 255, (state >> 8) & 255, state & 255));
    }
    return pixels;
}

std::uint32_t Channel(std::uint32_t pixel, int shift) {
    return (pixel >> shift) & 0xFF;
}

TEST(Resample, GivesTheAskedSizeOrNothing) {
    const std::vector<std::uint32_t> icon = Noise(48 * 48);
    for (int to : {1, 24, 37, 48, 60, 72, 84, 96}) {
        const Bitmap out = Scale(icon, 48, 48, to, to + 1);
        EXPECT_EQ(out.width, to);
        EXPECT_EQ(out.height, to + 1);
        EXPECT_EQ(out.pixels.size(), std::size_t(to) * std::size_t(to + 1));
    }
    EXPECT_TRUE(Scale(icon, 48, 48, 0, 48).pixels.empty());
    EXPECT_TRUE(Scale(icon, 48, 48, 48, -1).pixels.empty());
    EXPECT_TRUE(Scale(icon, 48, 48, kMaxPngDimension + 1, 48).pixels.empty());
    EXPECT_TRUE(Resample(nullptr, 48, 48, 72, 72).pixels.empty());
    EXPECT_EQ(Scale(icon, 48, 48, 0, 48).width, 0);
}

TEST(Resample, SameSizeGivesTheSamePixels) {
    const std::vector<std::uint32_t> pixels = Noise(32 * 20);
    EXPECT_EQ(Scale(pixels, 32, 20, 32, 20).pixels, pixels);
}

// Every size from 1 to 12 on each axis, up and down, from sources of 1 to 9
// pixels a side: no read outside the source, no colour above alpha.
TEST(Resample, StaysInsideTheSourceAndPremultipliedAtEverySize) {
    for (int width = 1; width <= 9; ++width) {
        for (int height = 1; height <= 9; height += 4) {
            const std::vector<std::uint32_t> pixels = Noise(width * height);
            for (int toWidth = 1; toWidth <= 12; ++toWidth) {
                for (int toHeight = 1; toHeight <= 12; toHeight += 5) {
                    for (std::uint32_t p : Scale(pixels, width, height, toWidth, toHeight).pixels) {
                        ASSERT_LE(Channel(p, 16), p >> 24);
                        ASSERT_LE(Channel(p, 8), p >> 24);
                        ASSERT_LE(Channel(p, 0), p >> 24);
                    }
                }
            }
        }
    }
}

TEST(Resample, FlatColourAndAlphaStayFlat) {
    for (std::uint32_t colour : {kOpaqueWhite, Premultiplied(128, 200, 100, 50), std::uint32_t{0}}) {
        const std::vector<std::uint32_t> pixels(48 * 32, colour);
        for (int to : {16, 31, 40, 60, 72, 84, 96}) {
            const Bitmap out = Scale(pixels, 48, 32, to, to);
            EXPECT_EQ(std::set<std::uint32_t>(out.pixels.begin(), out.pixels.end()), std::set<std::uint32_t>{colour})
                << std::hex << colour << std::dec << " at " << to;
        }
    }
}

// Black and white halves at 150 %: a nearest-pixel stretch would keep only
// 0 and 255; the smoothed row passes through grey, never backwards.
TEST(Resample, SharpEdgeGetsIntermediateValuesAt150Percent) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) pixels.push_back(x < 4 ? kOpaqueBlack : kOpaqueWhite);
    }
    const Bitmap out = Scale(pixels, 8, 8, 12, 12);
    for (int y = 0; y < 12; ++y) {
        const std::uint32_t* row = out.pixels.data() + y * 12;
        EXPECT_EQ(row[0], kOpaqueBlack);
        EXPECT_EQ(row[11], kOpaqueWhite);
        int grey = 0;
        for (int x = 0; x < 12; ++x) {
            EXPECT_EQ(row[x] >> 24, 255u) << "opaque stays opaque";
            if (x > 0) {
                EXPECT_GE(Channel(row[x], 8), Channel(row[x - 1], 8));
            }
            grey += Channel(row[x], 8) > 0 && Channel(row[x], 8) < 255;
        }
        EXPECT_GE(grey, 1) << "row " << y;
    }
}

// Opaque white beside transparent: the soft edge is white at partial
// alpha, not grey, because the transparent pixels bring no colour.
TEST(Resample, EdgeAgainstTransparencyDoesNotDarken) {
    std::vector<std::uint32_t> pixels;
    for (int i = 0; i < 6 * 6; ++i) pixels.push_back(i % 6 < 3 ? kOpaqueWhite : 0u);
    for (int to : {5, 8, 9}) {
        int partial = 0;
        for (std::uint32_t p : Scale(pixels, 6, 6, to, to).pixels) {
            const std::uint32_t alpha = p >> 24;
            EXPECT_EQ(p, alpha << 24 | alpha << 16 | alpha << 8 | alpha);
            partial += alpha > 0 && alpha < 255;
        }
        EXPECT_GT(partial, 0) << "at " << to;
    }
}

// Shrinking averages the covered area: halving takes the mean of each
// 2 x 2 block; a third of a pixel's share counts a third.
TEST(Resample, ShrinkingAveragesTheCoveredArea) {
    const std::vector<std::uint32_t> checker = {kOpaqueWhite, 0u, 0u, kOpaqueWhite};
    EXPECT_EQ(Scale(checker, 2, 2, 1, 1).pixels, std::vector<std::uint32_t>{0x80808080});
    // 0, 90, 180 across three pixels into two: (0 * 2 + 90) / 3 and (90 + 180 * 2) / 3.
    const std::vector<std::uint32_t> ramp = {0xFF000000, 0xFF5A5A5A, 0xFFB4B4B4};
    EXPECT_EQ(Scale(ramp, 3, 1, 2, 1).pixels, (std::vector<std::uint32_t>{0xFF1E1E1E, 0xFF969696}));
}

}  // namespace
}  // namespace velmora
