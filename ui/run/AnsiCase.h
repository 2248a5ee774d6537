// Letter case as a German Windows compares Windows-1252 text, without
// regard to case: ASCII letters, the accented letters and a few extras.
#pragma once

#include <string>

namespace velmora {

// The lower-case form of one Windows-1252 byte; other bytes are unchanged.
char FoldAnsiCase(char c);

// Equal texts apart from letter case.
bool SameTextAnsi(const std::string& a, const std::string& b);

// text begins with prefix, apart from letter case.
bool StartsTextAnsi(const std::string& text, const std::string& prefix);

}  // namespace velmora
