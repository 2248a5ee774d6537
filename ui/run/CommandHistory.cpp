#include "ui/run/CommandHistory.h"

#include "ui/run/AnsiCase.h"

namespace velmora {

int TCommandHistory::Find(const std::string& text) const {
    for (int i = 0; i < Count(); ++i) {
        if (SameTextAnsi(Entry(i), text)) return i;
    }
    return -1;
}

int TCommandHistory::FindPrefix(const std::string& typed) const {
    for (int i = 0; i < Count(); ++i) {
        if (StartsTextAnsi(Entry(i), typed)) return i;
    }
    return -1;
}

int TCommandHistory::Add(const std::string& text) {
    const int found = Find(text);
    if (found >= 0) return found;
    entries_.push_back(text);
    return Count() - 1;
}

}  // namespace velmora
