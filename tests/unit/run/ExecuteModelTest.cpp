#include "tests/fakes/FakeDialogs.h"
#include "tests/fakes/FakeTextCase.h"
#include "ui/run/ExecuteModel.h"
#include "ui/run/ShellErrors.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// The history's entries in order, read as the dialog reads them.
std::vector<std::string> EntriesOf(const CommandHistory& history) {
    std::vector<std::string> entries;
    for (int i = 0; i < history.Count(); ++i) entries.push_back(history.Entry(i));
    return entries;
}

const char* const kPrefixBefore = "Die Datei \"";
const char* const kPrefixAfter =
    "\" (oder eine ihrer Komponenten) wurde nicht gefunden. Stellen Sie sicher, dass die "
    "Pfad- und Dateinamenangaben stimmen und alle erforderlichen Bibilotheken verfügbar sind.";

EditState Typed(const std::string& text, int currentIndex = -1) {
    const int end = static_cast<int>(text.size());
    return {text, end, end, currentIndex};
}

class ExecuteModelTest : public ::testing::Test {
protected:
    fakes::FakeShell shell;
    fakes::FakeMessageBoxes boxes;
    ExecuteModel model{shell, boxes, CommandHistory(fakes::SameText)};
};

TEST_F(ExecuteModelTest, SuccessClosesAndMinimizesOnlyWhenAsked) {
    shell.result = 42;
    ExecuteResult result = model.bokClick(Typed("notepad.exe"), true);
    EXPECT_EQ(result.after, AfterExecute::CloseAndMinimize);
    result = model.bokClick(Typed("notepad.exe"), false);
    EXPECT_EQ(result.after, AfterExecute::Close);
    EXPECT_TRUE(boxes.shown.empty());
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].file, "notepad.exe");
    EXPECT_EQ(shell.calls[0].parameters, "");
}

TEST_F(ExecuteModelTest, ThirtyTwoAndAboveCountAsSuccess) {
    for (std::uintptr_t code : {std::uintptr_t(32), std::uintptr_t(33), ~std::uintptr_t(0)}) {
        shell.result = code;
        EXPECT_EQ(model.bokClick(Typed("x"), false).after, AfterExecute::Close) << code;
    }
    shell.result = 31;
    EXPECT_EQ(model.bokClick(Typed("x"), false).after, AfterExecute::StayOpen);
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(ExecuteModelTest, HandsTheSplitCommandLineToTheShell) {
    model.bokClick(Typed("\"C:\\Program Files\\x\\a.exe\" -q"), true);
    model.bokClick(Typed("\"abc"), true);
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].file, "C:\\Program Files\\x\\a.exe");
    EXPECT_EQ(shell.calls[0].parameters, "-q");
    EXPECT_EQ(shell.calls[1].file, "");
    EXPECT_EQ(shell.calls[1].parameters, "bc");
}

TEST_F(ExecuteModelTest, FailureShowsAnErrorCaptionedWithTheTextAndSelectsIt) {
    shell.result = 2;
    const ExecuteResult result = model.bokClick({"gibtsnicht.exe", 3, 3, -1}, true);
    EXPECT_EQ(result.after, AfterExecute::StayOpen);
    EXPECT_EQ(result.box.text, "gibtsnicht.exe");
    EXPECT_EQ(result.box.selStart, 0);
    EXPECT_EQ(result.box.selEnd, 14);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, BoxKind::Error);
    EXPECT_EQ(boxes.shown[0].caption, "gibtsnicht.exe");
    EXPECT_EQ(boxes.shown[0].text,
              std::string(kPrefixBefore) + "gibtsnicht.exe" + kPrefixAfter + "\r\rDie Datei wurde nicht gefunden.");
    // The failed text stays in the history.
    EXPECT_EQ(model.History().Find("gibtsnicht.exe"), 0);
}

TEST_F(ExecuteModelTest, AFailingPathInAnyScriptIsTheCaptionAsTyped) {
    shell.result = 3;
    const std::string path = "\"C:\\Temp\\Ωμέγα\\δοκιμή.exe\" -x";
    const ExecuteResult result = model.bokClick(Typed(path), true);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, "C:\\Temp\\Ωμέγα\\δοκιμή.exe");
    EXPECT_EQ(shell.calls[0].parameters, "-x");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, path);
    EXPECT_EQ(boxes.shown[0].text,
              std::string(kPrefixBefore) + path + kPrefixAfter + "\r\rDer Dateipfad wurde nicht gefunden.");
    EXPECT_EQ(result.box.selStart, 0);
    EXPECT_EQ(result.box.selEnd, static_cast<int>(path.size()));
}

