#include "ui/run/CommandLine.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

void ExpectSplit(const std::string& text, const std::string& file, const std::string& parameters) {
    const ShellCommand command = SplitCommandLine(text);
    EXPECT_EQ(command.file, file) << "text: " << text;
    EXPECT_EQ(command.parameters, parameters) << "text: " << text;
}

TEST(SplitCommandLine, TextWithoutQuotesIsTheFileWhole) {
    ExpectSplit("notepad.exe", "notepad.exe", "");
    // Blanks do not separate anything without quotes, nor are they trimmed.
    ExpectSplit(" notepad.exe readme.txt ", " notepad.exe readme.txt ", "");
    ExpectSplit("", "", "");
}

TEST(SplitCommandLine, QuotedPathIsTheFileAndTheRestTheParameters) {
    ExpectSplit("\"C:\\Program Files\\x\\a.exe\" -q", "C:\\Program Files\\x\\a.exe", "-q");
    ExpectSplit("\"C:\\a b\\c.exe\"", "C:\\a b\\c.exe", "");
    ExpectSplit("\"a.exe\"-q", "a.exe", "-q");
    // Later quotes belong to the parameters.
    ExpectSplit("\"a.exe\" \"x y\" z", "a.exe", "\"x y\" z");
}

TEST(SplitCommandLine, ParametersLoseOuterBlanksAndControlCharacters) {
    ExpectSplit("\"a.exe\"  \t-q  x \r\n", "a.exe", "-q  x");
    ExpectSplit("\"a.exe\" \x01\x1f -q \x7f", "a.exe", "-q \x7f");
    ExpectSplit("\"a.exe\"    ", "a.exe", "");
    // Bytes above 127 are letters in Windows-1252, not blanks.
    ExpectSplit("\"a.exe\" \xa0\xe4 ", "a.exe", "\xa0\xe4");
}

TEST(SplitCommandLine, SingleQuoteGivesEmptyFileAndParametersFromTheThirdCharacter) {
    ExpectSplit("\"notepad.exe", "", "otepad.exe");
    ExpectSplit("ab\"cdef", "", "\"cdef");
    ExpectSplit("abcdef\"", "", "cdef\"");
    ExpectSplit("\"ab", "", "b");
    ExpectSplit("\"a", "", "");
}

TEST(SplitCommandLine, QuotesAfterTheStartShiftTheParametersIntoTheName) {
    // The parameters start at index length(file) + 2 wherever the quotes are.
    ExpectSplit("ab\"c\" -q", "c", "c\" -q");
    ExpectSplit("x\"abc\" -q", "abc", "\" -q");
    ExpectSplit("start \"C:\\a b\\c.exe\"", "C:\\a b\\c.exe", "c.exe\"");
}

TEST(SplitCommandLine, QuotesAloneNeverReadPastTheText) {
    ExpectSplit("\"", "", "");
    ExpectSplit("\"\"", "", "");
    ExpectSplit("\"\"\"", "", "\"");
    ExpectSplit("\"\" -q", "", "-q");
    ExpectSplit(" \"", "", "");
}

}  // namespace
}  // namespace velmora
