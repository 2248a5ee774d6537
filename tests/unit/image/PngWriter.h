// A small PNG writer for the decoder tests: builds pictures chunk by chunk so
// that each test can choose filters, split the image data or break the file
// in exactly the place it means to.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::test {

using Bytes = std::vector<std::uint8_t>;

struct Chunk {
    std::string type;
    Bytes data;
};

// Filter type per row: 0..4, or kCycleFilters for row y using filter y % 5.
inline constexpr int kCycleFilters = -1;

struct PngSpec {
    int width = 1;
    int height = 1;
    int bitDepth = 8;
    int colourType = 6;
    Bytes rows;  // unfiltered, packed sample bytes, no filter bytes
    int filter = 0;
    Bytes palette;       // PLTE body, empty for none
    Bytes transparency;  // tRNS body, empty for none
    int idatPieces = 1;  // how many IDAT chunks the compressed data is split into
};

inline PngSpec Picture(int width, int height, int bitDepth, int colourType) {
    PngSpec picture;
    picture.width = width;
    picture.height = height;
    picture.bitDepth = bitDepth;
    picture.colourType = colourType;
    return picture;
}

Bytes Be32(std::uint32_t value);
Bytes HeaderBody(std::uint32_t width, std::uint32_t height, int bitDepth, int colourType, int interlace = 0,
                 int compression = 0, int filterMethod = 0);

// Bytes of one row without the filter byte.
std::size_t PackedRowBytes(int width, int bitDepth, int colourType);

// Prefixes each row with its filter type byte and applies the filter.
Bytes FilterRows(const Bytes& rows, std::size_t rowBytes, int bytesPerPixel, int filter);

Bytes Deflate(const Bytes& data);

// The chunk list of a complete picture: IHDR, PLTE, tRNS, IDAT..., IEND.
std::vector<Chunk> BuildChunks(const PngSpec& picture);

// Signature plus the chunks with correct lengths and checksums.
Bytes Assemble(const std::vector<Chunk>& chunks);
Bytes EncodePng(const PngSpec& picture);

// Rewrites the checksum of every chunk that lies wholly inside the data, so
// that edits get past the checksum test to the code behind it.
void FixChecksums(Bytes& png);

// Offset of the first chunk of the given type (its length field), or -1.
long FindChunk(const Bytes& png, const std::string& type);

}  // namespace velmora::test
