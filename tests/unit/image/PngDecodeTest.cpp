// Decoding of well-formed pictures: exact pixels for every colour type and
// bit depth, premultiplication, every row filter, split image data.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "PngWriter.h"
#include "image/Png.h"
#include "tests/unit/image/PngStatusText.h"

namespace velmora {
namespace {

using test::Bytes;
using test::PngSpec;

Bitmap DecodeOk(const Bytes& png) {
    Bitmap bitmap;
    const PngStatus status = DecodePng(png.data(), png.size(), bitmap);
    EXPECT_EQ(status, PngStatus::Ok) << PngStatusText(status);
    return bitmap;
}

std::vector<std::uint32_t> Pixels(const PngSpec& picture) {
    return DecodeOk(EncodePng(picture)).pixels;
}

using P = std::vector<std::uint32_t>;

TEST(PngColourTypes, Rgba8IsPremultipliedAndTopDown) {
    PngSpec picture = test::Picture(2, 2, 8, 6);
    picture.rows = {255, 0,   0,  255, 0,   255, 0,   128,  //
                    200, 100, 50, 128, 255, 255, 255, 0};
    const Bitmap bitmap = DecodeOk(EncodePng(picture));
    EXPECT_EQ(bitmap.width, 2);
    EXPECT_EQ(bitmap.height, 2);
    // 200 * 128 / 255 = 100.4, 100 * 128 / 255 = 50.2, 50 * 128 / 255 = 25.1
    EXPECT_EQ(bitmap.pixels, (P{0xFFFF0000, 0x80008000, 0x80643219, 0x00000000}));
}

TEST(PngColourTypes, PremultiplyRoundsToNearest) {
    PngSpec picture = test::Picture(3, 1, 8, 6);
    // 255 * 1 / 255 = 1; 128 * 1 / 255 = 0.502 -> 1; 127 * 1 / 255 = 0.498 -> 0
    picture.rows = {255, 128, 127, 1, 1, 2, 3, 254, 0, 0, 0, 255};
    EXPECT_EQ(Pixels(picture), (P{0x01010100, 0xFE010203, 0xFF000000}));
}

TEST(PngColourTypes, RgbIsOpaque) {
    PngSpec picture = test::Picture(3, 1, 8, 2);
    picture.rows = {1, 2, 3, 255, 255, 255, 0, 0, 0};
    EXPECT_EQ(Pixels(picture), (P{0xFF010203, 0xFFFFFFFF, 0xFF000000}));
}

TEST(PngColourTypes, SixteenBitSamplesKeepTheirHighByte) {
    PngSpec rgba = test::Picture(1, 1, 16, 6);
    rgba.rows = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xFF, 0xFF};
    EXPECT_EQ(Pixels(rgba), (P{0xFF12569A}));

    PngSpec rgb = test::Picture(1, 1, 16, 2);
    rgb.rows = {0xAB, 0x00, 0xCD, 0xFF, 0x01, 0x80};
    EXPECT_EQ(Pixels(rgb), (P{0xFFABCD01}));

    PngSpec grey = test::Picture(2, 1, 16, 0);
    grey.rows = {0x12, 0x34, 0xFF, 0xFF};
    EXPECT_EQ(Pixels(grey), (P{0xFF121212, 0xFFFFFFFF}));

