// Seeded mutation of valid pictures: whatever the bytes, the decoder must
// neither crash nor touch memory it does not own (the native build runs
// under AddressSanitizer and UndefinedBehaviorSanitizer), and a success must
// come with a bitmap of the stated size. VELMORA_FUZZ_ITERATIONS overrides
// the number of inputs.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <random>

#include "PngWriter.h"
#include "image/Png.h"
#include "image/PngRows.h"
#include "tests/unit/image/PngStatusText.h"

namespace velmora {
namespace {

using test::Bytes;
using test::Chunk;
using test::PngSpec;

constexpr unsigned long kDefaultIterations = 100000;

unsigned long Iterations() {
    const char* text = std::getenv("VELMORA_FUZZ_ITERATIONS");
    if (text && *text) {
        char* end = nullptr;
        const unsigned long value = std::strtoul(text, &end, 10);
        if (end && *end == '\0' && value > 0) return value;
    }
    return kDefaultIterations;
}

struct Seed {
    std::vector<Chunk> chunks;
    Bytes filtered;  // the inflated image data, filter bytes included
};

Seed MakeSeed(PngSpec picture, std::mt19937& random, std::vector<Chunk> extra = {}) {
    const std::size_t rowBytes = test::PackedRowBytes(picture.width, picture.bitDepth, picture.colourType);
    if (picture.rows.empty())
        for (std::size_t i = 0; i < rowBytes * std::size_t(picture.height); ++i)
            picture.rows.push_back(std::uint8_t(random()));
    Seed seed;
    seed.chunks = test::BuildChunks(picture);
    seed.chunks.insert(seed.chunks.begin() + 1, extra.begin(), extra.end());
    png::Header header{picture.width, picture.height, picture.bitDepth, picture.colourType};
    seed.filtered = test::FilterRows(picture.rows, rowBytes, png::FilterStride(header), picture.filter);
    return seed;
}

std::vector<Seed> MakeSeeds(std::mt19937& random) {
    std::vector<Seed> seeds;
    PngSpec rgba = test::Picture(13, 9, 8, 6);
    rgba.filter = test::kCycleFilters;
    rgba.idatPieces = 2;
    seeds.push_back(MakeSeed(rgba, random));

    PngSpec palette = test::Picture(7, 5, 4, 3);
    palette.palette = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9};
    palette.transparency = {0, 100, 200};
    for (int i = 0; i < 4 * 5; ++i) palette.rows.push_back(std::uint8_t((i % 5) << 4 | (i % 4)));
    palette.filter = test::kCycleFilters;
    seeds.push_back(MakeSeed(palette, random));

    PngSpec grey16 = test::Picture(6, 4, 16, 0);
    grey16.transparency = {0x80, 0x00};
    grey16.filter = 4;
    seeds.push_back(MakeSeed(grey16, random));

    PngSpec greyAlpha = test::Picture(5, 5, 8, 4);
    greyAlpha.idatPieces = 3;
    greyAlpha.filter = 3;
    seeds.push_back(MakeSeed(greyAlpha, random, {{"tEXt", {'k', 0, 'v'}}}));

    PngSpec rgb = test::Picture(9, 3, 8, 2);
    rgb.transparency = {0, 1, 0, 2, 0, 3};
    rgb.filter = test::kCycleFilters;
    seeds.push_back(MakeSeed(rgb, random));

