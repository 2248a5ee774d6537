// Every German text of the started program as a user reads it, through the
// wide entry points from outside: window captions, pages, columns, buttons,
// menus, the two dialogs and a confirmation box. The expected texts are the
// tests' own copies, typos included.
#include "ProgramText.h"
#include "StartedProgram.h"

#include "ui/about/Info_win.h"
#include "ui/main/MainMenu_win.h"
#include "ui/main/Unit1_win.h"
#include "ui/run/Execute_win.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

using wintest::CaptionOf;
using wintest::SameText;
using wintest::StartedProgram;
using wintest::TextOf;

struct Quoted {
    int id;
    const char* text;
};

void ExpectTexts(HWND window, const std::vector<Quoted>& controls) {
    for (const Quoted& control : controls) {
        SCOPED_TRACE(control.text);
        HWND child = wintest::Child(window, control.id);
        ASSERT_TRUE(child) << "control " << control.id;
        EXPECT_TRUE(SameText(TextOf(child), control.text));
    }
}

// Shows a dialog from its menu item, checks its caption and controls, and
// closes it again.
void ExpectDialog(const StartedProgram& program, int item, const char* className, const char* caption,
                  const std::vector<Quoted>& controls) {
    SCOPED_TRACE(className);
    program.Choose(item);
    HWND dialog = nullptr;
    ASSERT_TRUE(StartedProgram::Eventually([&] { return (dialog = program.VisibleWindow(className)) != nullptr; }));
    EXPECT_TRUE(SameText(CaptionOf(dialog), caption));
    ExpectTexts(dialog, controls);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(StartedProgram::Eventually([&] { return !IsWindowVisible(dialog); }));
}

// What needs only window texts, which reach across even to an emulated
// program: the main window, its buttons, both dialogs, a confirmation.
TEST(StartedProgramGermanTextsTest, WindowsButtonsDialogsAndTheConfirmationReadAsQuoted) {
    StartedProgram program;
    EXPECT_TRUE(SameText(CaptionOf(program.MainWindow()), "Velmora"));
    ExpectTexts(program.MainWindow(), {{TForm1::kExecuteBtnId, "Neuer Task..."},
                                       {TForm1::kBringToFrontBtnId, "Wechseln zu"},
                                       {TForm1::kFinalizeTaskBtnId, "Task beenden"},
                                       {TForm1::kFinalizeProcessBtnId, "Prozess beenden"}});

    ExpectDialog(program, kFileExecuteItem, "TExecuteForm", "Ausführen",
                 {{TExecuteForm::kLbl1Id,
                   "Geben Sie den Namen eines Programms, Ordners, Dokuments oder einer Internetressource an."},
                  {TExecuteForm::kLabel1Id, "Öffnen:"},
                  {TExecuteForm::kBokId, "OK"},
                  {TExecuteForm::kBclId, "Abbrechen"},
                  {TExecuteForm::kBbrId, "Durchsuchen..."}});

    ExpectDialog(program, kHelpInfoItem, "TInfoForm", "Info über Velmora",
                 {{TInfoForm::LabelId(1), "Velmora"},
                  {TInfoForm::LabelId(10), "Version 1.4"},
                  {TInfoForm::LabelId(2), "Build 1"},
                  {TInfoForm::LabelId(15), "Letzte Änderung:"},
                  {TInfoForm::LabelId(16), "4. März 2008"},
                  {TInfoForm::LabelId(3), "Copyrighthinweis"},
                  {TInfoForm::LabelId(11), "Webseite:"},
                  {TInfoForm::LabelId(13), "E-Mail:"},
                  {TInfoForm::LabelId(5), "Lizenz"},
                  {TInfoForm::LabelId(8), "Haftungsausschluss"},
                  {TInfoForm::LabelId(6),
                   "Das Programm wurde auf einigen, jedoch nicht allen möglichen, Systemen getestet, es wird "
                   "allerdings nicht für Schäden und Probleme, die direkt oder indirekt durch dieses Programmm "
                   "entstehen, gehaftet. Dafür ist ausschließlich der Lizenznehmer verantworltich."},
                  {TInfoForm::kButton1Id, "OK"}});

    // The confirmation for the first row, answered No: its name is whatever
    // process comes first, the rest is the program's own.
    HWND list = program.Control(TForm1::kProcessViewId);
    ASSERT_TRUE(list);
    PostMessageW(list, WM_KEYDOWN, VK_HOME, 0);
    ASSERT_TRUE(StartedProgram::Eventually(
        [list] { return SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 0; }));
    program.Choose(kFileFinalizeProcessItem);
    HWND box = nullptr;
    ASSERT_TRUE(StartedProgram::Eventually([&] { return (box = program.VisibleWindow("#32770")) != nullptr; }));
    EXPECT_TRUE(SameText(CaptionOf(box), "Bestätigen"));
    const std::wstring message = wintest::MessageOf(box);
    const std::wstring before = Wide("Sind Sie sicher, dass sie den Prozess \"");
    const std::wstring after = Wide("\" beenden möchten?");
    const bool framed = message.size() > before.size() + after.size() &&
                        message.compare(0, before.size(), before) == 0 &&
                        message.compare(message.size() - after.size(), after.size(), after) == 0;
    EXPECT_TRUE(framed) << Narrow(message);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
    ASSERT_TRUE(StartedProgram::Eventually([&] { return !IsWindow(box); }));
}

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

// What lies in the program's memory: page captions, column headers, menus.
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
