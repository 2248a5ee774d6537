// Malformed and unsupported pictures: each fault gets its own status and
// leaves the output empty.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "PngWriter.h"
#include "image/Png.h"
#include "tests/unit/image/PngStatusText.h"

namespace velmora {
namespace {

using test::Bytes;
using test::Chunk;
using test::PngSpec;

PngStatus Decode(const Bytes& png) {
    Bitmap bitmap;
    bitmap.width = 99;  // must be cleared on every failure
    bitmap.pixels.assign(3, 1);
    const PngStatus status = DecodePng(png.data(), png.size(), bitmap);
    if (status != PngStatus::Ok) {
        EXPECT_EQ(bitmap.width, 0);
        EXPECT_EQ(bitmap.height, 0);
        EXPECT_TRUE(bitmap.pixels.empty());
    }
    return status;
}

PngSpec SmallRgba() {
    PngSpec picture = test::Picture(3, 2, 8, 6);
    for (int i = 0; i < 3 * 2 * 4; ++i) picture.rows.push_back(std::uint8_t(i * 11));
    picture.filter = test::kCycleFilters;
    return picture;
}

// The picture's chunks with the header body replaced.
Bytes WithHeader(const Bytes& headerBody) {
    std::vector<Chunk> chunks = test::BuildChunks(SmallRgba());
    chunks[0].data = headerBody;
    return test::Assemble(chunks);
}

// IHDR, PLTE/tRNS as given, then image data of the right size for the header.
Bytes WithRawData(const Bytes& headerBody, const Bytes& inflated, std::vector<Chunk> before = {}) {
    std::vector<Chunk> chunks = {{"IHDR", headerBody}};
    chunks.insert(chunks.end(), before.begin(), before.end());
    chunks.push_back({"IDAT", test::Deflate(inflated)});
    chunks.push_back({"IEND", {}});
    return test::Assemble(chunks);
}

TEST(PngSignature, OtherDataIsNotPng) {
    EXPECT_EQ(Decode({}), PngStatus::NotPng);
    Bitmap none;
    EXPECT_EQ(DecodePng(nullptr, 0, none), PngStatus::NotPng);
    Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Decode(gif), PngStatus::NotPng);
    Bytes png = test::EncodePng(SmallRgba());
    png[1] = 'Q';
    EXPECT_EQ(Decode(png), PngStatus::NotPng);
}

TEST(PngTruncation, EveryShorterPrefixFails) {
    for (const PngSpec& picture : {SmallRgba(), [] {
                                       PngSpec palette = test::Picture(5, 3, 2, 3);
                                       palette.palette = {1, 2, 3, 4, 5, 6};
                                       palette.transparency = {7};
                                       palette.rows.assign(2 * 3, 0x44);
                                       palette.idatPieces = 3;
                                       return palette;
                                   }()}) {
        const Bytes png = test::EncodePng(picture);
        for (std::size_t length = 1; length < png.size(); ++length) {
            const Bytes prefix(png.begin(), png.begin() + long(length));
            const PngStatus status = Decode(prefix);
            // A cut inside the signature or any chunk, IEND included, is
            // reported as such: the data never gets past the checksum.
            EXPECT_EQ(status, PngStatus::Truncated) << "length " << length;
        }
        EXPECT_EQ(Decode(png), PngStatus::Ok);
    }
}

TEST(PngChecksum, AnyFlippedBitInAnyChunkIsCaught) {
    const Bytes png = test::EncodePng(SmallRgba());
    // Flip every bit of type, body and checksum of every chunk; length
    // fields are left alone (they change the framing instead).
    std::size_t pos = 8;
    while (pos < png.size()) {
        const std::size_t length = std::size_t(png[pos]) << 24 | std::size_t(png[pos + 1]) << 16 |
                                   std::size_t(png[pos + 2]) << 8 | png[pos + 3];
        for (std::size_t i = pos + 4; i < pos + 12 + length; ++i) {
            for (int bit = 0; bit < 8; ++bit) {
                Bytes broken = png;
                broken[i] ^= std::uint8_t(1 << bit);
                const PngStatus status = Decode(broken);
                const bool typeByte = i < pos + 8;
                // A flipped type bit may make a non-letter: a malformed chunk.
                if (typeByte && status == PngStatus::BadChunk) continue;
                EXPECT_EQ(status, PngStatus::BadCrc) << "byte " << i << " bit " << bit;
            }
        }
        pos += length + 12;
    }
}

TEST(PngHeader, InvalidFieldsAreBadData) {
    EXPECT_EQ(Decode(WithHeader(test::HeaderBody(0, 2, 8, 6))), PngStatus::BadData);
    EXPECT_EQ(Decode(WithHeader(test::HeaderBody(3, 0, 8, 6))), PngStatus::BadData);
    EXPECT_EQ(Decode(WithHeader(test::HeaderBody(0x80000000u, 2, 8, 6))), PngStatus::BadData);
    EXPECT_EQ(Decode(WithHeader(test::HeaderBody(3, 2, 8, 6, 0, 1))), PngStatus::BadData);
    EXPECT_EQ(Decode(WithHeader(test::HeaderBody(3, 2, 8, 6, 0, 0, 1))), PngStatus::BadData);
    EXPECT_EQ(Decode(WithHeader(test::HeaderBody(3, 2, 8, 6, 2))), PngStatus::BadData);
    for (int colourType : {1, 5, 7, 255})
        EXPECT_EQ(Decode(WithHeader(test::HeaderBody(3, 2, 8, colourType))), PngStatus::BadData)
            << "colour type " << colourType;
}

TEST(PngHeader, DepthMustSuitTheColourType) {
    const std::set<std::pair<int, int>> allowed = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                                                   {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};
    for (int colourType : {0, 2, 3, 4, 6}) {
        for (int depth : {0, 1, 2, 3, 4, 5, 7, 8, 9, 12, 16, 32}) {
            SCOPED_TRACE(testing::Message() << "colour type " << colourType << " depth " << depth);
            if (allowed.count({colourType, depth})) {
                PngSpec picture = test::Picture(3, 2, depth, colourType);
                picture.rows.assign(2 * test::PackedRowBytes(3, depth, colourType), 0);
                if (colourType == 3) picture.palette = {1, 2, 3};
                EXPECT_EQ(Decode(test::EncodePng(picture)), PngStatus::Ok);
            } else {
                EXPECT_EQ(Decode(WithHeader(test::HeaderBody(3, 2, depth, colourType))), PngStatus::BadData);
            }
        }
    }
}

TEST(PngHeader, InterlacedPicturesAreUnsupported) {
    EXPECT_EQ(Decode(WithHeader(test::HeaderBody(3, 2, 8, 6, 1))), PngStatus::Unsupported);
}

TEST(PngHeader, OversizedPicturesAreRefusedBeforeAnyAllocation) {
    EXPECT_EQ(Decode(WithHeader(test::HeaderBody(4097, 1, 8, 6))), PngStatus::TooLarge);
    EXPECT_EQ(Decode(WithHeader(test::HeaderBody(1, 4097, 8, 0))), PngStatus::TooLarge);
    EXPECT_EQ(Decode(WithHeader(test::HeaderBody(0x7FFFFFFF, 0x7FFFFFFF, 8, 6))), PngStatus::TooLarge);
    // Within the side limit but past the byte budget: 16-bit RGBA at 4096².
    EXPECT_EQ(Decode(WithHeader(test::HeaderBody(4096, 4096, 16, 6))), PngStatus::TooLarge);
}

TEST(PngHeader, HeaderMustComeFirstOnceWithThirteenBytes) {
    std::vector<Chunk> chunks = test::BuildChunks(SmallRgba());
    std::vector<Chunk> late = chunks;
    std::swap(late[0], late[1]);
    EXPECT_EQ(Decode(test::Assemble(late)), PngStatus::BadChunk);

    std::vector<Chunk> twice = chunks;
    twice.insert(twice.begin() + 1, chunks[0]);
    EXPECT_EQ(Decode(test::Assemble(twice)), PngStatus::BadChunk);

    std::vector<Chunk> longer = chunks;
    longer[0].data.push_back(0);
    EXPECT_EQ(Decode(test::Assemble(longer)), PngStatus::BadChunk);
}

TEST(PngImageData, WrongInflatedSizeIsBadData) {
    const Bytes header = test::HeaderBody(2, 2, 8, 0);  // rows of 1 + 2 bytes
    EXPECT_EQ(Decode(WithRawData(header, {0, 1, 2, 0, 3, 4})), PngStatus::Ok);
    EXPECT_EQ(Decode(WithRawData(header, {0, 1, 2, 0, 3})), PngStatus::BadData);
    EXPECT_EQ(Decode(WithRawData(header, {0, 1, 2, 0, 3, 4, 5})), PngStatus::BadData);
    EXPECT_EQ(Decode(WithRawData(header, Bytes(10000, 0))), PngStatus::BadData);
    EXPECT_EQ(Decode(WithRawData(header, {})), PngStatus::BadData);
}

TEST(PngImageData, UnknownFilterTypeIsBadData) {
    const Bytes header = test::HeaderBody(2, 2, 8, 0);
    EXPECT_EQ(Decode(WithRawData(header, {0, 1, 2, 4, 3, 4})), PngStatus::Ok);
    EXPECT_EQ(Decode(WithRawData(header, {0, 1, 2, 5, 3, 4})), PngStatus::BadData);
    EXPECT_EQ(Decode(WithRawData(header, {255, 1, 2, 0, 3, 4})), PngStatus::BadData);
}

TEST(PngImageData, CorruptOrUnfinishedStreamIsBadData) {
    const Bytes header = test::HeaderBody(2, 2, 8, 0);
    const Bytes packed = test::Deflate({0, 1, 2, 0, 3, 4});

    Bytes badAdler = packed;
    badAdler.back() ^= 1;
    EXPECT_EQ(Decode(test::Assemble({{"IHDR", header}, {"IDAT", badAdler}, {"IEND", {}}})), PngStatus::BadData);

    const Bytes unfinished(packed.begin(), packed.end() - 4);
    EXPECT_EQ(Decode(test::Assemble({{"IHDR", header}, {"IDAT", unfinished}, {"IEND", {}}})), PngStatus::BadData);

    Bytes trailing = packed;
    trailing.push_back(0);
    EXPECT_EQ(Decode(test::Assemble({{"IHDR", header}, {"IDAT", trailing}, {"IEND", {}}})), PngStatus::BadData);
    EXPECT_EQ(Decode(test::Assemble({{"IHDR", header}, {"IDAT", packed}, {"IDAT", {7}}, {"IEND", {}}})),
              PngStatus::BadData);

    Bytes notZlib = packed;
    notZlib[0] = 0x09;  // compression method 9 does not exist
    EXPECT_EQ(Decode(test::Assemble({{"IHDR", header}, {"IDAT", notZlib}, {"IEND", {}}})), PngStatus::BadData);
}

TEST(PngPalette, MissingOrMisplacedPaletteIsBadChunk) {
    const Bytes header = test::HeaderBody(2, 1, 8, 3);
    const Bytes rows = {0, 0, 1};
    const Chunk palette = {"PLTE", {1, 2, 3, 4, 5, 6}};
    EXPECT_EQ(Decode(WithRawData(header, rows, {palette})), PngStatus::Ok);
    EXPECT_EQ(Decode(WithRawData(header, rows)), PngStatus::BadChunk);
    EXPECT_EQ(Decode(WithRawData(header, rows, {{"PLTE", {1, 2, 3, 4}}})), PngStatus::BadChunk);
    EXPECT_EQ(Decode(WithRawData(header, rows, {{"PLTE", {}}})), PngStatus::BadChunk);
    EXPECT_EQ(Decode(WithRawData(header, rows, {palette, palette})), PngStatus::BadChunk);
    EXPECT_EQ(Decode(WithRawData(header, rows, {{"tRNS", {0}}, palette})), PngStatus::BadChunk);
    // More entries than the transparency can name, or than the depth can index.
    EXPECT_EQ(Decode(WithRawData(header, rows, {palette, {"tRNS", {0, 0, 0}}})), PngStatus::BadChunk);
    EXPECT_EQ(Decode(WithRawData(test::HeaderBody(2, 1, 1, 3), {0, 0x40}, {{"PLTE", {1, 2, 3, 4, 5, 6, 7, 8, 9}}})),
              PngStatus::BadChunk);
    // Grey pictures have no palette.
    EXPECT_EQ(Decode(WithRawData(test::HeaderBody(1, 1, 8, 0), {0, 0}, {palette})), PngStatus::BadChunk);
}

TEST(PngPalette, IndexPastTheLastEntryIsBadData) {
    const Bytes header = test::HeaderBody(2, 1, 8, 3);
    const Chunk palette = {"PLTE", {1, 2, 3, 4, 5, 6}};
    EXPECT_EQ(Decode(WithRawData(header, {0, 1, 2}, {palette})), PngStatus::BadData);
}

TEST(PngTransparency, WrongSizeOrAlphaPictureIsBadChunk) {
    EXPECT_EQ(Decode(WithRawData(test::HeaderBody(1, 1, 8, 0), {0, 0}, {{"tRNS", {0}}})), PngStatus::BadChunk);
    EXPECT_EQ(Decode(WithRawData(test::HeaderBody(1, 1, 8, 2), {0, 0, 0, 0}, {{"tRNS", {0, 0, 0, 0}}})),
              PngStatus::BadChunk);
    EXPECT_EQ(Decode(WithRawData(test::HeaderBody(1, 1, 8, 6), {0, 0, 0, 0, 0}, {{"tRNS", {0, 0}}})),
              PngStatus::BadChunk);
}

TEST(PngChunks, OrderAndFramingFaultsAreBadChunk) {
    std::vector<Chunk> chunks = test::BuildChunks(SmallRgba());
    ASSERT_EQ(chunks[1].type, "IDAT");

    std::vector<Chunk> noData = {chunks[0], {"IEND", {}}};
    EXPECT_EQ(Decode(test::Assemble(noData)), PngStatus::BadChunk);

    // Image data chunks must follow each other without a gap.
    Bytes packed = chunks[1].data;
    const Bytes half(packed.begin(), packed.begin() + long(packed.size() / 2));
    const Bytes rest(packed.begin() + long(packed.size() / 2), packed.end());
    EXPECT_EQ(Decode(test::Assemble({chunks[0], {"IDAT", half}, {"tEXt", {'x', 0}}, {"IDAT", rest}, {"IEND", {}}})),
              PngStatus::BadChunk);

    EXPECT_EQ(Decode(test::Assemble({chunks[0], chunks[1], {"PLTE", {1, 2, 3}}, {"IEND", {}}})), PngStatus::BadChunk);

    std::vector<Chunk> fatEnd = chunks;
    fatEnd.back().data = {0};
    EXPECT_EQ(Decode(test::Assemble(fatEnd)), PngStatus::BadChunk);

    Bytes badName = test::EncodePng(SmallRgba());
    badName[8 + 25 + 5] = '1';  // the second letter of the IDAT type
    test::FixChecksums(badName);
    EXPECT_EQ(Decode(badName), PngStatus::BadChunk);

    Bytes hugeLength = test::EncodePng(SmallRgba());
    hugeLength[8 + 25] = 0x80;  // first length byte after IHDR: 2^31 and more
    EXPECT_EQ(Decode(hugeLength), PngStatus::BadChunk);
}

TEST(PngChunks, UnknownCriticalChunkIsUnsupported) {
    std::vector<Chunk> chunks = test::BuildChunks(SmallRgba());
    chunks.insert(chunks.begin() + 1, {"ZZZZ", {1}});
    EXPECT_EQ(Decode(test::Assemble(chunks)), PngStatus::Unsupported);
}

TEST(PngStatusText, EveryStatusHasItsOwnText) {
    std::set<std::string> texts;
    for (PngStatus status : {PngStatus::Ok, PngStatus::NotPng, PngStatus::Truncated, PngStatus::BadChunk,
                             PngStatus::BadCrc, PngStatus::Unsupported, PngStatus::TooLarge, PngStatus::BadData})
        texts.insert(PngStatusText(status));
    EXPECT_EQ(texts.size(), 8u);
    EXPECT_EQ(texts.count(""), 0u);
}

}  // namespace
}  // namespace velmora
