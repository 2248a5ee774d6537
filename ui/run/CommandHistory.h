// The run dialog's history: the item list of its input box. Entries are
// appended and never removed; it lives as long as the program.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace velmora {

// Whether two UTF-8 texts are equal apart from letter case, by the system's
// rules in any script (what the combo box's search uses). The Windows side
// passes SameTextSystem; tests pass a fake.
using SameTextFunction = std::function<bool(const std::string&, const std::string&)>;

class CommandHistory {
public:
    explicit CommandHistory(SameTextFunction sameText) : sameText_(std::move(sameText)) {}

    int Count() const { return static_cast<int>(entries_.size()); }
    // index must lie in [0, Count()).
    const std::string& Entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }

    // The first entry equal to text apart from letter case, or -1.
    int Find(const std::string& text) const;
    // The first entry whose first k code points equal typed apart from
    // letter case, k being typed's code point count, or -1.
    int FindPrefix(const std::string& typed) const;
    // Appends text unless an equal entry exists; returns that entry's index.
    int Add(const std::string& text);

private:
    SameTextFunction sameText_;
    std::vector<std::string> entries_;
};

}  // namespace velmora
