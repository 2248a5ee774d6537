// The run dialog's history: the item list of its input box. Entries are
// appended and never removed; it lives as long as the program.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace velmora {

// Whether two texts are equal apart from letter case. On Windows it is the
// system's comparison in the user's locale (what the combo box's search
// uses); the Windows-1252 table of AnsiCase.h stands in elsewhere.
using SameTextFunction = std::function<bool(const std::string&, const std::string&)>;

class CommandHistory {
public:
    CommandHistory();
    explicit CommandHistory(SameTextFunction sameText) : sameText_(std::move(sameText)) {}

    int Count() const { return static_cast<int>(entries_.size()); }
    // index must lie in [0, Count()).
    const std::string& Entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }

    // The first entry equal to text apart from letter case, or -1.
    int Find(const std::string& text) const;
    // The first entry that begins with typed apart from letter case, or -1.
    int FindPrefix(const std::string& typed) const;
    // Appends text unless an equal entry exists; returns that entry's index.
    int Add(const std::string& text);

private:
    SameTextFunction sameText_;
    std::vector<std::string> entries_;
};

}  // namespace velmora
