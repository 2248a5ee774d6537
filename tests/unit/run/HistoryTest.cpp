#include "base/Utf8.h"
#include "tests/fakes/FakeTextCase.h"
#include "ui/run/CommandHistory.h"
#include "ui/run/HistoryBox.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// The history's entries in order, read as the dialog reads them.
std::vector<std::string> EntriesOf(const CommandHistory& history) {
    std::vector<std::string> entries;
    for (int i = 0; i < history.Count(); ++i) entries.push_back(history.Entry(i));
    return entries;
}

CommandHistory HistoryOf(std::initializer_list<const char*> texts) {
    CommandHistory history(fakes::SameText);
    for (const char* text : texts) history.Add(text);
    return history;
}

EditState Typed(const std::string& text, int currentIndex = -1) {
    const int end = static_cast<int>(text.size());
    return {text, end, end, currentIndex};
}

void ExpectBox(const EditState& box, const std::string& text, int selStart, int selEnd, int current) {
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.selStart, selStart);
    EXPECT_EQ(box.selEnd, selEnd);
    EXPECT_EQ(box.currentIndex, current);
}

TEST(CommandHistory, AddKeepsOneEntryPerTextIgnoringCase) {
    CommandHistory history(fakes::SameText);
    EXPECT_EQ(history.Add("calc"), 0);
    EXPECT_EQ(history.Add("notepad"), 1);
    EXPECT_EQ(history.Add("CALC"), 0);
    EXPECT_EQ(EntriesOf(history), (std::vector<std::string>{"calc", "notepad"}));
}

TEST(CommandHistory, FindIsExactApartFromCase) {
    const CommandHistory history = HistoryOf({"calc", "ärger", "calc.exe"});
    EXPECT_EQ(history.Find("CALC"), 0);
    EXPECT_EQ(history.Find("ÄRGER"), 1);
    EXPECT_EQ(history.Find("Calc.Exe"), 2);
    EXPECT_EQ(history.Find("cal"), -1);
    EXPECT_EQ(history.Find(""), -1);
}

// The box's offsets are bytes; these name the byte length of a text.
int Bytes(const std::string& text) {
    return static_cast<int>(text.size());
}

TEST(CommandHistory, MembershipIgnoresCaseInEveryScript) {
    CommandHistory history = HistoryOf({"C:\\Żółw\\łódź.txt", "ωμέγα.exe", "блокнот.exe"});
    EXPECT_EQ(history.Find("c:\\ŻÓŁW\\ŁÓDŹ.TXT"), 0);
    EXPECT_EQ(history.Find("ΩΜΈΓΑ.EXE"), 1);
    EXPECT_EQ(history.Find("БЛОКНОТ.exe"), 2);
    // Letters that differ by more than case stay apart.
    EXPECT_EQ(history.Find("c:\\zolw\\lodz.txt"), -1);
    EXPECT_EQ(history.Find("ΩΜΕΓΑ.EXE"), -1);
    EXPECT_EQ(history.Add("ΩΜΈΓΑ.EXE"), 1);
    EXPECT_EQ(history.Count(), 3);
}

TEST(Complete, CompletesPolishGreekAndCyrillicEntriesFromEitherCase) {
    const CommandHistory history = HistoryOf({"C:\\Users\\Żółw\\śpiący-probe.exe", "ωμέγα-probe.exe", "блокнот.exe"});
    const std::string polish = "c:\\users\\ŻÓ";
    ExpectBox(Complete(history, Typed(polish)), "c:\\users\\ŻÓłw\\śpiący-probe.exe", Bytes(polish),
              Bytes("c:\\users\\ŻÓłw\\śpiący-probe.exe"), 0);
    ExpectBox(Complete(history, Typed("ΩΜΈ")), "ΩΜΈγα-probe.exe", Bytes("ΩΜΈ"), Bytes("ΩΜΈγα-probe.exe"), 1);
    ExpectBox(Complete(history, Typed("БЛОК")), "БЛОКнот.exe", Bytes("БЛОК"), Bytes("БЛОКнот.exe"), 2);
    // Up to the last letter: nothing left to append, but the entry is found.
    ExpectBox(Complete(history, Typed("БЛОКНОТ.EXE")), "БЛОКНОТ.EXE", Bytes("БЛОКНОТ.EXE"), Bytes("БЛОКНОТ.EXE"), 2);
    ExpectBox(Complete(history, Typed("ΩΜΕ")), "ΩΜΕ", Bytes("ΩΜΕ"), Bytes("ΩΜΕ"), -1);
}

