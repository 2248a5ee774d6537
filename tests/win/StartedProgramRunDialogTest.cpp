// The started program's run dialog, typed into from outside by posted
// WM_CHAR messages, one per UTF-16 unit, as a keyboard (or an input method)
// delivers them: paths in other scripts, Backspace over letters beyond
// 8 bits and over a surrogate pair, and completion from a Cyrillic entry.
#include "ChildCopies.h"
#include "ProgramText.h"
#include "StartedProgram.h"

#include "ui/main/MainMenu_win.h"
#include "ui/run/Execute_win.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace velmora {
namespace {

using wintest::CaptionOf;
using wintest::SameText;
using wintest::StartedProgram;
using wintest::TextOf;

// How long a posted keystroke may take to show: seconds where the program
// runs under emulation.
DWORD Patience() {
    return wintest::ProgramMemoryReachable() ? 5000 : 120000;
}

// The run dialog of a started program, opened from its menu.
class RunDialog {
public:
    explicit RunDialog(const StartedProgram& program) : program_(program) {
        program.Choose(kFileExecuteItem);
        StartedProgram::Eventually([&] { return (dialog_ = program.VisibleWindow("TExecuteForm")) != nullptr; });
        if (dialog_) combo_ = wintest::Child(dialog_, TExecuteForm::kEdtId);
        if (combo_) edit_ = FindWindowExW(combo_, nullptr, L"Edit", nullptr);
    }
    bool Open() const { return edit_ != nullptr; }
    HWND Combo() const { return combo_; }

    void Type(const std::wstring& text) const {
        for (wchar_t unit : text) PostMessageW(edit_, WM_CHAR, unit, 1);
    }
    void Type(const char* utf8) const { Type(Wide(utf8)); }
    void Backspace() const { PostMessageW(edit_, WM_CHAR, VK_BACK, 1); }
    void PressEnter() const {
        PostMessageW(edit_, WM_KEYDOWN, VK_RETURN, 1);
        PostMessageW(edit_, WM_KEYUP, VK_RETURN, 0xC0000001);
    }
    void SelectAll() const { SendMessageW(edit_, EM_SETSEL, 0, -1); }

    // The box's text once it equals `expected`, or as it stands when the
    // program's patience runs out.
    std::wstring TextOnce(const std::wstring& expected) const {
        std::wstring shown;
        StartedProgram::Eventually([&] { return (shown = TextOf(edit_)) == expected; }, Patience());
        return shown;
    }
    // The selection in UTF-16 units.
    std::pair<int, int> Selection() const {
        const DWORD selection = static_cast<DWORD>(SendMessageW(edit_, EM_GETSEL, 0, 0));
        return {LOWORD(selection), HIWORD(selection)};
    }
    bool FocusInBox() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return GetGUIThreadInfo(GetWindowThreadProcessId(dialog_, nullptr), &info) && info.hwndFocus == edit_;
    }
    // The message box the program shows, or null when none comes.
    HWND Box(DWORD ms = 60000) const {
        HWND box = nullptr;
        StartedProgram::Eventually([&] { return (box = program_.VisibleWindow("#32770")) != nullptr; }, ms);
        return box;
    }

private:
    const StartedProgram& program_;
    HWND dialog_ = nullptr;
    HWND combo_ = nullptr;
    HWND edit_ = nullptr;
};

bool Answer(HWND box, int button) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    return StartedProgram::Eventually([&] { return !IsWindow(box); });
}

std::wstring TempFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return temp;
}

std::wstring NotFoundPrefix(const std::wstring& typed) {
    return Wide("Die Datei \"") + typed +
           Wide(
               "\" (oder eine ihrer Komponenten) wurde nicht gefunden. Stellen Sie sicher, dass die Pfad- und "
               "Dateinamenangaben stimmen und alle erforderlichen Bibilotheken verfügbar sind.");
}

TEST(StartedProgramRunDialogTest, APathWithPolishLettersTypedIntoTheRunDialogStartsThatProgram) {
    wintest::ChildCopies copies;
    const std::wstring path = copies.Copy(Wide("Żółw\\śpiący-probe.exe"));
    ASSERT_FALSE(path.empty()) << "cannot copy the child (error " << GetLastError() << ")";
    StartedProgram program;
    RunDialog run(program);
    ASSERT_TRUE(run.Open());

    const std::wstring typed = L"\"" + path + L"\" 60";
    run.Type(typed);
    EXPECT_TRUE(SameText(run.TextOnce(typed), typed));
    run.PressEnter();

    // Either the program starts it, or it says why not.
    std::vector<DWORD> started;
    HWND box = nullptr;
    StartedProgram::Eventually([&] {
        started = wintest::ProcessesNamed(Wide("śpiący-probe.exe"), program.Pid());
        box = program.VisibleWindow("#32770");
        return !started.empty() || box;
    });
    if (box) {
        ADD_FAILURE() << "the program showed a box instead, captioned \"" << Narrow(CaptionOf(box))
                      << "\": " << Narrow(wintest::MessageOf(box));
        Answer(box, IDOK);
    }
    ASSERT_EQ(started.size(), 1u);
    ASSERT_TRUE(copies.Own(started[0]));
    EXPECT_TRUE(copies.End(started[0]));
}