    PngSpec greyAlpha = test::Picture(1, 1, 16, 4);
    greyAlpha.rows = {0xC8, 0x00, 0x80, 0x00};  // grey 200, alpha 128
    EXPECT_EQ(Pixels(greyAlpha), (P{0x80646464}));
}

TEST(PngColourTypes, GreyDepthsSpreadOverTheFullRange) {
    PngSpec grey8 = test::Picture(2, 1, 8, 0);
    grey8.rows = {0x40, 0xFF};
    EXPECT_EQ(Pixels(grey8), (P{0xFF404040, 0xFFFFFFFF}));

    // Five 2-bit samples 0,1,2,3,2 fill a byte and two bits of the next.
    PngSpec grey2 = test::Picture(5, 1, 2, 0);
    grey2.rows = {0b00011011, 0b10000000};
    EXPECT_EQ(Pixels(grey2), (P{0xFF000000, 0xFF555555, 0xFFAAAAAA, 0xFFFFFFFF, 0xFFAAAAAA}));

    PngSpec grey4 = test::Picture(3, 1, 4, 0);
    grey4.rows = {0x0F, 0x70};
    EXPECT_EQ(Pixels(grey4), (P{0xFF000000, 0xFFFFFFFF, 0xFF777777}));

    // Rows of nine 1-bit samples: the padding bits of each row are ignored.
    PngSpec grey1 = test::Picture(9, 2, 1, 0);
    grey1.rows = {0b10100000, 0b11111111, 0b01011111, 0b00000000};
    const P b = {0xFF000000}, w = {0xFFFFFFFF};
    P expected;
    for (int bit : {1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 1, 0, 1, 1, 1, 1, 1, 0}) expected.push_back(bit ? w[0] : b[0]);
    EXPECT_EQ(Pixels(grey1), expected);
}

TEST(PngColourTypes, GreyAlphaIsPremultiplied) {
    PngSpec picture = test::Picture(2, 1, 8, 4);
    picture.rows = {200, 128, 90, 0};
    EXPECT_EQ(Pixels(picture), (P{0x80646464, 0x00000000}));
}

TEST(PngPalette, EntriesTakeTheirAlphaFromTransparency) {
    PngSpec picture = test::Picture(4, 1, 4, 3);
    picture.palette = {255, 0, 0, 0, 255, 0, 200, 100, 50};
    picture.transparency = {0, 128};  // the third entry stays opaque
    picture.rows = {0x01, 0x22};
    EXPECT_EQ(Pixels(picture), (P{0x00000000, 0x80008000, 0xFFC86432, 0xFFC86432}));
}

TEST(PngPalette, PacksSubByteIndices) {
    PngSpec picture = test::Picture(10, 1, 1, 3);
    picture.palette = {0, 0, 0, 10, 20, 30};
    picture.rows = {0b01100000, 0b01000000};
    const std::uint32_t k = 0xFF000000, c = 0xFF0A141E;
    EXPECT_EQ(Pixels(picture), (P{k, c, c, k, k, k, k, k, k, c}));

    PngSpec eight = test::Picture(2, 1, 8, 3);
    eight.palette.assign(256 * 3, 7);
    eight.palette[255 * 3] = 9;
    eight.rows = {0, 255};
    EXPECT_EQ(Pixels(eight), (P{0xFF070707, 0xFF090707}));
}

TEST(PngColourKey, MatchingGreySampleIsTransparent) {
    PngSpec picture = test::Picture(3, 1, 8, 0);
    picture.transparency = {0, 0x40};
    picture.rows = {0x40, 0x41, 0x00};
    EXPECT_EQ(Pixels(picture), (P{0x00000000, 0xFF414141, 0xFF000000}));
}

TEST(PngColourKey, ComparesAtTheImageDepth) {
    // Both samples scale to 0x12 in 8 bits, only the exact one is keyed out.
    PngSpec picture = test::Picture(2, 1, 16, 0);
    picture.transparency = {0x12, 0x34};
    picture.rows = {0x12, 0x34, 0x12, 0x35};
    EXPECT_EQ(Pixels(picture), (P{0x00000000, 0xFF121212}));
}

TEST(PngColourKey, RgbNeedsAllThreeSamplesToMatch) {
    PngSpec picture = test::Picture(3, 1, 8, 2);
    picture.transparency = {0, 1, 0, 2, 0, 3};
    picture.rows = {1, 2, 3, 1, 2, 4, 9, 2, 3};
    EXPECT_EQ(Pixels(picture), (P{0x00000000, 0xFF010204, 0xFF090203}));
}

TEST(PngColourKey, KeyBeyondTheDepthMatchesNothing) {
    PngSpec picture = test::Picture(2, 1, 2, 0);
    picture.transparency = {0x01, 0x03};  // 259 cannot occur in a 2-bit image
    picture.rows = {0b11110000};
    EXPECT_EQ(Pixels(picture), (P{0xFFFFFFFF, 0xFFFFFFFF}));
}

// Every filter type over random data must give back exactly the unfiltered
// pixels, for each distance between a byte and its left neighbour.
TEST(PngFilters, EveryFilterRestoresTheRowsOfEveryLayout) {
    struct Layout {
        int depth, colourType;
    };
    const Layout layouts[] = {{8, 6}, {8, 2}, {8, 0}, {8, 4}, {2, 0}, {16, 6}, {16, 2}, {4, 3}};
    std::mt19937 random(1234);
    for (const Layout& layout : layouts) {
        PngSpec picture = test::Picture(13, 7, layout.depth, layout.colourType);
        if (layout.colourType == 3)
            for (int i = 0; i < 16 * 3; ++i) picture.palette.push_back(std::uint8_t(random()));
        const std::size_t rowBytes = test::PackedRowBytes(picture.width, picture.bitDepth, picture.colourType);
        for (std::size_t i = 0; i < rowBytes * std::size_t(picture.height); ++i)
            picture.rows.push_back(std::uint8_t(random()));

        picture.filter = 0;
        const P reference = Pixels(picture);
        for (int filter : {1, 2, 3, 4, test::kCycleFilters}) {
            SCOPED_TRACE(testing::Message()
                         << "depth " << layout.depth << " colour type " << layout.colourType << " filter " << filter);
            picture.filter = filter;
            EXPECT_EQ(Pixels(picture), reference);
        }
    }
}

TEST(PngFilters, RandomRgbaMatchesIndependentPremultiply) {
    std::mt19937 random(99);
    PngSpec picture = test::Picture(17, 11, 8, 6);
    for (int i = 0; i < 17 * 11 * 4; ++i) picture.rows.push_back(std::uint8_t(random()));
    picture.filter = test::kCycleFilters;
    const P pixels = Pixels(picture);
    ASSERT_EQ(pixels.size(), 17u * 11u);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint8_t* s = &picture.rows[i * 4];
        auto scaled = [&](int c) { return std::uint32_t(std::lround(c * s[3] / 255.0)); };
        const std::uint32_t expected =
            std::uint32_t(s[3]) << 24 | scaled(s[0]) << 16 | scaled(s[1]) << 8 | scaled(s[2]);
        ASSERT_EQ(pixels[i], expected) << "pixel " << i;
    }
}

