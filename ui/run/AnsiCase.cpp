#include "ui/run/AnsiCase.h"

namespace velmora {

// Pairs of Windows-1252: A-Z/a-z, À-Þ/à-þ apart from × and ÷ (0xD7/0xF7,
// which are no letters), Š/š, Œ/œ, Ž/ž and Ÿ/ÿ. ß has no capital here.
char FoldAnsiCase(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
    switch (u) {
        case 0x8A: return static_cast<char>(0x9A);  // Š
        case 0x8C: return static_cast<char>(0x9C);  // Œ
        case 0x8E: return static_cast<char>(0x9E);  // Ž
        case 0x9F: return static_cast<char>(0xFF);  // Ÿ
        default: return c;
    }
}

bool StartsTextAnsi(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (FoldAnsiCase(text[i]) != FoldAnsiCase(prefix[i])) return false;
    }
    return true;
}

bool SameTextAnsi(const std::string& a, const std::string& b) {
    return a.size() == b.size() && StartsTextAnsi(a, b);
}

}  // namespace velmora
