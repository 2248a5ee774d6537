// The run dialog's history under Wine: what leaving the box remembers,
// completion while typing, picking from the list, and Durchsuchen...
#include "RunDialogFixture.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace velmora {
namespace {

using wintest::Then;
using wintest::Until;
using wintest::WindowText;

TEST_F(RunDialogTest, MouseOnCancelRemembersTheTypedTextWhileEscDoesNot) {
    EXPECT_TRUE(ShowWith({
        Then([&] { Type("notepad"); }),
        Then([&] { Key(Edit(), VK_ESCAPE); }),
    }));
    EXPECT_EQ(HistoryCount(), 0);
    EXPECT_EQ(WindowText(Edt()), "notepad");

    EXPECT_TRUE(ShowWith({
        Then([&] {
            ClearBox();
            Type("calc");
        }),
        Then([&] { ClickWithMouse(TExecuteForm::kBclId); }),
    }));
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    ASSERT_EQ(HistoryCount(), 1);
    EXPECT_EQ(HistoryEntry(0), "calc");
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(RunDialogTest, TypingCompletesFromHistoryAndBackspaceTakesTheCompletionBack) {
    EXPECT_TRUE(ShowWith({
        Then([&] { Type("Notepad.exe"); }),
        Then([&] { Key(Edit(), VK_TAB); }),  // to OK: the text is remembered
        Then([&] {
            EXPECT_EQ(HistoryCount(), 1);
            SetFocus(Edt());
            ClearBox();
            PostMessageA(Edit(), WM_CHAR, VK_BACK, 1);
            Type("no");
        }),
        Then([&] {
            EXPECT_EQ(WindowText(Edt()), "notepad.exe");  // typed letters keep their case
            EXPECT_EQ(Selection(), std::make_pair(2, 11));
            EXPECT_EQ(SendMessageA(Edt(), CB_GETCURSEL, 0, 0), 0);
            PostMessageA(Edit(), WM_CHAR, VK_BACK, 1);
        }),
        Then([&] {
            EXPECT_EQ(WindowText(Edt()), "no");
            EXPECT_EQ(SendMessageA(Edt(), CB_GETCURSEL, 0, 0), CB_ERR);
            Type("x");
        }),
        Then([&] {
            EXPECT_EQ(WindowText(Edt()), "nox");
            Key(Edit(), VK_DOWN);  // picks the entry from the list
        }),
        Then([&] {
            EXPECT_EQ(WindowText(Edt()), "Notepad.exe");
            EXPECT_TRUE(IsWindowEnabled(Ok()));
            form->Close();
        }),
    }));
}

// The box counts in UTF-16 units, the history in UTF-8 bytes. An emoji's
// first half, typed alone, is left as it is: read and written back it would
// become U+FFFD and complete to an entry holding that character. Its second
// half completes to the right entry and selects exactly the rest.
TEST_F(RunDialogTest, AnEmojisFirstHalfWaitsForItsSecondThenCompletionSelectsTheRest) {
    const std::string emoji = "ł😀-probe.exe", replaced = "ł\uFFFDx";
    EXPECT_TRUE(ShowWith({
        Then([&] { Type(emoji); }),
        Then([&] { Key(Edit(), VK_TAB); }),
        Then([&] {
            SetFocus(Edt());
            ClearBox();
            Type("\b" + replaced);
        }),
        Then([&] { Key(Edit(), VK_TAB); }),
        Then([&] {
            ASSERT_EQ(HistoryCount(), 2);
            EXPECT_EQ(HistoryEntry(1), replaced);
            SetFocus(Edt());
            ClearBox();
            Type("\bł");
            PostMessageW(Edit(), WM_CHAR, 0xD83D, 1);
        }),
        Then([&] {
            wchar_t text[16] = {};
            EXPECT_EQ(GetWindowTextW(Edt(), text, 16), 2);
            EXPECT_EQ(text[1], 0xD83D) << "the first half stays as typed";
            PostMessageW(Edit(), WM_CHAR, 0xDE00, 1);
        }),
        Then([&] {
            EXPECT_EQ(WindowText(Edt()), emoji);
            EXPECT_EQ(Selection(), std::make_pair(3, 13));
            EXPECT_EQ(SendMessageW(Edt(), CB_GETCURSEL, 0, 0), 0);
            form->Close();
        }),
    }));
}

TEST_F(RunDialogTest, BrowseRemembersTheTypedTextThenTheChosenFile) {
    std::vector<HWND> owners;
    std::optional<std::string> chosen = "C:\\windows\\notepad.exe";
    openDialog = [&](HWND owner) {
        owners.push_back(owner);
        return chosen;
    };
    EXPECT_TRUE(ShowWith({
        Then([&] { Type("calc"); }),
        Then([&] { ClickWithMouse(TExecuteForm::kBbrId); }),
        Then([&] {
            ASSERT_EQ(owners.size(), 1u);
            EXPECT_EQ(owners[0], form->Handle());
            EXPECT_EQ(WindowText(Edt()), "C:\\windows\\notepad.exe");
            ASSERT_EQ(HistoryCount(), 2);
            EXPECT_EQ(HistoryEntry(0), "calc");
            EXPECT_EQ(HistoryEntry(1), "C:\\windows\\notepad.exe");
            EXPECT_TRUE(IsWindowEnabled(Ok()));
            chosen.reset();
            SetWindowTextW(Edt(), L"");
            ClickWithMouse(TExecuteForm::kBbrId);
        }),
        Then([&] {
            // Cancelled with an empty box: OK is disabled again.
            EXPECT_EQ(owners.size(), 2u);
            EXPECT_EQ(WindowText(Edt()), "");
            EXPECT_FALSE(IsWindowEnabled(Ok()));
            EXPECT_EQ(HistoryCount(), 2);
            form->Close();
        }),
    }));
}

// The real common dialog: owned by the run dialog, with its two filters.
TEST_F(RunDialogTest, BrowseOpensTheFileDialogWithProgramsAndAllFiles) {
    HWND fileDialog = nullptr;
    auto findFileDialog = [&] {
        std::vector<HWND> open = wintest::VisibleDialogBoxes();
        fileDialog = open.empty() ? nullptr : open.front();
        return fileDialog != nullptr;
    };
    EXPECT_TRUE(ShowWith({
        Then([&] { ClickWithMouse(TExecuteForm::kBbrId); }),
        Until(findFileDialog),
        Then([&] {
            EXPECT_EQ(GetWindow(fileDialog, GW_OWNER), form->Handle());
            HWND types = GetDlgItem(fileDialog, 0x470);  // the file type box
            ASSERT_NE(types, nullptr);
            ASSERT_EQ(SendMessageA(types, CB_GETCOUNT, 0, 0), 2);
            wchar_t text[64] = {};
            SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
            EXPECT_EQ(Narrow(text), "Programme");
            SendMessageW(types, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
            EXPECT_EQ(Narrow(text), "Alle Dateien");
            PostMessageA(fileDialog, WM_COMMAND, IDCANCEL, 0);
        }),
        Until([&] { return !IsWindow(fileDialog); }),
        Then([&] {
            EXPECT_TRUE(IsWindowVisible(form->Handle()));
            EXPECT_EQ(HistoryCount(), 0);
            form->Close();
        }),
    }));
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

using wintest::Then;

// The history ignores letter case by the system's rules, not by a table of
// its own: the system takes "^" and the modifier circumflex "ˆ" (U+02C6)
// for the same text, which no letter-case table would.
TEST_F(RunDialogTest, HistoryComparesByTheSystemsRules) {
    const std::string caret = "a^b", modifier = "aˆb";
    ASSERT_EQ(CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, L"a^b", -1, L"a\u02C6b", -1), CSTR_EQUAL)
        << "this system tells the two apart; pick another pair";
    EXPECT_TRUE(ShowWith({
        Then([&] { Type(caret); }),
        Then([&] { Key(Edit(), VK_TAB); }),
        Then([&] {
            SetFocus(Edt());
            ClearBox();
            Type(modifier);
        }),
        Then([&] { Key(Edit(), VK_TAB); }),
        Then([&] { form->Close(); }),
    }));
    ASSERT_EQ(HistoryCount(), 1);
    EXPECT_EQ(HistoryEntry(0), caret);
}

}  // namespace
}  // namespace velmora
