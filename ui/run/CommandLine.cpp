#include "ui/run/CommandLine.h"

namespace velmora {

namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

std::string TrimBlanks(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlankOrControl(text[first])) ++first;
    while (last > first && IsBlankOrControl(text[last - 1])) --last;
    return text.substr(first, last - first);
}

// Without a double quote the whole text is the file. Otherwise the file is
// the text between the first double quote and the next one (empty when no
// second quote follows), and the parameters are everything from index
// file length + 2 on, trimmed. That index assumes the opening quote is the
// first character: when it is not, the parameters start inside the quoted
// name, and with a single quote they start at index 2. Users rely on the
// common case, so the rule stays as it always was.
ShellCommand SplitCommandLine(const std::string& text) {
    const std::size_t open = text.find('"');
    if (open == std::string::npos) return {text, std::string()};

    std::string file;
    const std::size_t close = text.find('"', open + 1);
    if (close != std::string::npos) file = text.substr(open + 1, close - open - 1);

    // file is a part of text after at least one quote, so file.size() < text.size();
    // the parameters start two bytes after the file's length and may be empty.
    const std::size_t paramStart = file.size() + 2;
    std::string parameters;
    if (paramStart < text.size()) parameters = TrimBlanks(text.substr(paramStart));
    return {file, parameters};
}

}  // namespace velmora
