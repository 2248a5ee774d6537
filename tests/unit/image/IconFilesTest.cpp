// The icons the executable carries: the PNGs decode with our own decoder into
// pictures with transparent surroundings, and the icon file holds the two
// 16-colour images the program's window and taskbar use.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "image/Png.h"

namespace velmora {
namespace {

std::string IconPath(const std::string& name) {
    // This file sits in tests/unit/image/ of the source tree.
    std::string path = __FILE__;
    for (int i = 0; i < 4; ++i) path = path.substr(0, path.find_last_of("/\\"));
    return path + "/resources/icons/" + name;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Alpha(const Bitmap& bitmap, int x, int y) {
    return bitmap.pixels[std::size_t(y) * std::size_t(bitmap.width) + std::size_t(x)] >> 24;
}

void ExpectDialogIcon(const std::string& name, int size) {
    SCOPED_TRACE(name);
    const std::vector<std::uint8_t> data = ReadFile(IconPath(name));
    ASSERT_FALSE(data.empty()) << IconPath(name);
    Bitmap bitmap;
    ASSERT_EQ(DecodePng(data.data(), data.size(), bitmap), PngStatus::Ok);
    EXPECT_EQ(bitmap.width, size);
    EXPECT_EQ(bitmap.height, size);

    int clear = 0, partial = 0, opaque = 0;
    for (std::uint32_t pixel : bitmap.pixels) {
        const std::uint32_t a = pixel >> 24;
        a == 0 ? ++clear : a == 255 ? ++opaque : ++partial;
        // Premultiplied: no colour channel can exceed alpha.
        ASSERT_LE((pixel >> 16) & 0xFF, a);
        ASSERT_LE((pixel >> 8) & 0xFF, a);
        ASSERT_LE(pixel & 0xFF, a);
    }
    EXPECT_EQ(Alpha(bitmap, 0, 0), 0u) << "the top left corner shows the background";
    EXPECT_EQ(Alpha(bitmap, size / 2, size / 2), 255u) << "the middle is solid";
    EXPECT_GT(clear, 0);
    EXPECT_GT(opaque, size * size / 3);
    EXPECT_GT(partial, size) << "edges are anti-aliased";
}

TEST(IconFiles, DialogPicturesDecodeWithSoftEdges) {
    ExpectDialogIcon("run48.png", 48);
    ExpectDialogIcon("about32.png", 32);
}

std::uint32_t Le(const std::vector<std::uint8_t>& d, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | d.at(at + std::size_t(i));
    return value;
}

TEST(IconFiles, MainIconHoldsLargeAndSmallSixteenColourImages) {
    const std::vector<std::uint8_t> ico = ReadFile(IconPath("Velmora.ico"));
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(Le(ico, 0, 2), 0u);
    EXPECT_EQ(Le(ico, 2, 2), 1u);  // an icon, not a cursor
    ASSERT_EQ(Le(ico, 4, 2), 2u);

    const int sizes[] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(testing::Message() << "entry " << i);
        const std::size_t entry = 6 + 16 * std::size_t(i);
        const int size = sizes[i];
        EXPECT_EQ(Le(ico, entry, 1), std::uint32_t(size));
        EXPECT_EQ(Le(ico, entry + 1, 1), std::uint32_t(size));
        EXPECT_EQ(Le(ico, entry + 2, 1), 16u);  // colours
        EXPECT_EQ(Le(ico, entry + 6, 2), 4u);   // bits per pixel
        const std::uint32_t length = Le(ico, entry + 8, 4);
        const std::uint32_t offset = Le(ico, entry + 12, 4);
        ASSERT_LE(std::size_t(offset) + length, ico.size());

        // BITMAPINFOHEADER: double height (colours, then mask), 4 bits, 16
        // palette entries, then 4-bit rows and 1-bit mask rows on 4-byte bounds.
        EXPECT_EQ(Le(ico, offset, 4), 40u);
        EXPECT_EQ(Le(ico, offset + 4, 4), std::uint32_t(size));
        EXPECT_EQ(Le(ico, offset + 8, 4), std::uint32_t(2 * size));
        EXPECT_EQ(Le(ico, offset + 14, 2), 4u);
        EXPECT_EQ(Le(ico, offset + 16, 4), 0u);  // uncompressed
        const std::size_t colourRow = (std::size_t(size) * 4 + 31) / 32 * 4;
        const std::size_t maskRow = (std::size_t(size) + 31) / 32 * 4;
        EXPECT_EQ(length, 40 + 16 * 4 + (colourRow + maskRow) * std::size_t(size));
        // The palette's first and last entries are black and white.
        EXPECT_EQ(Le(ico, offset + 40, 4), 0x00000000u);
        EXPECT_EQ(Le(ico, offset + 40 + 15 * 4, 4), 0x00FFFFFFu);
        // The corner pixel (last mask row, stored bottom-up first) is masked
        // out, so the window shape shows on any background.
        const std::size_t mask = offset + 40 + 64 + colourRow * std::size_t(size);
        EXPECT_NE(ico.at(mask + maskRow * std::size_t(size - 1)) & 0x80, 0);
    }
}

}  // namespace
}  // namespace velmora
