#include "ui/run/CommandLine.h"

#include "base/Utf8.h"

namespace velmora {

namespace {

// The blank and the control characters below it. Every byte of a character
// of several bytes lies above 127, so trimming bytes never cuts one.
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
// second quote follows), and the parameters are everything from character
// length(file) + 2 on (0-based), trimmed. Characters are code points, so a
// letter of several bytes before the quotes moves nothing. That index
// assumes the opening quote is the first character: when it is not, the
// parameters start inside the quoted name, and with a single quote they
// start at the third character. Users rely on the common case, so the rule
// stays as it always was.
ShellCommand SplitCommandLine(const std::string& text) {
    const std::size_t open = text.find('"');
    if (open == std::string::npos) return {text, std::string()};

    std::string file;
    const std::size_t close = text.find('"', open + 1);
    if (close != std::string::npos) file = text.substr(open + 1, close - open - 1);

    // The quotes are single bytes and no sequence of several bytes holds
    // one, so the file counts the same characters alone as inside the text.
    // It lies after at least one quote, hence within the text; the
    // parameters may be empty.
    const std::size_t paramStart = CodePointOffset(text, CodePointCount(file) + 2);
    std::string parameters;
    if (paramStart < text.size()) parameters = TrimBlanks(text.substr(paramStart));
    return {file, parameters};
}

}  // namespace velmora
