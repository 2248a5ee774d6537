// The main window's menus as data: the menu bar, the two context menus and
// their items with captions, states, tags and shortcuts, and the rules that
// change them (page switches, radio marks, which item a shortcut reaches).
// Nothing here knows about windows; MainMenu shows it as Win32 menus.
#pragma once

#include "ui/main/ProcessListController.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

enum MenuItemId : int {
    kNoItem = 0,
    kMenuBar = 1,
    // File menu
    kFileMenu = 100,
    kFileExecuteItem,
    kN3,
    kFileFinalizeProcessItem,
    kFilePriorityItem,
    kFileFinalizeTaskItem,
    kFileBringToFrontItem,
    kN2,
    kFileQuitItem,
    // Options
    kOptionsMenu = 120,
    kOptionsMinimizeAfterExecutingItem,
    kOptionsAlwaysOnTopItem,
    // View
    kViewMenu = 130,
    kViewUpdateItem,
    kViewUpdateTimeMenu,
    kViewUpdateTimeHighItem,
    kViewUpdateTimeNormalItem,
    kViewUpdateTimeLowItem,
    kViewUpdateTimeStoppedItem,
    // Help
    kHelpMenu = 140,
    kHelpInfoItem,
    // Priority items: six in the file menu, six in the process context menu,
    // in the order realtime, high, above normal, normal, below normal, idle.
    kFilePriorityFirstItem = 200,
    kProcessPriorityFirstItem = 210,
    // Process context menu
    kProcessMenu = 300,
    kProcessFinalizeItem,
    kN4,
    kProcessSetPriorityItem,
    // Task context menu
    kTaskMenu = 320,
    kTaskTurnToItem,
    kTaskBringToFrontItem,
    kTaskSeparator,
    kTaskFinalizeItem,
};

// Six priority items in each priority submenu, one per entry of
// kPriorityClasses: the tag is the class, the caption its name.
constexpr int kPriorityItemCount = 6;

// Keys by their Windows virtual-key codes; letters by their capital.
constexpr int kKeyDelete = 0x2E;
constexpr int kKeyF4 = 0x73;
constexpr int kKeyF5 = 0x74;

// A key as a shortcut sees it: the key and the modifiers held with it.
struct MenuKey {
    int key = 0;
    bool ctrl = false;
    bool alt = false;
    bool operator==(const MenuKey& other) const { return key == other.key && ctrl == other.ctrl && alt == other.alt; }
};

// The German text a menu shows beside an item for its shortcut ("Strg+N").
std::string ShortcutText(const MenuKey& key);

// Where a key went: the item it reached (kNoItem: no item carries it, the
// key is not a shortcut) and whether that item's command runs.
struct ShortcutResolution {
    int item = kNoItem;
    bool acts = false;
    bool Taken() const { return item != kNoItem; }
};

struct MenuItem {
    int id;
    int parent;  // kNoItem for the menu bar and the two context menus
    std::string caption;
    std::optional<MenuKey> shortcut;
    bool enabled;
    bool checked;
    bool radio;
    bool visible;
    bool popup;
    bool separator;
    int tag;
};

// What a change asks of the menus on screen.
enum class MenuChange {
    State,       // caption, enabled or checked: update the item in place
    Visibility,  // the item came or went: its parent menu is rebuilt
};

class MainMenuModel {
public:
    MainMenuModel();
    MainMenuModel(const MainMenuModel&) = delete;
    MainMenuModel& operator=(const MainMenuModel&) = delete;

    // Every item in menu order, each menu directly followed by its items.
    const std::vector<MenuItem>& Items() const { return items_; }
    const MenuItem* Find(int id) const;

    bool Enabled(int id) const;
    bool Checked(int id) const;
    std::string Caption(int id) const;
    int Tag(int id) const;
    // The item and every menu above it are visible: it is in its menu bar
    // or context menu as the user sees it.
    bool Shown(int id) const;

    void SetEnabled(int id, bool enabled);
    void SetChecked(int id, bool checked);
    void SetCaption(int id, const std::string& caption);
    void SetVisible(int id, bool visible);
    // Runs after every change that took effect.
    std::function<void(const MenuItem&, MenuChange)> OnChange;

    // The file menu shows the process commands on the process page and the
    // task commands on the applications page.
    void ShowPageItems(bool processPage);
    // Moves the speed radio mark to the item with this tag; a tag no speed
    // item carries changes nothing.
    void CheckSpeed(int tag);
    // Sets the radio marks of one priority submenu (kFilePriorityItem or
    // kProcessSetPriorityItem) as the controller decided when it opened.
    void ApplyPriorityMarks(int submenu, const PriorityMarks& marks);

    // The item a key reaches and whether it acts: the first item in menu
    // order that carries the key, shown or not; it acts only when it and
    // every menu above it are enabled. A menu's own shortcut never acts.
    ShortcutResolution Resolve(const MenuKey& key) const;
    // A key pressed in the window: as Resolve, except that an item of the
    // window's menu does nothing while the window is minimised, as Windows'
    // own translation sends no command for it then.
    ShortcutResolution ResolveShortcut(const MenuKey& key, bool windowMinimized) const;
    // The default item of a popup menu (shown in bold), or kNoItem.
    static int DefaultItem(int popup);
    // Every key some item carries, each once, in menu order: the table the
    // window translates keys with.
    std::vector<MenuKey> Shortcuts() const;

private:
    MenuItem* FindMutable(int id);
    void Changed(const MenuItem& item, MenuChange change);
    template <typename T>
    void Set(int id, T MenuItem::*field, const T& value, MenuChange change);

    std::vector<MenuItem> items_;
};

}  // namespace velmora
