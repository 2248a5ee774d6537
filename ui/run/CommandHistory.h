// The run dialog's history: the item list of its input box. Entries are
// appended and never removed; it lives as long as the program.
#pragma once

#include <string>
#include <vector>

namespace velmora {

class TCommandHistory {
public:
    int Count() const { return static_cast<int>(entries_.size()); }
    // index must lie in [0, Count()).
    const std::string& Entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }
    const std::vector<std::string>& Entries() const { return entries_; }

    // The first entry equal to text apart from letter case, or -1.
    int Find(const std::string& text) const;
    // The first entry that begins with typed apart from letter case, or -1.
    int FindPrefix(const std::string& typed) const;
    // Appends text unless an equal entry exists; returns that entry's index.
    int Add(const std::string& text);

private:
    std::vector<std::string> entries_;
};

}  // namespace velmora
