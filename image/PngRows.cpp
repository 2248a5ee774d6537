#include "image/PngRows.h"

#include <cstdlib>
#include <utility>

namespace velmora::png {

int Channels(int colourType) {
    switch (colourType) {
        case kGrey: return 1;
        case kRgb: return 3;
        case kPalette: return 1;
        case kGreyAlpha: return 2;
        case kRgba: return 4;
        default: return 0;
    }
}

bool IsValidDepth(int colourType, int bitDepth) {
    switch (colourType) {
        case kGrey: return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8 || bitDepth == 16;
        case kPalette: return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8;
        case kRgb:
        case kGreyAlpha:
        case kRgba: return bitDepth == 8 || bitDepth == 16;
        default: return false;
    }
}

std::size_t RowBytes(const Header& header) {
    const std::size_t bits =
        std::size_t(header.width) * std::size_t(Channels(header.colourType)) * std::size_t(header.bitDepth);
    return (bits + 7) / 8;
}

int FilterStride(const Header& header) {
    const int bits = Channels(header.colourType) * header.bitDepth;
    return bits < 8 ? 1 : bits / 8;
}

namespace {

std::uint8_t Paeth(int left, int up, int upLeft) {
    const int estimate = left + up - upLeft;
    const int toLeft = std::abs(estimate - left);
    const int toUp = std::abs(estimate - up);
    const int toUpLeft = std::abs(estimate - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft) return std::uint8_t(left);
    if (toUp <= toUpLeft) return std::uint8_t(up);
    return std::uint8_t(upLeft);
}

}  // namespace

bool Unfilter(std::uint8_t* rows, std::size_t rowBytes, int height, int bytesPerPixel) {
    const std::size_t stride = std::size_t(bytesPerPixel);
    const std::uint8_t* previous = nullptr;  // the row above, none for the first
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = rows + std::size_t(y) * (rowBytes + 1);
        const int filter = row[0];
        std::uint8_t* cur = row + 1;
        for (std::size_t i = 0; i < rowBytes; ++i) {
            const int left = i >= stride ? cur[i - stride] : 0;
            const int up = previous ? previous[i] : 0;
            const int upLeft = previous && i >= stride ? previous[i - stride] : 0;
            switch (filter) {
                case 0: break;
                case 1: cur[i] = std::uint8_t(cur[i] + left); break;
                case 2: cur[i] = std::uint8_t(cur[i] + up); break;
                case 3: cur[i] = std::uint8_t(cur[i] + (left + up) / 2); break;
                case 4: cur[i] = std::uint8_t(cur[i] + Paeth(left, up, upLeft)); break;
                default: return false;
            }
        }
        previous = cur;
    }
    return true;
}

namespace {

// The index-th sample of a row at the given bit depth; samples narrower than
// a byte are packed from the most significant bit down.
unsigned Sample(const std::uint8_t* row, std::size_t index, int bitDepth) {
    if (bitDepth == 16) return unsigned(row[2 * index]) << 8 | row[2 * index + 1];
    if (bitDepth == 8) return row[index];
    const std::size_t bit = index * std::size_t(bitDepth);
    const int shift = 8 - bitDepth - int(bit % 8);
    return (row[bit / 8] >> shift) & ((1u << bitDepth) - 1);
}

// Scales a sample to 0..255. Sub-byte grey spreads over the full range so
// that the largest value is white.
std::uint32_t To8(unsigned sample, int bitDepth) {
    if (bitDepth == 16) return sample >> 8;
    if (bitDepth == 8) return sample;
    return sample * 255 / ((1u << bitDepth) - 1);
}

std::uint32_t Premultiply(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    // (x * a + 127) / 255 rounds x * a / 255 to nearest: 255 is odd, so no ties.
    r = (r * a + 127) / 255;
    g = (g * a + 127) / 255;
    b = (b * a + 127) / 255;
    return a << 24 | r << 16 | g << 8 | b;
}

std::uint32_t PremultiplyArgb(std::uint32_t argb) {
    return Premultiply(argb >> 24, (argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

}  // namespace

PngStatus ExpandRows(const std::uint8_t* rows, const Header& header, const Colours& colours, Bitmap& out) {
    const std::size_t rowBytes = RowBytes(header);
    const int depth = header.bitDepth;
    const int channels = Channels(header.colourType);

    std::uint32_t palette[256] = {};
    for (int i = 0; i < colours.paletteSize; ++i) palette[i] = PremultiplyArgb(colours.palette[i]);

    Bitmap result;
    result.width = header.width;
    result.height = header.height;
    result.pixels.resize(std::size_t(header.width) * std::size_t(header.height));

    std::uint32_t* pixel = result.pixels.data();
    for (int y = 0; y < header.height; ++y) {
        const std::uint8_t* row = rows + std::size_t(y) * (rowBytes + 1) + 1;
        for (int x = 0; x < header.width; ++x, ++pixel) {
            const std::size_t first = std::size_t(x) * std::size_t(channels);
            unsigned s[4] = {};
            for (int c = 0; c < channels; ++c) s[c] = Sample(row, first + std::size_t(c), depth);

            switch (header.colourType) {
                case kGrey: {
                    const bool clear = colours.hasKey && s[0] == colours.key[0];
                    const std::uint32_t v = To8(s[0], depth);
                    *pixel = clear ? 0 : Premultiply(255, v, v, v);
                    break;
                }
                case kRgb: {
                    const bool clear =
                        colours.hasKey && s[0] == colours.key[0] && s[1] == colours.key[1] && s[2] == colours.key[2];
                    *pixel = clear ? 0 : Premultiply(255, To8(s[0], depth), To8(s[1], depth), To8(s[2], depth));
                    break;
                }
                case kPalette:
                    if (int(s[0]) >= colours.paletteSize) return PngStatus::BadData;
                    *pixel = palette[s[0]];
                    break;
                case kGreyAlpha: {
                    const std::uint32_t v = To8(s[0], depth);
                    *pixel = Premultiply(To8(s[1], depth), v, v, v);
                    break;
                }
                case kRgba:
                    *pixel = Premultiply(To8(s[3], depth), To8(s[0], depth), To8(s[1], depth), To8(s[2], depth));
                    break;
                default: return PngStatus::BadData;
            }
        }
    }
    out = std::move(result);
    return PngStatus::Ok;
}

}  // namespace velmora::png
