#include "ui/run/CommandHistory.h"

#include "base/Utf8.h"

namespace velmora {

int CommandHistory::Find(const std::string& text) const {
    for (int i = 0; i < Count(); ++i) {
        if (sameText_(Entry(i), text)) return i;
    }
    return -1;
}

// Counted in code points, not bytes: under the system's case rule a letter
// and its capital may differ in length (ı and I, K and the Kelvin sign), and
// the prefix must never end inside a character.
int CommandHistory::FindPrefix(const std::string& typed) const {
    const std::size_t count = CodePointCount(typed);
    for (int i = 0; i < Count(); ++i) {
        const std::string& entry = Entry(i);
        const std::size_t bytes = CodePointOffset(entry, count);
        if (bytes == entry.size() && CodePointCount(entry) < count) continue;
        if (sameText_(entry.substr(0, bytes), typed)) return i;
    }
    return -1;
}

int CommandHistory::Add(const std::string& text) {
    const int found = Find(text);
    if (found >= 0) return found;
    entries_.push_back(text);
    return Count() - 1;
}

}  // namespace velmora
