#include "ui/main/ProcessOrdering.h"

#include "base/Utf8.h"

#include <cstdint>

namespace velmora {

namespace {

template <typename T>
int ThreeWay(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// The characters Windows-1252 places at 0x80 to 0x9F, by byte; 0 where the
// byte holds no character (0x81, 0x8D, 0x8F, 0x90, 0x9D).
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// A character's place in the name order. A character Windows-1252 holds
// exactly keys as its byte there, with only A to Z lowered, so that every
// name that code page can hold keeps the byte order it always had; every
// other character sorts after all of those, by code point. The C1 controls
// U+0080 to U+009F are not in Windows-1252 and take the second kind of key.
char32_t SortKey(char32_t cp) {
    if (cp >= 'A' && cp <= 'Z') return cp - 'A' + 'a';
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return cp;
    if (cp >= 0x152 && cp <= 0x2122) {  // the span of the table's characters
        for (char32_t byte = 0; byte < 32; ++byte) {
            if (kWindows1252High[byte] == cp) return 0x80 + byte;
        }
    }
    return 256 + cp;
}

// Character by character; a name that is a prefix of the other sorts first.
// Runs for every pair the list view compares, so it decodes in place.
int CompareCaptions(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const int order = ThreeWay(SortKey(NextCodePoint(a, i)), SortKey(NextCodePoint(b, j)));
        if (order != 0) return order;
    }
    return ThreeWay(i < a.size(), j < b.size());
}

// Identifiers order as signed 32-bit numbers: one above 2^31 sorts before 0.
int ComparePids(const TProcess& a, const TProcess& b) {
    return ThreeWay(static_cast<std::int32_t>(a.ProcessID), static_cast<std::int32_t>(b.ProcessID));
}

}  // namespace

std::optional<int> SortColumnForCaption(const std::string& caption) {
    if (caption == "Name") return kColumnName;
    if (caption == "PID") return kColumnPid;
    if (caption == "Threads") return kColumnThreads;
    if (caption == "Priorität") return kColumnPriority;
    return std::nullopt;
}

// Numeric columns compare the record stored when the row was added, not the
// texts a refresh keeps current; the name compares the shown caption.
int CompareProcessRows(const RowRef& a, const RowRef& b, int sortColumn, bool ascending) {
    int order = 0;
    switch (sortColumn) {
        case kColumnName: order = CompareCaptions(a.caption, b.caption); break;
        case kColumnPid: order = ComparePids(a.record, b.record); break;
        case kColumnThreads: order = ThreeWay(a.record.Threads, b.record.Threads); break;
        case kColumnPriority: order = ThreeWay(a.record.BasePriority, b.record.BasePriority); break;
        default: break;
    }
    if (order == 0) order = ComparePids(a.record, b.record);
    return ascending ? order : -order;
}

}  // namespace velmora
