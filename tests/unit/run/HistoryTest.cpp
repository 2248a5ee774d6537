#include "ui/run/AnsiCase.h"
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
    CommandHistory history;
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

TEST(AnsiCase, FoldsGermanWindowsLetterPairs) {
    EXPECT_TRUE(SameTextAnsi("ÄRGER", "ärger"));
    EXPECT_TRUE(SameTextAnsi("ÖL ÜBER ÉCLAIR", "öl über éclair"));
    EXPECT_TRUE(SameTextAnsi("ŠŒŽŸ", "šœžÿ"));
    EXPECT_TRUE(SameTextAnsi("ÀÞ", "àþ"));
    EXPECT_FALSE(SameTextAnsi("×", "÷"));  // signs, not letters
    EXPECT_FALSE(SameTextAnsi("ß", "SS"));
    EXPECT_FALSE(SameTextAnsi("[", "{"));  // 0x5B/0x7B lie 32 apart but are no letters
    EXPECT_FALSE(SameTextAnsi("ab", "abc"));
    EXPECT_TRUE(StartsTextAnsi("Ärger.txt", "äR"));
    EXPECT_FALSE(StartsTextAnsi("är", "ärger"));
}

TEST(CommandHistory, AddKeepsOneEntryPerTextIgnoringCase) {
    CommandHistory history;
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

TEST(Remember, AppendsNewTextAndMakesItCurrent) {
    CommandHistory history = HistoryOf({"calc"});
    const EditState box = Remember(history, Typed("notepad"));
    EXPECT_EQ(history.Count(), 2);
    ExpectBox(box, "notepad", 0, 7, 1);
}

TEST(Remember, ShowsTheEntrysOwnCaseWhenTheCurrentEntryChanges) {
    CommandHistory history;
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
    ExpectBox(Complete(history, Typed("ÄR")), "ÄRger.txt", 2, 9, 0);
}

TEST(Complete, LeavesTheBoxAloneWithoutAMatchOrACaretAtTheEnd) {
    const CommandHistory history = HistoryOf({"calc", "notepad"});
    ExpectBox(Complete(history, Typed("x", 1)), "x", 1, 1, 1);
    ExpectBox(Complete(history, Typed("")), "", 0, 0, -1);
    ExpectBox(Complete(history, {"ca", 1, 1, -1}), "ca", 1, 1, -1);
    ExpectBox(Complete(history, {"ca", 0, 2, -1}), "ca", 0, 2, -1);
    ExpectBox(Complete(CommandHistory(), Typed("c")), "c", 1, 1, -1);
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
