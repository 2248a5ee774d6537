#include "ui/run/CommandHistory.h"

#include "ui/run/AnsiCase.h"

namespace velmora {

CommandHistory::CommandHistory() : sameText_(SameTextAnsi) {}

int CommandHistory::Find(const std::string& text) const {
    for (int i = 0; i < Count(); ++i) {
        if (sameText_(Entry(i), text)) return i;
    }
    return -1;
}

int CommandHistory::FindPrefix(const std::string& typed) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string& entry = Entry(i);
        if (entry.size() >= typed.size() && sameText_(entry.substr(0, typed.size()), typed)) return i;
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
