// Text inside the program is UTF-8 in std::string; the system's wide entry
// points take UTF-16. This is the one place where the two meet: stepping
// through code points, converting both ways and mapping offsets between
// UTF-16 units and UTF-8 bytes. Ill-formed input on either side (a lone
// surrogate in a file name, a stray byte) becomes U+FFFD, one replacement
// per ill-formed unit or byte, never a cut or a crash.
//
// The converters are templates over the 16-bit unit type, so that the Win32
// edge passes wchar_t buffers as they are and the portable tests char16_t.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point at text[pos] and moves pos past it. An ill-formed
// sequence gives U+FFFD and moves pos by one byte. pos < text.size().
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

// The start of the code point that holds the byte at pos, as NextCodePoint
// steps from the text's start: pos itself when it already is one, the text's
// size for pos past the end.
std::size_t CodePointStart(std::string_view text, std::size_t pos);

// Where the code point before pos starts: the one holding the byte at
// pos - 1; 0 for pos 0.
inline std::size_t PreviousCodePointStart(std::string_view text, std::size_t pos) {
    return pos == 0 ? 0 : CodePointStart(text, pos - 1);
}

// The number of code points, as NextCodePoint counts them.
std::size_t CodePointCount(std::string_view text);

// The byte offset of the code point with the 0-based index; text.size()
// when the text has fewer code points.
std::size_t CodePointOffset(std::string_view text, std::size_t index);

// Writes the UTF-8 form of cp and returns its length, 1 to 4; surrogates
// and values past U+10FFFF become U+FFFD.
std::size_t EncodeUtf8(char32_t cp, char (&out)[4]);

inline void AppendUtf8(std::string& out, char32_t cp) {
    char encoded[4];
    out.append(encoded, EncodeUtf8(cp, encoded));
}

// How many UTF-16 units cp takes: 2 above U+FFFF, else 1.
constexpr std::size_t Utf16Length(char32_t cp) { return cp > 0xFFFF ? 2 : 1; }

// The byte offset in utf8 that corresponds to `units` UTF-16 units of its
// UTF-16 form. An offset inside a surrogate pair rounds down to the start
// of its code point; one past the end gives utf8.size().
std::size_t Utf8OffsetFromUtf16(std::string_view utf8, std::size_t units);

// The number of UTF-16 units in the UTF-16 form of utf8's first `bytes`
// bytes (bytes is clamped to the text; an offset inside a code point counts
// that code point whole).
std::size_t Utf16OffsetFromUtf8(std::string_view utf8, std::size_t bytes);

// Decodes the code point at units[pos] and moves pos past it: a surrogate
// pair gives one code point, a lone surrogate U+FFFD.
template <class Unit>
char32_t NextCodePoint16(const Unit* units, std::size_t count, std::size_t& pos) {
    static_assert(sizeof(Unit) == 2, "UTF-16 units are 16 bits wide");
    const char32_t first = static_cast<char16_t>(units[pos++]);
    if (first < 0xD800 || first > 0xDFFF) return first;
    if (first <= 0xDBFF && pos < count) {
        const char32_t second = static_cast<char16_t>(units[pos]);
        if (second >= 0xDC00 && second <= 0xDFFF) {
            ++pos;
            return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
        }
    }
    return kReplacementCharacter;
}

template <class Unit>
std::string Utf16ToUtf8(const Unit* units, std::size_t count) {
    std::string out;
    out.reserve(count);
    for (std::size_t pos = 0; pos < count;) AppendUtf8(out, NextCodePoint16(units, count, pos));
    return out;
}

inline std::string Utf16ToUtf8(std::u16string_view text) { return Utf16ToUtf8(text.data(), text.size()); }

// Converts into a caller's buffer without allocating: writes whole code
// points only, at most capacity - 1 bytes, then a terminating zero, and
// returns the bytes written. A buffer of 3 * count + 1 bytes holds every
// input whole. capacity > 0.
template <class Unit>
std::size_t Utf16ToUtf8(const Unit* units, std::size_t count, char* out, std::size_t capacity) {
    std::size_t written = 0;
    char encoded[4];
    for (std::size_t pos = 0; pos < count;) {
        const char32_t cp = NextCodePoint16(units, count, pos);
        const std::size_t length = EncodeUtf8(cp, encoded);
        if (written + length > capacity - 1) break;
        for (std::size_t i = 0; i < length; ++i) out[written++] = encoded[i];
    }
    out[written] = '\0';
    return written;
}

template <class Unit>
std::basic_string<Unit> Utf8ToUtf16(std::string_view text) {
    static_assert(sizeof(Unit) == 2, "UTF-16 units are 16 bits wide");
    std::basic_string<Unit> out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t cp = NextCodePoint(text, pos);
        if (cp > 0xFFFF) {
            out.push_back(static_cast<Unit>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<Unit>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<Unit>(cp));
        }
    }
    return out;
}

}  // namespace velmora
