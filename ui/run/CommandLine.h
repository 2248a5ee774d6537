// Splitting the run dialog's command line into the file and the parameters
// handed to the shell.
#pragma once

#include <string>

namespace velmora {

struct ShellCommand {
    std::string file;
    std::string parameters;
};

// Splits a typed command line (UTF-8); see the definition for the exact
// rule. Never reads outside the text, whatever bytes it holds.
ShellCommand SplitCommandLine(const std::string& text);

// Removes leading and trailing characters up to and including the blank
// (U+0000 to U+0020).
std::string TrimBlanks(const std::string& text);

}  // namespace velmora
