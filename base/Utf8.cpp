#include "base/Utf8.h"

namespace velmora {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    // The shortest form only: overlong encodings, surrogates and values past
    // U+10FFFF are ill-formed, and so is a sequence cut short.
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    }
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return kReplacementCharacter;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(byte)) {
            ++pos;
            return kReplacementCharacter;
        }
        cp = (cp << 6) | (byte & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kReplacementCharacter;
    }
    pos += length;
    return cp;
}

std::size_t CodePointStart(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return text.size();
    // Every byte that is no continuation byte starts a code point. A
    // continuation byte belongs to the nearest such byte before it when the
    // sequence read there is well-formed and reaches it; otherwise it stands
    // alone.
    std::size_t lead = pos;
    while (lead > 0 && pos - lead < 3 && IsContinuation(static_cast<unsigned char>(text[lead]))) --lead;
    std::size_t next = lead;
    NextCodePoint(text, next);
    return next > pos ? lead : pos;
}

std::size_t CodePointCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) NextCodePoint(text, pos);
    return count;
}

std::size_t CodePointOffset(std::string_view text, std::size_t index) {
    std::size_t pos = 0;
    for (; index > 0 && pos < text.size(); --index) NextCodePoint(text, pos);
    return pos;
}

std::size_t EncodeUtf8(char32_t cp, char (&out)[4]) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacementCharacter;
    if (cp < 0x80) {
        out[0] = static_cast<char>(cp);
        return 1;
    }
    if (cp < 0x800) {
        out[0] = static_cast<char>(0xC0 | (cp >> 6));
        out[1] = static_cast<char>(0x80 | (cp & 0x3F));
        return 2;
    }
    if (cp < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (cp >> 12));
        out[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (cp & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (cp >> 18));
    out[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (cp & 0x3F));
    return 4;
}

std::size_t Utf8OffsetFromUtf16(std::string_view utf8, std::size_t units) {
    std::size_t pos = 0;
    std::size_t counted = 0;
    while (pos < utf8.size()) {
        std::size_t next = pos;
        const std::size_t width = Utf16Length(NextCodePoint(utf8, next));
        if (counted + width > units) break;
        counted += width;
        pos = next;
    }
    return pos;
}

std::size_t Utf16OffsetFromUtf8(std::string_view utf8, std::size_t bytes) {
    if (bytes > utf8.size()) bytes = utf8.size();
    std::size_t units = 0;
    for (std::size_t pos = 0; pos < bytes;) units += Utf16Length(NextCodePoint(utf8, pos));
    return units;
}

}  // namespace velmora
