// Decoding of PNG pictures held in memory (the icons of the dialogs).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora {

// A decoded picture: rows top-down, each pixel 0xAARRGGBB with the colour
// premultiplied by alpha, i.e. the BGRA byte order of a 32-bit DIB section on
// a little-endian machine, ready for AlphaBlend.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

enum class PngStatus {
    Ok,
    NotPng,       // the signature is missing
    Truncated,    // the data ends before the image end chunk
    BadChunk,     // malformed chunk, chunk in the wrong place, missing palette
    BadCrc,       // a chunk's checksum does not match
    Unsupported,  // valid but not handled here: interlacing, unknown critical chunk
    TooLarge,     // beyond the size limits below
    BadData,      // invalid header values, corrupt or wrongly sized image data
};

// Limits that keep a hostile header from claiming large allocations.
inline constexpr int kMaxPngDimension = 4096;
inline constexpr std::size_t kMaxPngRawBytes = std::size_t{kMaxPngDimension} * (std::size_t{kMaxPngDimension} * 4 + 1);

// Decodes PNG data of any standard colour type and bit depth, not interlaced.
// On failure `out` is left empty.
PngStatus DecodePng(const std::uint8_t* data, std::size_t size, Bitmap& out);

}  // namespace velmora