TEST(PngChunks, ImageDataMaySpreadOverManyChunks) {
    PngSpec picture = test::Picture(6, 5, 8, 6);
    for (int i = 0; i < 6 * 5 * 4; ++i) picture.rows.push_back(std::uint8_t(i * 7));
    picture.filter = test::kCycleFilters;
    const P reference = Pixels(picture);
    // More pieces than compressed bytes also yields empty IDAT chunks.
    for (int pieces = 2; pieces <= 200; pieces += pieces < 20 ? 1 : 60) {
        picture.idatPieces = pieces;
        EXPECT_EQ(Pixels(picture), reference) << pieces << " pieces";
    }
}

TEST(PngChunks, AncillaryChunksAndSuggestedPalettesAreSkipped) {
    PngSpec picture = test::Picture(1, 1, 8, 2);
    picture.rows = {10, 20, 30};
    picture.palette = {1, 2, 3};  // only a suggestion in a true-colour image
    std::vector<test::Chunk> chunks = test::BuildChunks(picture);
    chunks.insert(chunks.begin() + 1, {"tEXt", {'a', 0, 'b'}});
    chunks.insert(chunks.end() - 1, {"zzZz", {1, 2, 3, 4}});
    EXPECT_EQ(DecodeOk(test::Assemble(chunks)).pixels, (P{0xFF0A141E}));
}

TEST(PngChunks, BytesAfterTheEndChunkAreIgnored) {
    PngSpec picture = test::Picture(1, 1, 8, 0);
    picture.rows = {0x80};
    Bytes png = EncodePng(picture);
    png.insert(png.end(), {0xDE, 0xAD, 0xBE, 0xEF});
    EXPECT_EQ(DecodeOk(png).pixels, (P{0xFF808080}));
}

TEST(PngLimits, LargestAllowedSideDecodes) {
    PngSpec picture = test::Picture(4096, 2, 8, 0);
    picture.rows.assign(4096 * 2, 0x33);
    const Bitmap bitmap = DecodeOk(EncodePng(picture));
    EXPECT_EQ(bitmap.width, 4096);
    EXPECT_EQ(bitmap.pixels.size(), 4096u * 2u);
    EXPECT_EQ(bitmap.pixels.back(), 0xFF333333u);
}

}  // namespace
}  // namespace velmora
