// The main menu's model: what the menus hold at start, what a page switch
// shows and hides, where the radio marks go, and which item a shortcut key
// reaches and whether it acts.
#include "ui/main/MainMenuModel.h"

#include "tests/unit/main/ProcessPageFixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace velmora {

void PrintTo(const MenuKey& key, std::ostream* out) {
    *out << ShortcutText(key);
}

namespace {

constexpr MenuKey kDel{kKeyDelete, false, false};
constexpr MenuKey kCtrlDel{kKeyDelete, true, false};
constexpr MenuKey kCtrlN{'N', true, false};
constexpr MenuKey kCtrlW{'W', true, false};
constexpr MenuKey kAltF4{kKeyF4, false, true};
constexpr MenuKey kF5{kKeyF5, false, false};

std::vector<int> ChildrenShown(const MainMenuModel& menu, int parent) {
    std::vector<int> ids;
    for (const MenuItem& item : menu.Items()) {
        if (item.parent == parent && item.visible) ids.push_back(item.id);
    }
    return ids;
}

std::vector<int> CheckedOf(const MainMenuModel& menu, int first, int count) {
    std::vector<int> ids;
    for (int id = first; id < first + count; ++id) {
        if (menu.Checked(id)) ids.push_back(id);
    }
    return ids;
}

// --- At start ---------------------------------------------------------

TEST(MainMenuStart, MenuBarAndFileMenuHoldTheirItemsInOrderWithTheirCaptions) {
    MainMenuModel menu;
    EXPECT_EQ(ChildrenShown(menu, kMenuBar), (std::vector<int>{kFileMenu, kOptionsMenu, kViewMenu, kHelpMenu}));
    EXPECT_EQ(ChildrenShown(menu, kFileMenu),
              (std::vector<int>{kFileExecuteItem, kN3, kFileFinalizeProcessItem, kFilePriorityItem,
                                kFileFinalizeTaskItem, kFileBringToFrontItem, kN2, kFileQuitItem}));
    EXPECT_EQ(menu.Caption(kFileMenu), "&Datei");
    EXPECT_EQ(menu.Caption(kFileExecuteItem), "&Neuer Task (Ausführen...)");
    EXPECT_EQ(menu.Caption(kFileFinalizeProcessItem), "&Prozess beenden");
    EXPECT_EQ(menu.Caption(kFilePriorityItem), "Priorität festlegen");
    EXPECT_EQ(menu.Caption(kOptionsMinimizeAfterExecutingItem), "&Nach Programmstart minimieren");
    EXPECT_EQ(menu.Caption(kViewUpdateTimeMenu), "A&ktualisierungsgeschwindigkeit");
    EXPECT_EQ(menu.Caption(kViewUpdateTimeLowItem), "N&iedrig");
    EXPECT_EQ(menu.Caption(kHelpMenu), "&?");
    EXPECT_TRUE(menu.Find(kN3)->separator);
}

TEST(MainMenuStart, TaskItemsAreDisabledAndBothOptionsAndNormalSpeedAreChecked) {
    MainMenuModel menu;
    for (int id :
         {kFileFinalizeTaskItem, kFileBringToFrontItem, kTaskTurnToItem, kTaskBringToFrontItem, kTaskFinalizeItem}) {
        EXPECT_FALSE(menu.Enabled(id)) << id;
    }
    for (int id : {kFileExecuteItem, kFileFinalizeProcessItem, kFilePriorityItem, kFileQuitItem, kViewUpdateItem,
                   kProcessFinalizeItem, kProcessSetPriorityItem}) {
        EXPECT_TRUE(menu.Enabled(id)) << id;
    }
    EXPECT_TRUE(menu.Checked(kOptionsMinimizeAfterExecutingItem));
    EXPECT_TRUE(menu.Checked(kOptionsAlwaysOnTopItem));
    EXPECT_EQ(CheckedOf(menu, kViewUpdateTimeHighItem, 4), (std::vector<int>{kViewUpdateTimeNormalItem}));
}

TEST(MainMenuStart, BothPrioritySubmenusListTheClassesAsUncheckedRadioItems) {
    MainMenuModel menu;
    const std::vector<std::string> names{"Echtzeit", "Hoch", "Höher als Normal", "Normal", "Niedriger als Normal",
                                         "Niedrig"};
    const std::vector<int> tags{256, 128, 32768, 32, 16384, 64};
    for (int submenu : {kFilePriorityItem, kProcessSetPriorityItem}) {
        const int first = submenu == kFilePriorityItem ? kFilePriorityFirstItem : kProcessPriorityFirstItem;
        ASSERT_EQ(ChildrenShown(menu, submenu).size(), 6u);
        for (int i = 0; i < kPriorityItemCount; ++i) {
            const MenuItem& item = *menu.Find(first + i);
            EXPECT_EQ(item.parent, submenu);
            EXPECT_EQ(item.caption, names[static_cast<std::size_t>(i)]);
            EXPECT_EQ(item.tag, tags[static_cast<std::size_t>(i)]);
            EXPECT_TRUE(item.radio);
            EXPECT_FALSE(item.checked);
        }
    }
}

TEST(MainMenuStart, ShortcutsAreShownByTheirGermanKeyNames) {
    EXPECT_EQ(ShortcutText(kDel), "Entf");
    EXPECT_EQ(ShortcutText(kCtrlDel), "Strg+Entf");
    EXPECT_EQ(ShortcutText(kCtrlN), "Strg+N");
    EXPECT_EQ(ShortcutText(kAltF4), "Alt+F4");
    EXPECT_EQ(ShortcutText(kF5), "F5");
    MainMenuModel menu;
    EXPECT_EQ(menu.Find(kFileFinalizeTaskItem)->shortcut, kDel);
    EXPECT_EQ(menu.Find(kFileBringToFrontItem)->shortcut, kCtrlW);
    EXPECT_EQ(menu.Find(kFileQuitItem)->shortcut, kAltF4);
}

// --- Page switch ------------------------------------------------------

class MainMenuPages : public ::testing::Test {
protected:
    MainMenuModel menu;
    std::vector<int> refilled;
    // The window shows the process page when it opens.
    void SetUp() override {
        menu.ShowPageItems(true);
        menu.OnChange = [this](const MenuItem& item, MenuChange change) {
            if (change == MenuChange::Visibility) refilled.push_back(item.parent);
        };
    }
};

TEST_F(MainMenuPages, ApplicationsPageShowsTheTaskItemsInsteadOfTheProcessItems) {
    menu.ShowPageItems(false);
    EXPECT_EQ(ChildrenShown(menu, kFileMenu), (std::vector<int>{kFileExecuteItem, kN3, kFileFinalizeTaskItem,
                                                                kFileBringToFrontItem, kN2, kFileQuitItem}));
    EXPECT_FALSE(menu.Shown(kFilePriorityFirstItem));  // inside the hidden submenu
    EXPECT_FALSE(menu.Enabled(kFileFinalizeTaskItem));
    EXPECT_EQ(refilled, (std::vector<int>(4, kFileMenu)));
}

TEST_F(MainMenuPages, SwitchingBackRestoresTheProcessItemsWithTheirState) {
    menu.SetCaption(kFileFinalizeProcessItem, "Prozesse beenden");
    menu.SetEnabled(kFilePriorityItem, false);
    menu.ShowPageItems(false);
    menu.ShowPageItems(true);
    EXPECT_EQ(ChildrenShown(menu, kFileMenu), (std::vector<int>{kFileExecuteItem, kN3, kFileFinalizeProcessItem,
                                                                kFilePriorityItem, kN2, kFileQuitItem}));
    EXPECT_EQ(menu.Caption(kFileFinalizeProcessItem), "Prozesse beenden");
    EXPECT_FALSE(menu.Enabled(kFilePriorityItem));
    EXPECT_TRUE(menu.Shown(kFilePriorityFirstItem));
}

TEST_F(MainMenuPages, ShowingTheShownPageAgainChangesNothing) {
    menu.ShowPageItems(true);
    EXPECT_TRUE(refilled.empty());
    menu.ShowPageItems(false);
    refilled.clear();
    menu.ShowPageItems(false);
    EXPECT_TRUE(refilled.empty());
}

// --- Radio marks ------------------------------------------------------

TEST(MainMenuRadioMarks, ASpeedTagMovesTheMarkToItsItemOnly) {
    MainMenuModel menu;
    const struct {
        int tag;
        int item;
    } speeds[] = {{1, kViewUpdateTimeHighItem},
                  {4, kViewUpdateTimeStoppedItem},
                  {3, kViewUpdateTimeLowItem},
                  {2, kViewUpdateTimeNormalItem}};
    for (const auto& speed : speeds) {
        menu.CheckSpeed(speed.tag);
        EXPECT_EQ(CheckedOf(menu, kViewUpdateTimeHighItem, 4), (std::vector<int>{speed.item})) << speed.tag;
    }
}

TEST(MainMenuRadioMarks, AnUnknownSpeedTagKeepsTheMark) {
    MainMenuModel menu;
    menu.CheckSpeed(3);
    for (int tag : {0, 5, -1}) menu.CheckSpeed(tag);
    EXPECT_EQ(CheckedOf(menu, kViewUpdateTimeHighItem, 4), (std::vector<int>{kViewUpdateTimeLowItem}));
}

TEST(MainMenuRadioMarks, PriorityMarksGoToTheirOwnSubmenuOnly) {
    MainMenuModel menu;
    menu.ApplyPriorityMarks(kProcessSetPriorityItem, {true, kHighPriorityClass});
    EXPECT_EQ(CheckedOf(menu, kProcessPriorityFirstItem, 6), (std::vector<int>{kProcessPriorityFirstItem + 1}));
    EXPECT_TRUE(CheckedOf(menu, kFilePriorityFirstItem, 6).empty());

    menu.ApplyPriorityMarks(kFilePriorityItem, {true, kIdlePriorityClass});
    menu.ApplyPriorityMarks(kFilePriorityItem, {true, kAboveNormalPriorityClass});
    EXPECT_EQ(CheckedOf(menu, kFilePriorityFirstItem, 6), (std::vector<int>{kFilePriorityFirstItem + 2}));
    EXPECT_EQ(CheckedOf(menu, kProcessPriorityFirstItem, 6), (std::vector<int>{kProcessPriorityFirstItem + 1}));
}

TEST(MainMenuRadioMarks, AnUnknownPriorityClearsTheMarksAndNoChangeKeepsThem) {
    MainMenuModel menu;
    menu.ApplyPriorityMarks(kFilePriorityItem, {true, kNormalPriorityClass});
    menu.ApplyPriorityMarks(kFilePriorityItem, {false, std::nullopt});
    EXPECT_EQ(CheckedOf(menu, kFilePriorityFirstItem, 6), (std::vector<int>{kFilePriorityFirstItem + 3}));
    menu.ApplyPriorityMarks(kFilePriorityItem, {true, std::nullopt});
    EXPECT_TRUE(CheckedOf(menu, kFilePriorityFirstItem, 6).empty());
}

// The controller decides the marks from the selected row's record; the
// menu shows them.
class MainMenuPriorityPopup : public ProcessPageTest {
protected:
    MainMenuModel menu;
    void SetUp() override {
        system.AddProcess(10, "notepad.exe");
        system.AddProcess(20, "calc.exe");
        controller.UpdateProcessList();
    }
};

TEST_F(MainMenuPriorityPopup, OpeningMarksTheSelectedRowsPriorityAndWithoutSelectionKeepsTheMarks) {
    rows.Select(20);
    rows.Record(rows.RowOf(20)).Priority = "Hoch";
    menu.ApplyPriorityMarks(kProcessSetPriorityItem, controller.ProcessMenuPopup());
    EXPECT_EQ(CheckedOf(menu, kProcessPriorityFirstItem, 6), (std::vector<int>{kProcessPriorityFirstItem + 1}));

    rows.rows[static_cast<std::size_t>(rows.RowOf(20))].selected = false;
    menu.ApplyPriorityMarks(kProcessSetPriorityItem, controller.ProcessMenuPopup());
    EXPECT_EQ(CheckedOf(menu, kProcessPriorityFirstItem, 6), (std::vector<int>{kProcessPriorityFirstItem + 1}));
}

// --- Shortcuts --------------------------------------------------------

class MainMenuShortcuts : public ::testing::Test {
protected:
    MainMenuModel menu;
    void ExpectResolves(const MenuKey& key, int item, bool acts) {
        ShortcutResolution resolution = menu.Resolve(key);
        EXPECT_EQ(resolution.item, item) << ShortcutText(key);
        EXPECT_EQ(resolution.acts, acts) << ShortcutText(key);
        EXPECT_TRUE(resolution.Taken()) << ShortcutText(key);
    }
};

TEST_F(MainMenuShortcuts, F5CtrlNAndAltF4ActOnTheirItems) {
    ExpectResolves(kF5, kViewUpdateItem, true);
    ExpectResolves(kCtrlN, kFileExecuteItem, true);
    ExpectResolves(kAltF4, kFileQuitItem, true);
}

TEST_F(MainMenuShortcuts, DelReachesTheProcessItemEvenWhenItIsHidden) {
    ExpectResolves(kDel, kFileFinalizeProcessItem, true);
    menu.ShowPageItems(false);  // the task item with the same key is shown now
    ExpectResolves(kDel, kFileFinalizeProcessItem, true);
}

TEST_F(MainMenuShortcuts, DelWithTheProcessItemDisabledIsTakenWithoutAction) {
    menu.SetEnabled(kFileFinalizeProcessItem, false);
    ExpectResolves(kDel, kFileFinalizeProcessItem, false);
    menu.ShowPageItems(false);
    ExpectResolves(kDel, kFileFinalizeProcessItem, false);
    menu.SetEnabled(kFileFinalizeProcessItem, true);
    ExpectResolves(kDel, kFileFinalizeProcessItem, true);
}

TEST_F(MainMenuShortcuts, CtrlWReachesTheDisabledBringToFrontItemAndDoesNotAct) {
    ExpectResolves(kCtrlW, kFileBringToFrontItem, false);
    menu.ShowPageItems(false);
    ExpectResolves(kCtrlW, kFileBringToFrontItem, false);
}

TEST_F(MainMenuShortcuts, CtrlDelIsTheFileMenusOwnAndNeverActs) {
    ExpectResolves(kCtrlDel, kFileMenu, false);
}

TEST_F(MainMenuShortcuts, ADisabledMenuAboveStopsItsItems) {
    menu.SetEnabled(kFileMenu, false);
    ExpectResolves(kCtrlN, kFileExecuteItem, false);
    ExpectResolves(kDel, kFileFinalizeProcessItem, false);
    ExpectResolves(kF5, kViewUpdateItem, true);
}

TEST_F(MainMenuShortcuts, KeysNoItemCarriesAreNotTaken) {
    for (const MenuKey& key : {MenuKey{'N', false, false}, MenuKey{'W', false, true}, MenuKey{kKeyF4, false, false},
                               MenuKey{kKeyDelete, true, true}}) {
        EXPECT_FALSE(menu.Resolve(key).Taken()) << ShortcutText(key);
    }
}

TEST_F(MainMenuShortcuts, WhileMinimizedTheWindowsMenuItemsAreTakenWithoutAction) {
    for (const MenuKey& key : {kF5, kCtrlN, kAltF4, kDel}) {
        const ShortcutResolution restored = menu.ResolveShortcut(key, false);
        const ShortcutResolution minimized = menu.ResolveShortcut(key, true);
        EXPECT_TRUE(restored.acts) << ShortcutText(key);
        EXPECT_EQ(minimized.item, restored.item) << ShortcutText(key);
        EXPECT_FALSE(minimized.acts) << ShortcutText(key);
    }
    // A hidden item is not the window's menu's: Del still ends processes
    // from the applications page of a minimised window.
    menu.ShowPageItems(false);
    EXPECT_TRUE(menu.ResolveShortcut(kDel, true).acts);
    EXPECT_FALSE(menu.ResolveShortcut(MenuKey{'N', false, false}, true).Taken());
}

TEST(MainMenuDefaultItem, OnlyTheTaskMenuHasOneAndItIsItsFirstItem) {
    const MainMenuModel menu;
    EXPECT_EQ(MainMenuModel::DefaultItem(kTaskMenu), kTaskTurnToItem);
    for (const MenuItem& item : menu.Items()) {
        if (!item.popup || item.id == kTaskMenu) continue;
        EXPECT_EQ(MainMenuModel::DefaultItem(item.id), kNoItem) << item.id;
    }
    const MenuItem* turnTo = menu.Find(kTaskTurnToItem);
    ASSERT_NE(turnTo, nullptr);
    EXPECT_EQ(turnTo->parent, kTaskMenu);
}

TEST_F(MainMenuShortcuts, TheKeyTableHoldsEachKeyOnceInMenuOrder) {
    EXPECT_EQ(menu.Shortcuts(), (std::vector<MenuKey>{kCtrlDel, kCtrlN, kDel, kCtrlW, kAltF4, kF5}));
}

}  // namespace
}  // namespace velmora
