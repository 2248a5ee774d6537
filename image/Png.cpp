#include "image/Png.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "image/PngRows.h"

namespace velmora {

namespace {

using png::Colours;
using png::Header;

constexpr std::uint8_t kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
constexpr std::uint32_t kMaxChunkLength = 0x7FFFFFFF;
// First step of the inflate buffer; it grows by doubling up to the exact
// size the header asks for, so memory follows the data actually present.
constexpr std::size_t kFirstRawStep = 64 * 1024;

constexpr std::uint32_t ChunkType(const char (&name)[5]) {
    return std::uint32_t(std::uint8_t(name[0])) << 24 | std::uint32_t(std::uint8_t(name[1])) << 16 |
           std::uint32_t(std::uint8_t(name[2])) << 8 | std::uint32_t(std::uint8_t(name[3]));
}

constexpr std::uint32_t kIhdr = ChunkType("IHDR");
constexpr std::uint32_t kPlte = ChunkType("PLTE");
constexpr std::uint32_t kTrns = ChunkType("tRNS");
constexpr std::uint32_t kIdat = ChunkType("IDAT");
constexpr std::uint32_t kIend = ChunkType("IEND");

std::uint32_t ReadBe32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

std::uint16_t ReadBe16(const std::uint8_t* p) {
    return std::uint16_t(p[0] << 8 | p[1]);
}

bool IsLetter(std::uint8_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Bit 5 of the first type byte clear (upper case) marks a chunk a decoder
// must understand.
bool IsCritical(std::uint32_t type) {
    return (type & 0x20000000u) == 0;
}

// Owns a zlib inflate stream from the first image data chunk to the end.
class Inflater {
public:
    Inflater() = default;
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;
    ~Inflater() {
        if (started_) inflateEnd(&stream_);
    }

    bool Start() {
        std::memset(&stream_, 0, sizeof stream_);
        started_ = inflateInit(&stream_) == Z_OK;
        return started_;
    }
    bool Started() const { return started_; }
    z_stream& Stream() { return stream_; }

private:
    z_stream stream_{};
    bool started_ = false;
};

class Decoder {
public:
    PngStatus Run(const std::uint8_t* data, std::size_t size, Bitmap& out);

private:
    PngStatus OnHeader(const std::uint8_t* body, std::uint32_t length);
    PngStatus OnPalette(const std::uint8_t* body, std::uint32_t length);
    PngStatus OnTransparency(const std::uint8_t* body, std::uint32_t length);
    PngStatus OnImageData(const std::uint8_t* body, std::uint32_t length);
    PngStatus Finish(Bitmap& out);

    Header header_;
    Colours colours_;
    std::size_t expected_ = 0;  // inflated size: every row with its filter byte
    bool seenHeader_ = false;
    bool seenPalette_ = false;
    bool seenTransparency_ = false;
    enum { kBeforeData, kInData, kAfterData } dataState_ = kBeforeData;

    Inflater inflater_;
    std::vector<std::uint8_t> raw_;
    std::size_t produced_ = 0;
    bool streamEnded_ = false;
};

PngStatus Decoder::Run(const std::uint8_t* data, std::size_t size, Bitmap& out) {
    if (data == nullptr || size < sizeof kSignature) {
        const bool prefix = data != nullptr && size > 0 && std::memcmp(data, kSignature, size) == 0;
        return prefix ? PngStatus::Truncated : PngStatus::NotPng;
    }
    if (std::memcmp(data, kSignature, sizeof kSignature) != 0) return PngStatus::NotPng;

    std::size_t pos = sizeof kSignature;
    for (;;) {
        if (size - pos < 8) return PngStatus::Truncated;
        const std::uint32_t length = ReadBe32(data + pos);
        const std::uint8_t* typeBytes = data + pos + 4;
        if (length > kMaxChunkLength) return PngStatus::BadChunk;
        if (!std::all_of(typeBytes, typeBytes + 4, IsLetter)) return PngStatus::BadChunk;
        if (size - pos - 8 < std::size_t(length) + 4) return PngStatus::Truncated;

        const std::uint8_t* body = typeBytes + 4;
        const uLong crc = crc32(crc32(0, nullptr, 0), typeBytes, uInt(length) + 4);
        if (crc != ReadBe32(body + length)) return PngStatus::BadCrc;
        pos += std::size_t(length) + 12;

        const std::uint32_t type = ReadBe32(typeBytes);
        if (!seenHeader_ && type != kIhdr) return PngStatus::BadChunk;
        if (dataState_ == kInData && type != kIdat) dataState_ = kAfterData;

        PngStatus status = PngStatus::Ok;
        if (type == kIhdr) {
            status = OnHeader(body, length);
        } else if (type == kPlte) {
            status = OnPalette(body, length);
        } else if (type == kTrns) {
            status = OnTransparency(body, length);
        } else if (type == kIdat) {
            status = OnImageData(body, length);
        } else if (type == kIend) {
            return length == 0 ? Finish(out) : PngStatus::BadChunk;
        } else if (IsCritical(type)) {
            status = PngStatus::Unsupported;
        }
        if (status != PngStatus::Ok) return status;
    }
}

PngStatus Decoder::OnHeader(const std::uint8_t* body, std::uint32_t length) {
    if (seenHeader_ || length != 13) return PngStatus::BadChunk;
    seenHeader_ = true;
    const std::uint32_t width = ReadBe32(body);
    const std::uint32_t height = ReadBe32(body + 4);
    const int depth = body[8];
    const int colourType = body[9];
    const int compression = body[10];
    const int filterMethod = body[11];
    const int interlace = body[12];

    if (width == 0 || height == 0 || width > kMaxChunkLength || height > kMaxChunkLength) return PngStatus::BadData;
    if (!png::IsValidDepth(colourType, depth)) return PngStatus::BadData;
    if (compression != 0 || filterMethod != 0 || interlace > 1) return PngStatus::BadData;
    if (interlace == 1) return PngStatus::Unsupported;
    if (width > std::uint32_t(kMaxPngDimension) || height > std::uint32_t(kMaxPngDimension)) return PngStatus::TooLarge;

    header_.width = int(width);
    header_.height = int(height);
    header_.bitDepth = depth;
    header_.colourType = colourType;
    // Bounded by the dimension check: at most 4096 rows of 32,769 bytes.
    expected_ = std::size_t(height) * (png::RowBytes(header_) + 1);
    if (expected_ > kMaxPngRawBytes) return PngStatus::TooLarge;
    return PngStatus::Ok;
}

PngStatus Decoder::OnPalette(const std::uint8_t* body, std::uint32_t length) {
    const int type = header_.colourType;
    if (seenPalette_ || dataState_ != kBeforeData || seenTransparency_) return PngStatus::BadChunk;
    if (type == png::kGrey || type == png::kGreyAlpha) return PngStatus::BadChunk;
    if (length == 0 || length % 3 != 0 || length / 3 > 256) return PngStatus::BadChunk;
    const int entries = int(length / 3);
    if (type == png::kPalette && entries > (1 << header_.bitDepth)) return PngStatus::BadChunk;
    seenPalette_ = true;
    // A palette in a true-colour image is only a suggestion for small
    // displays; nothing here needs it.
    if (type != png::kPalette) return PngStatus::Ok;
    for (int i = 0; i < entries; ++i) {
        const std::uint8_t* rgb = body + 3 * i;
        colours_.palette[i] = 0xFF000000u | std::uint32_t(rgb[0]) << 16 | std::uint32_t(rgb[1]) << 8 | rgb[2];
    }
    colours_.paletteSize = entries;
    return PngStatus::Ok;
}

PngStatus Decoder::OnTransparency(const std::uint8_t* body, std::uint32_t length) {
    if (seenTransparency_ || dataState_ != kBeforeData) return PngStatus::BadChunk;
    seenTransparency_ = true;
    const unsigned maxSample = (1u << header_.bitDepth) - 1;
    switch (header_.colourType) {
        case png::kPalette:
            if (!seenPalette_ || length > std::uint32_t(colours_.paletteSize)) return PngStatus::BadChunk;
            for (std::uint32_t i = 0; i < length; ++i)
                colours_.palette[i] = (colours_.palette[i] & 0x00FFFFFFu) | std::uint32_t(body[i]) << 24;
            return PngStatus::Ok;
        case png::kGrey:
        case png::kRgb: {
            const std::uint32_t samples = header_.colourType == png::kGrey ? 1 : 3;
            if (length != 2 * samples) return PngStatus::BadChunk;
            for (std::uint32_t i = 0; i < samples; ++i) {
                colours_.key[i] = ReadBe16(body + 2 * i);
                // A key the image cannot hold would never match; keep it
                // unmatched rather than truncate it into a real colour.
                if (colours_.key[i] > maxSample) return PngStatus::Ok;
            }
            colours_.hasKey = true;
            return PngStatus::Ok;
        }
        default:
            // Images with an alpha channel carry no tRNS.
            return PngStatus::BadChunk;
    }
}

PngStatus Decoder::OnImageData(const std::uint8_t* body, std::uint32_t length) {
    if (dataState_ == kAfterData) return PngStatus::BadChunk;
    if (header_.colourType == png::kPalette && !seenPalette_) return PngStatus::BadChunk;
    dataState_ = kInData;
    if (streamEnded_) return length == 0 ? PngStatus::Ok : PngStatus::BadData;
    if (!inflater_.Started() && !inflater_.Start()) return PngStatus::TooLarge;

    z_stream& stream = inflater_.Stream();
    stream.next_in = const_cast<Bytef*>(body);
    stream.avail_in = uInt(length);
    while (stream.avail_in > 0) {
        // Once the expected bytes are out, a one-byte probe tells whether the
        // stream holds more than the image needs.
        std::uint8_t probe = 0;
        if (produced_ == raw_.size() && raw_.size() < expected_)
            raw_.resize(std::min(expected_, std::max(kFirstRawStep, raw_.size() * 2)));
        const bool probing = produced_ == expected_;
        stream.next_out = probing ? &probe : raw_.data() + produced_;
        stream.avail_out = probing ? 1u : uInt(raw_.size() - produced_);

        const uInt inBefore = stream.avail_in;
        const uInt outBefore = stream.avail_out;
        const int result = inflate(&stream, Z_NO_FLUSH);
        if (probing) {
            if (stream.avail_out == 0) return PngStatus::BadData;
        } else {
            produced_ = raw_.size() - stream.avail_out;
        }
        if (result == Z_STREAM_END) {
            streamEnded_ = true;
            if (produced_ != expected_ || stream.avail_in > 0) return PngStatus::BadData;
            break;
        }
        if (result == Z_MEM_ERROR) return PngStatus::TooLarge;
        if (result != Z_OK && result != Z_BUF_ERROR) return PngStatus::BadData;
        if (stream.avail_in == inBefore && stream.avail_out == outBefore) return PngStatus::BadData;
    }
    return PngStatus::Ok;
}

PngStatus Decoder::Finish(Bitmap& out) {
    if (dataState_ == kBeforeData) return PngStatus::BadChunk;
    if (!streamEnded_) return PngStatus::BadData;
    if (!png::Unfilter(raw_.data(), png::RowBytes(header_), header_.height, png::FilterStride(header_)))
        return PngStatus::BadData;
    return png::ExpandRows(raw_.data(), header_, colours_, out);
}

}  // namespace

PngStatus DecodePng(const std::uint8_t* data, std::size_t size, Bitmap& out) {
    out = Bitmap{};
    Decoder decoder;
    return decoder.Run(data, size, out);
}

}  // namespace velmora