TEST(StartedProgramRunDialogTest, AFailingPathWithGreekLettersGivesTheBoxCaptionedWithExactlyThatText) {
    StartedProgram program;
    RunDialog run(program);
    ASSERT_TRUE(run.Open());
    const std::wstring typed = L"\"" + TempFolder() + Wide("Ωμέγα\\λάθος-probe.exe\"");
    run.Type(typed);
    EXPECT_TRUE(SameText(run.TextOnce(typed), typed));
    run.PressEnter();

    HWND box = run.Box();
    ASSERT_TRUE(box) << "no box for a path that does not exist";
    EXPECT_TRUE(SameText(CaptionOf(box), typed)) << "the caption";
    // The shell may say the file or its folder is missing.
    const std::wstring message = wintest::MessageOf(box);
    const std::wstring prefix = NotFoundPrefix(typed);
    const std::wstring fileMissing = prefix + Wide("\r\rDie Datei wurde nicht gefunden.");
    const std::wstring folderMissing = prefix + Wide("\r\rDer Dateipfad wurde nicht gefunden.");
    EXPECT_TRUE(SameText(message, message == folderMissing ? folderMissing : fileMissing)) << "the message";
    ASSERT_TRUE(Answer(box, IDOK));

    // The dialog stays open with the whole text selected in the box.
    EXPECT_TRUE(SameText(run.TextOnce(typed), typed));
    EXPECT_EQ(run.Selection(), std::make_pair(0, static_cast<int>(typed.size())));
    EXPECT_TRUE(run.FocusInBox());
}

TEST(StartedProgramRunDialogTest, BackspaceAndASurrogatePairTypedAsTwoHalvesEditWholeCharacters) {
    StartedProgram program;
    RunDialog run(program);
    ASSERT_TRUE(run.Open());

    run.Type("Żółw");
    EXPECT_TRUE(SameText(run.TextOnce(Wide("Żółw")), "Żółw"));
    run.Backspace();
    EXPECT_TRUE(SameText(run.TextOnce(Wide("Żół")), "Żół"));
    run.Backspace();
    EXPECT_TRUE(SameText(run.TextOnce(Wide("Żó")), "Żó")) << "Backspace over ł";
    EXPECT_EQ(run.Selection(), std::make_pair(2, 2));

    run.SelectAll();
    run.Backspace();
    EXPECT_TRUE(SameText(run.TextOnce(L""), L""));
    // U+1F422 arrives as D83D, then DC22.
    const std::wstring turtle = Wide("🐢");
    ASSERT_EQ(turtle.size(), 2u);
    run.Type(turtle);
    EXPECT_TRUE(SameText(run.TextOnce(turtle), turtle)) << "the emoji, whole";
    EXPECT_EQ(run.Selection(), std::make_pair(2, 2));
    run.Type("x");
    EXPECT_TRUE(SameText(run.TextOnce(Wide("🐢x")), "🐢x"));
    run.Backspace();
    EXPECT_TRUE(SameText(run.TextOnce(turtle), turtle));
    run.Backspace();
    EXPECT_TRUE(SameText(run.TextOnce(L""), L"")) << "Backspace over the emoji takes both halves";
}

TEST(StartedProgramRunDialogTest, TypingCompletesFromACyrillicHistoryEntryWhateverTheLetterCase) {
    StartedProgram program;
    RunDialog run(program);
    ASSERT_TRUE(run.Open());

    // Entered once; no such program, so the shell fails and the box says so.
    const std::wstring entry = Wide("Привет-probe.exe");
    run.Type(entry);
    EXPECT_TRUE(SameText(run.TextOnce(entry), entry));
    run.PressEnter();
    HWND box = run.Box();
    ASSERT_TRUE(box);
    EXPECT_TRUE(SameText(CaptionOf(box), entry)) << "the caption";
    ASSERT_TRUE(Answer(box, IDOK));
    EXPECT_EQ(SendMessageW(run.Combo(), CB_GETCOUNT, 0, 0), 1);
    EXPECT_TRUE(SameText(wintest::ComboEntry(run.Combo(), 0), entry)) << "the history entry";

    // The text is selected after the failure: typing replaces it, and the
    // entry completes what was typed, the rest selected.
    EXPECT_TRUE(StartedProgram::Eventually(
        [&] { return run.Selection() == std::make_pair(0, static_cast<int>(entry.size())); }, Patience()));
    run.Type("пр");
    EXPECT_TRUE(SameText(run.TextOnce(Wide("привет-probe.exe")), "привет-probe.exe"));
    EXPECT_EQ(run.Selection(), std::make_pair(2, 16));

    // Backspace takes the completed rest; capitals complete as well.
    run.Backspace();
    EXPECT_TRUE(SameText(run.TextOnce(Wide("пр")), "пр"));
    run.Type("ИВ");
    EXPECT_TRUE(SameText(run.TextOnce(Wide("прИВет-probe.exe")), "прИВет-probe.exe"));
    EXPECT_EQ(run.Selection(), std::make_pair(4, 16));
}

}  // namespace
}  // namespace velmora
