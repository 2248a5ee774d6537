// Internal to the PNG decoder: what the chunk reader gathers from the header
// and colour chunks, and the row stage that turns inflated data into pixels.
#pragma once

#include <cstddef>
#include <cstdint>

#include "image/Png.h"

namespace velmora::png {

enum ColourType : int {
    kGrey = 0,
    kRgb = 2,
    kPalette = 3,
    kGreyAlpha = 4,
    kRgba = 6,
};

struct Header {
    int width = 0;
    int height = 0;
    int bitDepth = 0;
    int colourType = 0;
};

struct Colours {
    std::uint32_t palette[256] = {};  // straight (not premultiplied) 0xAARRGGBB
    int paletteSize = 0;
    // tRNS for grey and RGB images: the one sample value that is transparent,
    // compared at the image's own bit depth.
    bool hasKey = false;
    std::uint16_t key[3] = {};
};

// Samples per pixel for a colour type, 0 for an invalid type.
int Channels(int colourType);

// Whether the bit depth is one the format allows for the colour type.
bool IsValidDepth(int colourType, int bitDepth);

// Bytes of one row of pixel data, without the leading filter type byte.
std::size_t RowBytes(const Header& header);

// Reverses the row filters in place. `rows` holds `height` rows, each a
// filter type byte and `rowBytes` data bytes. False on an unknown filter type.
bool Unfilter(std::uint8_t* rows, std::size_t rowBytes, int height, int bytesPerPixel);

// Distance in bytes between a byte and the same byte of the pixel before it.
int FilterStride(const Header& header);

// Turns unfiltered rows into premultiplied pixels.
PngStatus ExpandRows(const std::uint8_t* rows, const Header& header, const Colours& colours, Bitmap& out);

}  // namespace velmora::png