    PngSpec bits = test::Picture(17, 3, 1, 0);
    bits.filter = 1;
    seeds.push_back(MakeSeed(bits, random));
    return seeds;
}

template <typename T>
T Pick(std::mt19937& random, std::initializer_list<T> values) {
    return values.begin()[random() % values.size()];
}

void MutateHeader(Bytes& body, std::mt19937& random) {
    if (body.size() != 13) return;
    const Bytes value = test::Be32(Pick<std::uint32_t>(random, {0, 1, 2, 3, 16, 4095, 4096, 4097, 65536, 0x7FFFFFFF,
                                                                0x80000000, 0xFFFFFFFF, std::uint32_t(random())}));
    switch (random() % 4) {
        case 0: std::copy(value.begin(), value.end(), body.begin()); break;      // width
        case 1: std::copy(value.begin(), value.end(), body.begin() + 4); break;  // height
        case 2: body[8] = Pick<std::uint8_t>(random, {0, 1, 2, 3, 4, 8, 16, 255}); break;
        default: body[9 + random() % 4] = std::uint8_t(random() % 8); break;
    }
}

// Changes the inflated data and packs it again, to reach the filter and
// pixel stages with a valid stream.
void MutateImageData(std::vector<Chunk>& chunks, Bytes filtered, std::mt19937& random) {
    const int edits = 1 + int(random() % 4);
    for (int i = 0; i < edits && !filtered.empty(); ++i) {
        const std::size_t at = random() % filtered.size();
        switch (random() % 4) {
            case 0: filtered[at] = std::uint8_t(random() % 7); break;  // filter bytes, indices
            case 1: filtered[at] = std::uint8_t(random()); break;
            case 2: filtered.resize(at); break;
            default: filtered.insert(filtered.begin() + long(at), std::uint8_t(random())); break;
        }
    }
    std::vector<Chunk> rebuilt;
    bool placed = false;
    for (const Chunk& chunk : chunks) {
        if (chunk.type != "IDAT") {
            rebuilt.push_back(chunk);
        } else if (!placed) {
            rebuilt.push_back({"IDAT", test::Deflate(filtered)});
            placed = true;
        }
    }
    chunks = std::move(rebuilt);
}

void MutateChunks(std::vector<Chunk>& chunks, std::mt19937& random) {
    if (chunks.empty()) return;
    const std::size_t at = random() % chunks.size();
    switch (random() % 5) {
        case 0: chunks.erase(chunks.begin() + long(at)); break;
        case 1: chunks.insert(chunks.begin() + long(at), chunks[random() % chunks.size()]); break;
        case 2: std::swap(chunks[at], chunks[random() % chunks.size()]); break;
        case 3: {
            Bytes& data = chunks[at].data;
            if (random() % 2 && !data.empty())
                data.resize(random() % data.size());
            else
                data.push_back(std::uint8_t(random()));
            break;
        }
        default: {
            Chunk chunk{Pick<const char*>(random, {"PLTE", "tRNS", "IDAT", "IEND", "IHDR", "tIME"}), {}};
            for (std::size_t n = random() % 8; n > 0; --n) chunk.data.push_back(std::uint8_t(random()));
            chunks.insert(chunks.begin() + long(at), chunk);
            break;
        }
    }
}

void MutateBytes(Bytes& png, std::mt19937& random) {
    if (png.empty()) return;
    const std::size_t at = random() % png.size();
    switch (random() % 6) {
        case 0: png[at] ^= std::uint8_t(1u << (random() % 8)); break;
        case 1: png[at] = std::uint8_t(random()); break;
        case 2: png[at] = Pick<std::uint8_t>(random, {0x00, 0x01, 0x7F, 0x80, 0xFF}); break;
        case 3: png.resize(at); break;
        case 4: png.erase(png.begin() + long(at)); break;
        default: {
            // Rewrite a chunk's length field with a near or extreme value.
            std::size_t pos = 8;
            for (std::size_t skip = random() % 6; skip > 0 && pos + 12 <= png.size(); --skip) {
                const std::uint32_t length =
                    std::uint32_t(png[pos]) << 24 | png[pos + 1] << 16 | png[pos + 2] << 8 | png[pos + 3];
                if (length > png.size()) break;
                pos += length + 12;
            }
            if (pos + 4 > png.size()) break;
            const std::uint32_t old =
                std::uint32_t(png[pos]) << 24 | png[pos + 1] << 16 | png[pos + 2] << 8 | png[pos + 3];
            const std::uint32_t value = Pick<std::uint32_t>(
                random, {old + 1, old - 1, old + 4, 0, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, std::uint32_t(random())});
            const Bytes bytes = test::Be32(value);
            std::copy(bytes.begin(), bytes.end(), png.begin() + long(pos));
            break;
        }
    }
}

TEST(PngFuzz, MutatedPicturesNeverCrashAndSucceedOnlyWithWholeBitmaps) {
    const unsigned long iterations = Iterations();
    std::mt19937 random(20240607);
    const std::vector<Seed> seeds = MakeSeeds(random);
    std::map<PngStatus, unsigned long> seen;

    for (unsigned long i = 0; i < iterations; ++i) {
        const Seed& seed = seeds[random() % seeds.size()];
        std::vector<Chunk> chunks = seed.chunks;
        const unsigned plan = random() % 8;
        if (plan == 0) MutateHeader(chunks[0].data, random);
        if (plan == 1) MutateImageData(chunks, seed.filtered, random);
        if (plan == 2) MutateChunks(chunks, random);
        Bytes png = test::Assemble(chunks);
        if (plan >= 3)
            for (unsigned n = 1 + random() % 3; n > 0; --n) MutateBytes(png, random);
        // Most inputs get valid checksums, so the edits reach the decoder's
        // later stages instead of stopping at the checksum test.
        if (random() % 4 != 0) test::FixChecksums(png);

        Bitmap bitmap;
        const PngStatus status = DecodePng(png.data(), png.size(), bitmap);
        ++seen[status];
        if (status == PngStatus::Ok) {
            ASSERT_GE(bitmap.width, 1) << "input " << i;
            ASSERT_GE(bitmap.height, 1) << "input " << i;
            ASSERT_LE(bitmap.width, kMaxPngDimension) << "input " << i;
            ASSERT_LE(bitmap.height, kMaxPngDimension) << "input " << i;
            ASSERT_EQ(bitmap.pixels.size(), std::size_t(bitmap.width) * std::size_t(bitmap.height)) << "input " << i;
        } else {
            ASSERT_GE(int(status), int(PngStatus::NotPng)) << "input " << i;
            ASSERT_LE(int(status), int(PngStatus::BadData)) << "input " << i;
            ASSERT_TRUE(bitmap.pixels.empty()) << "input " << i;
        }
    }

    testing::Message histogram;
    for (const auto& [status, count] : seen) histogram << PngStatusText(status) << ": " << count << "; ";
    std::printf("%lu inputs: %s\n", iterations, histogram.GetString().c_str());
    // The mutations must reach every verdict, or they are not testing much.
    if (iterations >= 10000) {
        for (PngStatus status : {PngStatus::Ok, PngStatus::NotPng, PngStatus::Truncated, PngStatus::BadChunk,
                                 PngStatus::BadCrc, PngStatus::Unsupported, PngStatus::TooLarge, PngStatus::BadData})
            EXPECT_GT(seen[status], 0u) << PngStatusText(status);
    }
}

}  // namespace
}  // namespace velmora
