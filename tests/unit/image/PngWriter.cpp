#include "PngWriter.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace velmora::test {

namespace {

const std::uint8_t kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};

int ChannelCount(int colourType) {
    switch (colourType) {
        case 2: return 3;
        case 4: return 2;
        case 6: return 4;
        default: return 1;
    }
}

std::uint8_t PaethPredictor(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return std::uint8_t(a);
    return pb <= pc ? std::uint8_t(b) : std::uint8_t(c);
}

std::uint32_t ChunkCrc(const std::uint8_t* typeAndData, std::size_t length) {
    return std::uint32_t(crc32(crc32(0, nullptr, 0), typeAndData, uInt(length)));
}

std::uint32_t ReadBe32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

}  // namespace

Bytes Be32(std::uint32_t value) {
    return {std::uint8_t(value >> 24), std::uint8_t(value >> 16), std::uint8_t(value >> 8), std::uint8_t(value)};
}

Bytes HeaderBody(std::uint32_t width, std::uint32_t height, int bitDepth, int colourType, int interlace,
                 int compression, int filterMethod) {
    Bytes body = Be32(width);
    const Bytes h = Be32(height);
    body.insert(body.end(), h.begin(), h.end());
    body.push_back(std::uint8_t(bitDepth));
    body.push_back(std::uint8_t(colourType));
    body.push_back(std::uint8_t(compression));
    body.push_back(std::uint8_t(filterMethod));
    body.push_back(std::uint8_t(interlace));
    return body;
}

std::size_t PackedRowBytes(int width, int bitDepth, int colourType) {
    return (std::size_t(width) * ChannelCount(colourType) * bitDepth + 7) / 8;
}

Bytes FilterRows(const Bytes& rows, std::size_t rowBytes, int bytesPerPixel, int filter) {
    const std::size_t height = rowBytes ? rows.size() / rowBytes : 0;
    const std::size_t bpp = std::size_t(bytesPerPixel);
    Bytes out;
    for (std::size_t y = 0; y < height; ++y) {
        const int type = filter == kCycleFilters ? int(y % 5) : filter;
        const std::uint8_t* cur = rows.data() + y * rowBytes;
        const std::uint8_t* up = y > 0 ? cur - rowBytes : nullptr;
        out.push_back(std::uint8_t(type));
        for (std::size_t i = 0; i < rowBytes; ++i) {
            const int a = i >= bpp ? cur[i - bpp] : 0;
            const int b = up ? up[i] : 0;
            const int c = up && i >= bpp ? up[i - bpp] : 0;
            int predicted = 0;
            switch (type) {
                case 1: predicted = a; break;
                case 2: predicted = b; break;
                case 3: predicted = (a + b) / 2; break;
                case 4: predicted = PaethPredictor(a, b, c); break;
                default: break;
            }
            out.push_back(std::uint8_t(cur[i] - predicted));
        }
    }
    return out;
}

Bytes Deflate(const Bytes& data) {
    uLongf size = compressBound(uLong(data.size()));
    Bytes out(size);
    if (compress2(out.data(), &size, data.data(), uLong(data.size()), 9) != Z_OK)
        throw std::runtime_error("compress2 failed");
    out.resize(size);
    return out;
}

std::vector<Chunk> BuildChunks(const PngSpec& picture) {
    std::vector<Chunk> chunks;
    chunks.push_back({"IHDR", HeaderBody(picture.width, picture.height, picture.bitDepth, picture.colourType)});
    if (!picture.palette.empty()) chunks.push_back({"PLTE", picture.palette});
    if (!picture.transparency.empty()) chunks.push_back({"tRNS", picture.transparency});

    const int bitsPerPixel = ChannelCount(picture.colourType) * picture.bitDepth;
    const int bpp = bitsPerPixel < 8 ? 1 : bitsPerPixel / 8;
    const std::size_t rowBytes = PackedRowBytes(picture.width, picture.bitDepth, picture.colourType);
    const Bytes packed = Deflate(FilterRows(picture.rows, rowBytes, bpp, picture.filter));

    const std::size_t pieces = std::size_t(picture.idatPieces < 1 ? 1 : picture.idatPieces);
    for (std::size_t i = 0; i < pieces; ++i) {
        const std::size_t begin = packed.size() * i / pieces;
        const std::size_t end = packed.size() * (i + 1) / pieces;
        chunks.push_back({"IDAT", Bytes(packed.begin() + long(begin), packed.begin() + long(end))});
    }
    chunks.push_back({"IEND", {}});
    return chunks;
}

Bytes Assemble(const std::vector<Chunk>& chunks) {
    Bytes png(kSignature, kSignature + 8);
    for (const Chunk& chunk : chunks) {
        const Bytes length = Be32(std::uint32_t(chunk.data.size()));
        png.insert(png.end(), length.begin(), length.end());
        const std::size_t typeAt = png.size();
        png.insert(png.end(), chunk.type.begin(), chunk.type.end());
        png.insert(png.end(), chunk.data.begin(), chunk.data.end());
        const Bytes crc = Be32(ChunkCrc(png.data() + typeAt, png.size() - typeAt));
        png.insert(png.end(), crc.begin(), crc.end());
    }
    return png;
}

Bytes EncodePng(const PngSpec& picture) {
    return Assemble(BuildChunks(picture));
}

void FixChecksums(Bytes& png) {
    std::size_t pos = 8;
    while (pos + 12 <= png.size()) {
        const std::uint32_t length = ReadBe32(png.data() + pos);
        if (length > png.size() - pos - 12) return;
        const Bytes crc = Be32(ChunkCrc(png.data() + pos + 4, std::size_t(length) + 4));
        std::copy(crc.begin(), crc.end(), png.begin() + long(pos + 8 + length));
        pos += std::size_t(length) + 12;
    }
}

long FindChunk(const Bytes& png, const std::string& type) {
    std::size_t pos = 8;
    while (pos + 12 <= png.size()) {
        const std::uint32_t length = ReadBe32(png.data() + pos);
        if (std::string(png.begin() + long(pos + 4), png.begin() + long(pos + 8)) == type) return long(pos);
        if (length > png.size() - pos - 12) return -1;
        pos += std::size_t(length) + 12;
    }
    return -1;
}

}  // namespace velmora::test
