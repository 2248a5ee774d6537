#include "ui/main/ProcessOrdering.h"

#include <algorithm>
#include <cstdint>

namespace velmora {

namespace {

template <typename T>
int ThreeWay(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Only A to Z are folded; umlauts and every other byte keep their value.
unsigned char LowerAscii(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

int CompareCaptions(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int order = ThreeWay(LowerAscii(a[i]), LowerAscii(b[i]));
        if (order != 0) return order;
    }
    return ThreeWay(a.size(), b.size());
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