TEST_F(ExecuteModelTest, EveryListedCodeAppendsItsExplanation) {
    const std::pair<std::uintptr_t, const char*> kExplanations[] = {
        {0,
         "Der Platz im Arbeitsspeicher reicht nicht aus, die auszuführende Datei ist beschädigt, "
         "oder die Programmverschiebung war ungültig."},
        {2, "Die Datei wurde nicht gefunden."},
        {3, "Der Dateipfad wurde nicht gefunden."},
        {5,
         "Es wurde versucht, einen Task dynamisch zu verlinken, oder es gab einen Zugriffs- oder "
         "Netzwerkschutz-Fehler."},
        {6, "Eine Bibilothek benötigt seperate Datensegmente jeden Task."},
        {8, "Der Speicher reicht nicht aus, um die Anwendung zu starten."},
        {10, "Falsche Windows-Version"},
        {11,
         "Die auszuführende Datei ist ungültig. Entweder ist sie keine gültige Win32-Anwendung, "
         "oder die Datei ist beschädigt."},
        {12, "Die Anwendung wurde für ein anderes Betriebssystem entwickelt."},
        {13, "Die Anwendung wurde für MS-DOS 4.0 entwickelt."},
        {14, "Unbekannter Dateityp"},
        {15, "Es wurde versucht, eine Real-Mode-Anwendung zu starten"},
        {16,
         "Es wurde versucht, eine zweite Instanz einer Anwendung zu starten, die mehrere "
         "Datensegmente beinhaltet, die nicht als \"nur lesbar\" markiertwurden."},
        {19,
         "Es wurde versucht, eine gepackte Anwendung zu starten. Die Anwendung muss entpackt "
         "werden, bevor sie geladen werden kann."},
        {20, "Einer der Dynamic-Link-Librarys, die für diese Anwendung benötigt werden, ist ungültig"},
        {21, "Die Anwendug benötigt eine Microsoft Windows 32Bit-Erweiterung."},
    };
    for (const auto& [code, explanation] : kExplanations) {
        shell.result = code;
        boxes.shown.clear();
        model.bokClick(Typed("ärger.txt"), true);
        ASSERT_EQ(boxes.shown.size(), 1u) << code;
        EXPECT_EQ(boxes.shown[0].text, std::string(kPrefixBefore) + "ärger.txt" + kPrefixAfter + "\r\r" + explanation)
            << code;
    }
}

TEST_F(ExecuteModelTest, UnlistedCodesShowThePrefixAlone) {
    for (std::uintptr_t code : {1, 4, 7, 9, 17, 18, 22, 31}) {
        shell.result = code;
        boxes.shown.clear();
        model.bokClick(Typed("x y"), true);
        ASSERT_EQ(boxes.shown.size(), 1u) << code;
        EXPECT_EQ(boxes.shown[0].text, std::string(kPrefixBefore) + "x y" + kPrefixAfter) << code;
    }
    // The explanation lookup is not fooled by success values either.
    EXPECT_EQ(ShellFailureMessage("x", 32), std::string(kPrefixBefore) + "x" + kPrefixAfter);
}

TEST_F(ExecuteModelTest, UsesTheHistorysSpellingOnceTheEntryBecomesCurrent) {
    model.bokClick(Typed("calc"), true);
    model.bokClick(Typed("notepad", 0), true);
    shell.result = 2;
    std::vector<std::string> shownBeforeShell;
    const ExecuteResult result = model.bokClick(Typed("CALC", 1), true, [&](const EditState& box) {
        EXPECT_EQ(shell.calls.size(), 2u) << "the box is shown remembered before the shell runs";
        shownBeforeShell.push_back(box.text);
    });
    EXPECT_EQ(shownBeforeShell, (std::vector<std::string>{"calc"}));
    EXPECT_EQ(EntriesOf(model.History()), (std::vector<std::string>{"calc", "notepad"}));
    EXPECT_EQ(result.box.text, "calc");
    EXPECT_EQ(result.box.currentIndex, 0);
    EXPECT_EQ(shell.calls.back().file, "calc");
    EXPECT_EQ(boxes.shown.back().caption, "calc");
}

TEST_F(ExecuteModelTest, LeavingTheBoxRemembersOnlyNonEmptyText) {
    EXPECT_EQ(model.edtExit(Typed("")).currentIndex, -1);
    EXPECT_EQ(model.History().Count(), 0);
    const EditState box = model.edtExit(Typed("cmd"));
    EXPECT_EQ(box.currentIndex, 0);
    EXPECT_EQ(EntriesOf(model.History()), (std::vector<std::string>{"cmd"}));
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(ExecuteModelTest, OnlyMovingToAnotherControlOfTheDialogLeavesTheBox) {
    EXPECT_FALSE(model.FocusLost(Typed("cmd"), FocusTarget::TheBox));
    EXPECT_FALSE(model.FocusLost(Typed("cmd"), FocusTarget::Elsewhere));
    EXPECT_EQ(model.History().Count(), 0) << "Esc, hiding or another program keep the text out";
    const std::optional<EditState> left = model.FocusLost(Typed("cmd"), FocusTarget::DialogControl);
    ASSERT_TRUE(left);
    EXPECT_EQ(left->currentIndex, 0);
    EXPECT_EQ(EntriesOf(model.History()), (std::vector<std::string>{"cmd"}));
    const std::optional<EditState> empty = model.FocusLost(Typed(""), FocusTarget::DialogControl);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->currentIndex, -1);
    EXPECT_EQ(model.History().Count(), 1);
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(ExecuteModelTest, BrowsingPutsTheChosenPathIntoBoxAndHistory) {
    EditState box = model.bbrClick(Typed("abc"), std::nullopt);
    EXPECT_EQ(box.text, "abc");
    EXPECT_EQ(model.History().Count(), 0);
    box = model.bbrClick(box, std::string("C:\\Windows\\notepad.exe"));
    EXPECT_EQ(box.text, "C:\\Windows\\notepad.exe");
    EXPECT_EQ(box.currentIndex, 0);
    EXPECT_EQ(model.History().Find("c:\\windows\\NOTEPAD.EXE"), 0);
}

}  // namespace
}  // namespace velmora
