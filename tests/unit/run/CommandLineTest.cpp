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
    // Only U+0000 to U+0020 are trimmed: letters of any script, the
    // no-break space and the C1 controls stay.
    ExpectSplit("\"a.exe\" \t ł \r\n", "a.exe", "ł");
    ExpectSplit("\"a.exe\" \u00a0ä\u00a0 ", "a.exe", "\u00a0ä\u00a0");
    ExpectSplit("\"a.exe\" \u0085-q… ", "a.exe", "\u0085-q…");
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

TEST(SplitCommandLine, PositionsCountCharactersNotBytes) {
    ExpectSplit("\"C:\\Users\\Żółw\\śpiący-probe.exe\" -q", "C:\\Users\\Żółw\\śpiący-probe.exe", "-q");
    ExpectSplit("C:\\Users\\Żółw\\日本語.exe", "C:\\Users\\Żółw\\日本語.exe", "");
    ExpectSplit("\"😀.txt\"😀", "😀.txt", "😀");
    // Before the first quote a letter of two bytes is one character: the
    // parameters still start at the third character, or at length(file) + 3.
    ExpectSplit("ä\"x", "", "x");
    ExpectSplit("ab\"ł\" -q", "ł", "ł\" -q");
    ExpectSplit("a\"😀\" x", "😀", "\" x");
    ExpectSplit("\"łódź", "", "ódź");
    ExpectSplit("Ω\"ωμέγα\" -q", "ωμέγα", "\" -q");
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
