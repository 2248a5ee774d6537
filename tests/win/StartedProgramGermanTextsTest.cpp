// The German texts of the started program that only its own memory holds,
// read from outside through the wide entry points: page captions, column
// headers and menus. (Captions, buttons, labels and boxes are read as window
// texts by the tests of each window and by the other started-program tests.)
// The expected texts are the tests' own copies.
#include "ProgramText.h"
#include "StartedProgram.h"

#include "ui/main/Unit1_win.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

using wintest::SameText;
using wintest::StartedProgram;

HWND TabControlOf(HWND main) {
    return FindWindowExW(main, nullptr, WC_TABCONTROLW, nullptr);
}

// A menu item as quoted; `alternative` is a second text the item may
// carry, the shortcut after a tab left aside.
struct QuotedItem {
    int depth;
    const char* text;
    const char* alternative = nullptr;
};

std::wstring WithoutShortcut(const std::wstring& text) {
    return text.substr(0, text.find(L'\t'));
}

TEST(StartedProgramGermanTextsTest, PagesColumnsAndMenusReadAsQuoted) {
    if (!wintest::ProgramMemoryReachable()) GTEST_SKIP() << "the emulated program's memory is out of reach";
    StartedProgram program;

    HWND tabs = TabControlOf(program.MainWindow());
    ASSERT_TRUE(tabs);
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_TRUE(SameText(wintest::TabText(tabs, 0), "Anwendungen"));
    EXPECT_TRUE(SameText(wintest::TabText(tabs, 1), "Prozesse"));

    const struct {
        int view;
        std::vector<const char*> columns;
    } views[] = {{TForm1::kTaskViewId, {"Task", "Status"}},
                 {TForm1::kProcessViewId, {"Name", "PID", "Threads", "Priorität"}}};
    for (const auto& view : views) {
        HWND list = program.Control(view.view);
        ASSERT_TRUE(list);
        HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
        EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(view.columns.size()));
        for (std::size_t i = 0; i < view.columns.size(); ++i) {
            EXPECT_TRUE(SameText(wintest::ColumnText(list, static_cast<int>(i)), view.columns[i]));
        }
    }

    // The menu bar as the process page shows it: the applications page's
    // two file items are out of the menu. The file menu's "Prozess beenden"
    // drops its accelerator once the selection has first been reported.
    const QuotedItem quoted[] = {
        {0, "&Datei"},
        {1, "&Neuer Task (Ausführen...)"},
        {1, "-"},
        {1, "&Prozess beenden", "Prozess beenden"},
        {1, "Priorität festlegen"},
        {2, "Echtzeit"},
        {2, "Hoch"},
        {2, "Höher als Normal"},
        {2, "Normal"},
        {2, "Niedriger als Normal"},
        {2, "Niedrig"},
        {1, "-"},
        {1, "&Beenden"},
        {0, "&Optionen"},
        {1, "&Nach Programmstart minimieren"},
        {1, "&Immer im Vordergrund"},
        {0, "&Ansicht"},
        {1, "&Aktualisieren"},
        {1, "A&ktualisierungsgeschwindigkeit"},
        {2, "&Hoch"},
        {2, "&Normal"},
        {2, "N&iedrig"},
        {2, "&Angehalten"},
        {0, "&?"},
        {1, "&Info"},
    };
    const std::vector<wintest::ShownMenuItem> shown = wintest::MenuOf(program.MainWindow());
    ASSERT_EQ(shown.size(), std::size(quoted));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        SCOPED_TRACE(quoted[i].text);
        EXPECT_EQ(shown[i].depth, quoted[i].depth);
        const std::wstring text = WithoutShortcut(shown[i].text);
        const bool isAlternative = quoted[i].alternative && text == Wide(quoted[i].alternative);
        EXPECT_TRUE(SameText(text, isAlternative ? quoted[i].alternative : quoted[i].text));
    }
}

}  // namespace
}  // namespace velmora