// Under the system's rule a letter and its other case may take a different
// number of bytes; completion counts characters. This rule calls any two
// texts of as many code points equal.
TEST(Complete, TakesTheEntrysRestAfterAsManyCharactersAsWereTyped) {
    CommandHistory history(
        [](const std::string& a, const std::string& b) { return CodePointCount(a) == CodePointCount(b); });
    history.Add("😀ł.exe");
    ExpectBox(Complete(history, Typed("ab")), "ab.exe", 2, 6, 0);
    ExpectBox(Complete(history, Typed("abcdef")), "abcdef", 6, 6, 0);
    // An entry with fewer characters than were typed does not complete.
    ExpectBox(Complete(history, Typed("abcdefg")), "abcdefg", 7, 7, -1);
}

TEST(Backspace, DeletesOneWholeCharacter) {
    ExpectBox(Backspace(Typed("Łódź")), "Łód", Bytes("Łód"), Bytes("Łód"), -1);
    ExpectBox(Backspace(Typed("zł")), "z", 1, 1, -1);
    ExpectBox(Backspace(Typed("a😀")), "a", 1, 1, -1);
    ExpectBox(Backspace({"ł😀b", 6, 6, -1}), "łb", 2, 2, -1);
    ExpectBox(Backspace({"ł😀b", 2, 6, -1}), "łb", 2, 2, -1);
    // After a completion the selected rest goes, as whole characters.
    const CommandHistory history = HistoryOf({"łódź.txt"});
    EditState box = Complete(history, Typed("Ł"));
    ExpectBox(box, "Łódź.txt", 2, Bytes("Łódź.txt"), 0);
    box = Backspace(box);
    ExpectBox(box, "Ł", 2, 2, -1);
    ExpectBox(Backspace(box), "", 0, 0, -1);
}

TEST(Normalized, MovesOffsetsInsideACharacterToItsStart) {
    const CommandHistory history = HistoryOf({});
    ExpectBox(Normalized(history, {"łó", 1, 3, -1}), "łó", 0, 2, -1);
    ExpectBox(Normalized(history, {"a😀", 4, 2, -1}), "a😀", 1, 1, -1);
    // A caret inside "ł" stands before it, so Backspace deletes the "a".
    ExpectBox(Backspace({"ał", 2, 2, -1}), "ł", 0, 0, -1);
}

TEST(Remember, AppendsNewTextAndMakesItCurrent) {
    CommandHistory history = HistoryOf({"calc"});
    const EditState box = Remember(history, Typed("notepad"));
    EXPECT_EQ(history.Count(), 2);
    ExpectBox(box, "notepad", 0, 7, 1);
}

TEST(Remember, ShowsTheEntrysOwnCaseWhenTheCurrentEntryChanges) {
    CommandHistory history(fakes::SameText);
    EditState box = Remember(history, Typed("calc"));
    box = Remember(history, Typed("notepad", box.currentIndex));
    box = Remember(history, Typed("CALC", box.currentIndex));
    EXPECT_EQ(EntriesOf(history), (std::vector<std::string>{"calc", "notepad"}));
    ExpectBox(box, "calc", 0, 4, 0);
}

TEST(Remember, KeepsTheTypedCaseWhenTheEntryIsAlreadyCurrent) {
    CommandHistory history = HistoryOf({"calc"});
    const EditState box = Remember(history, {"CALC", 1, 2, 0});
    ExpectBox(box, "CALC", 1, 2, 0);
    EXPECT_EQ(history.Count(), 1);
}

