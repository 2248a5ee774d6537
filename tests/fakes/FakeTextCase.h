// A stand-in for the system's letter-case rule (CompareStringW ignoring case
// on Windows): simple one-to-one folding of ASCII, Latin-1, Latin
// Extended-A, Greek with its tonos letters and Cyrillic. Enough to tell
// ŁÓDŹ from łódź, ΩΜΈΓΑ from ωμέγα and ЖУК from жук apart from case, and
// no more: no ß against SS, no dotted or dotless i.
#pragma once

#include "base/Utf8.h"

#include <string>

namespace velmora::fakes {

inline char32_t FoldCase(char32_t cp) {
    // Pairs in which the capital is the even code point, or the odd one.
    const auto evenUpper = [cp](char32_t first, char32_t last) { return cp >= first && cp <= last && cp % 2 == 0; };
    const auto oddUpper = [cp](char32_t first, char32_t last) { return cp >= first && cp <= last && cp % 2 == 1; };

    if (cp >= 'A' && cp <= 'Z') return cp + 32;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 32;  // À-Þ, not ×
    if (cp == 0x178) return 0xFF;                                // Ÿ
    if (evenUpper(0x100, 0x12F) || evenUpper(0x132, 0x137) || evenUpper(0x14A, 0x177)) return cp + 1;
    if (oddUpper(0x139, 0x148) || oddUpper(0x179, 0x17E)) return cp + 1;
    // Greek: the capitals with tonos, then the plain ones, and the final sigma.
    switch (cp) {
        case 0x386: return 0x3AC;  // Ά
        case 0x388: return 0x3AD;  // Έ
        case 0x389: return 0x3AE;  // Ή
        case 0x38A: return 0x3AF;  // Ί
        case 0x38C: return 0x3CC;  // Ό
        case 0x38E: return 0x3CD;  // Ύ
        case 0x38F: return 0x3CE;  // Ώ
        case 0x3C2: return 0x3C3;  // ς
        default: break;
    }
    if (cp >= 0x391 && cp <= 0x3AB && cp != 0x3A2) return cp + 32;
    // Cyrillic: Ѐ-Џ, А-Я, then the pairs of the historic and other letters.
    if (cp >= 0x400 && cp <= 0x40F) return cp + 80;
    if (cp >= 0x410 && cp <= 0x42F) return cp + 32;
    if (evenUpper(0x460, 0x481) || evenUpper(0x48A, 0x4BF) || evenUpper(0x4D0, 0x52F)) return cp + 1;
    if (oddUpper(0x4C1, 0x4CE)) return cp + 1;
    if (cp == 0x4C0) return 0x4CF;  // Ӏ
    return cp;
}

// Equal apart from letter case, code point by code point.
inline bool SameText(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (FoldCase(NextCodePoint(a, i)) != FoldCase(NextCodePoint(b, j))) return false;
    }
    return i == a.size() && j == b.size();
}

}  // namespace velmora::fakes
