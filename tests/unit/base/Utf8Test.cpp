#include "base/Utf8.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// u8 literals stay UTF-8 whatever the execution character set is.
const std::string kLodz = u8"Łódź";
const std::string kEmoji = u8"a😀b";  // U+1F600: four bytes, two UTF-16 units

TEST(Utf8Test, RoundTripsEveryScriptThroughUtf16) {
    for (const std::string& text : {std::string(u8"Müller"), kLodz, std::string(u8"Ωμέγα"), std::string(u8"日本語"), kEmoji}) {
        EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16<char16_t>(text)), text);
    }
    EXPECT_EQ(Utf8ToUtf16<char16_t>(kEmoji), (std::u16string{u'a', 0xD83D, 0xDE00, u'b'}));
}

TEST(Utf8Test, IllFormedInputBecomesReplacementCharactersWithoutCuttingTheRest) {
    const std::string fffd = u8"\uFFFD";
    // A lone high surrogate, a lone low one, a reversed pair.
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', 0xD800, u'b'}), "a" + fffd + "b");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDC00, u'x'}), fffd + "x");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDE00, 0xD83D}), fffd + fffd);
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'z', 0xD83D}), "z" + fffd);
    // Stray bytes, overlong forms, encoded surrogates, a cut sequence.
    EXPECT_EQ(Utf8ToUtf16<char16_t>("a\x80" "b"), (std::u16string{u'a', 0xFFFD, u'b'}));
    EXPECT_EQ(Utf8ToUtf16<char16_t>("\xC0\xAF"), (std::u16string{0xFFFD, 0xFFFD}));
    EXPECT_EQ(Utf8ToUtf16<char16_t>("\xED\xA0\x80"), (std::u16string{0xFFFD, 0xFFFD, 0xFFFD}));
    EXPECT_EQ(Utf8ToUtf16<char16_t>("x\xE6\x97"), (std::u16string{u'x', 0xFFFD, 0xFFFD}));
}

TEST(Utf8Test, FixedBufferTakesAFullPathAndCutsOnlyWholeCodePoints) {
    // 260 units of a three-byte letter fit a buffer of 3 * 260 + 1 bytes.
    const std::u16string path(260, u'語');
    char buffer[3 * 260 + 1];
    EXPECT_EQ(Utf16ToUtf8(path.data(), path.size(), buffer, sizeof buffer), 780u);
    EXPECT_EQ(std::string(buffer), Utf16ToUtf8(path));

    const std::u16string pair{u'a', 0xD83D, 0xDE00};
    char small[4];
    EXPECT_EQ(Utf16ToUtf8(pair.data(), pair.size(), small, sizeof small), 1u);
    EXPECT_STREQ(small, "a");
}

TEST(Utf8Test, StepsByCodePointsBothWays) {
    EXPECT_EQ(CodePointCount(kLodz), 4u);
    EXPECT_EQ(CodePointCount(kEmoji), 3u);
    EXPECT_EQ(CodePointOffset(kEmoji, 1), 1u);
    EXPECT_EQ(CodePointOffset(kEmoji, 2), 5u);
    EXPECT_EQ(CodePointOffset(kEmoji, 9), kEmoji.size());

    std::size_t pos = 1;
    EXPECT_EQ(NextCodePoint(kEmoji, pos), char32_t{0x1F600});
    EXPECT_EQ(pos, 5u);
    EXPECT_EQ(PreviousCodePointStart(kEmoji, 5), 1u);
    EXPECT_EQ(PreviousCodePointStart(kLodz, kLodz.size()), kLodz.size() - 2);
    // A stray continuation byte after a letter stands alone.
    const std::string stray = u8"é" "\x80";
    EXPECT_EQ(PreviousCodePointStart(stray, 3), 2u);
    EXPECT_EQ(PreviousCodePointStart(stray, 2), 0u);
}

TEST(Utf8Test, FindsTheCodePointThatHoldsAByte) {
    // "a😀b": the emoji's four bytes all belong to the code point at 1.
    for (std::size_t pos = 1; pos < 5; ++pos) EXPECT_EQ(CodePointStart(kEmoji, pos), 1u) << pos;
    EXPECT_EQ(CodePointStart(kEmoji, 0), 0u);
    EXPECT_EQ(CodePointStart(kEmoji, 5), 5u);
    EXPECT_EQ(CodePointStart(kEmoji, 6), 6u);
    EXPECT_EQ(CodePointStart(kEmoji, 99), 6u);
    // The same as stepping from the start, stray and cut-short bytes included.
    const std::string strayAfterE = std::string(u8"é") + "\x80\x80";
    const std::string cutAndSurrogate = "\xC3" + std::string(u8"ä") + "\xED\xA0\x80";
    const std::string texts[] = {kLodz, kEmoji, strayAfterE, cutAndSurrogate, "x\xE6\x97", "\x80\xF0\x9F\x98\x80\x80"};
    for (const std::string& text : texts) {
        for (std::size_t pos = 0; pos < text.size();) {
            const std::size_t start = pos;
            NextCodePoint(text, pos);
            for (std::size_t inside = start; inside < pos; ++inside) {
                EXPECT_EQ(CodePointStart(text, inside), start) << "byte " << inside;
            }
        }
    }
}

TEST(Utf8Test, MapsSelectionOffsetsBetweenUtf16UnitsAndBytes) {
    // "a😀b": units a=0, pair=1..2, b=3; bytes a=0, emoji=1..4, b=5.
    EXPECT_EQ(Utf8OffsetFromUtf16(kEmoji, 0), 0u);
    EXPECT_EQ(Utf8OffsetFromUtf16(kEmoji, 1), 1u);
    EXPECT_EQ(Utf8OffsetFromUtf16(kEmoji, 2), 1u);  // inside the pair: its start
    EXPECT_EQ(Utf8OffsetFromUtf16(kEmoji, 3), 5u);
    EXPECT_EQ(Utf8OffsetFromUtf16(kEmoji, 4), 6u);
    EXPECT_EQ(Utf8OffsetFromUtf16(kEmoji, 99), 6u);
    EXPECT_EQ(Utf16OffsetFromUtf8(kEmoji, 1), 1u);
    EXPECT_EQ(Utf16OffsetFromUtf8(kEmoji, 5), 3u);
    EXPECT_EQ(Utf16OffsetFromUtf8(kEmoji, 99), 4u);
    // Every code point boundary maps there and back unchanged.
    for (const std::string& text : {kLodz, kEmoji}) {
        for (std::size_t pos = 0;; NextCodePoint(text, pos)) {
            EXPECT_EQ(Utf8OffsetFromUtf16(text, Utf16OffsetFromUtf8(text, pos)), pos);
            if (pos == text.size()) break;
        }
    }
}

}  // namespace
}  // namespace velmora