TEST(Complete, AppendsAndSelectsTheRestOfTheFirstMatchingEntry) {
    const CommandHistory history = HistoryOf({"notepad", "calc", "cmd", "Calculator"});
    ExpectBox(Complete(history, Typed("c")), "calc", 1, 4, 1);
    ExpectBox(Complete(history, Typed("cm")), "cmd", 2, 3, 2);
    ExpectBox(Complete(history, Typed("calcu")), "calculator", 5, 10, 3);
    // The typed characters keep their case, the rest is the entry's.
    ExpectBox(Complete(history, Typed("NOT")), "NOTepad", 3, 7, 0);
    ExpectBox(Complete(history, Typed("CALC")), "CALC", 4, 4, 1);
}

TEST(Complete, MatchesUmlautsIgnoringCase) {
    const CommandHistory history = HistoryOf({"ärger.txt"});
    ExpectBox(Complete(history, Typed("ÄR")), "ÄRger.txt", Bytes("ÄR"), Bytes("ÄRger.txt"), 0);
}

TEST(Complete, LeavesTheBoxAloneWithoutAMatchOrACaretAtTheEnd) {
    const CommandHistory history = HistoryOf({"calc", "notepad"});
    ExpectBox(Complete(history, Typed("x", 1)), "x", 1, 1, 1);
    ExpectBox(Complete(history, Typed("")), "", 0, 0, -1);
    ExpectBox(Complete(history, {"ca", 1, 1, -1}), "ca", 1, 1, -1);
    ExpectBox(Complete(history, {"ca", 0, 2, -1}), "ca", 0, 2, -1);
    ExpectBox(Complete(CommandHistory(fakes::SameText), Typed("c")), "c", 1, 1, -1);
}

TEST(Complete, TypingOverTheCompletedRestCompletesAgain) {
    const CommandHistory history = HistoryOf({"calc", "cmd"});
    EditState box = Complete(history, Typed("c"));
    ASSERT_EQ(box.text, "calc");
    // The edit field replaces the selected "alc" by the next key, "m".
    box.text = box.text.substr(0, box.selStart) + "m";
    box.selStart = box.selEnd = 2;
    ExpectBox(Complete(history, box), "cmd", 2, 3, 1);
}

TEST(Backspace, DeletesTheSelectionOrTheCharacterBeforeTheCaret) {
    ExpectBox(Backspace({"calc", 1, 4, 0}), "c", 1, 1, -1);
    ExpectBox(Backspace({"calc", 4, 4, 0}), "cal", 3, 3, -1);
    ExpectBox(Backspace({"calc", 2, 2, -1}), "clc", 1, 1, -1);
    ExpectBox(Backspace({"calc", 0, 0, 0}), "calc", 0, 0, -1);
    ExpectBox(Backspace({"", 0, 0, -1}), "", 0, 0, -1);
}

TEST(Backspace, ClearsTheCurrentEntrySoTheNextKeyCompletesAfresh) {
    const CommandHistory history = HistoryOf({"calc"});
    EditState box = Backspace(Complete(history, Typed("c")));
    ExpectBox(box, "c", 1, 1, -1);
    ExpectBox(Complete(history, box), "calc", 1, 4, 0);
}

TEST(Normalized, ClampsSelectionAndCurrentEntryIntoRange) {
    CommandHistory history = HistoryOf({"calc"});
    ExpectBox(Normalized(history, {"abc", -5, 99, 1}), "abc", 0, 3, -1);
    ExpectBox(Normalized(history, {"abc", 2, 1, -7}), "abc", 1, 2, -1);
    ExpectBox(Backspace({"abc", 7, 9, 0}), "ab", 2, 2, -1);
    ExpectBox(Remember(history, {"calc", 0, 0, 5}), "calc", 0, 4, 0);
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// On Windows the history gets the system's comparison; whatever it is
// given, membership and completion follow it. Here: exact comparison.
TEST(CommandHistory, MembershipAndCompletionFollowTheGivenComparison) {
    CommandHistory history([](const std::string& a, const std::string& b) { return a == b; });
    EXPECT_EQ(history.Add("calc"), 0);
    EXPECT_EQ(history.Add("CALC"), 1);
    EXPECT_EQ(history.Find("calc"), 0);
    EXPECT_EQ(history.FindPrefix("CA"), 1);
    EXPECT_EQ(history.FindPrefix("Ca"), -1);
    EXPECT_EQ(history.FindPrefix("calcx"), -1);  // longer than every entry
}

}  // namespace
}  // namespace velmora
