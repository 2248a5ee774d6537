// The main window's menus: the menu bar, the two context menus and the
// shortcuts. Items are kept as a table with their state, so that an item
// can be hidden (taken out of its menu) and shown again with everything it
// had, and so that a shortcut can ask whether its item may act.
#pragma once

#include "ui/app/Handles_win.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

enum MenuItemId : int {
    kNoItem = 0,
    kMenuBar = 1,
    // The file menu's own shortcut (Ctrl+Del): taken, does nothing. Not the
    // popup item's identifier, which no shortcut may name.
    kFileMenuShortcut = 99,
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

class TMainMenu {
public:
    TMainMenu();
    ~TMainMenu();
    TMainMenu(const TMainMenu&) = delete;
    TMainMenu& operator=(const TMainMenu&) = delete;

    // Creates all menus and the shortcut table.
    void Build();
    // The popup menu of a popup item (or of kMenuBar, kProcessMenu, kTaskMenu).
    HMENU Popup(int id) const;
    HMENU Bar() const { return Popup(kMenuBar); }
    HMENU ProcessMenu() const { return Popup(kProcessMenu); }
    HMENU TaskMenu() const { return Popup(kTaskMenu); }
    HACCEL Accelerators() const { return accelerators_.Get(); }

    bool Exists(int id) const { return Find(id) != nullptr; }
    bool Enabled(int id) const;
    bool Checked(int id) const;
    bool Visible(int id) const;
    std::string Caption(int id) const;
    int Tag(int id) const;
    // The item and every menu above it are enabled: a shortcut may act.
    bool Acts(int id) const;

    void SetEnabled(int id, bool enabled);
    void SetChecked(int id, bool checked);
    void SetCaption(int id, const std::string& caption);
    void SetVisible(int id, bool visible);

private:
    struct Item {
        int id;
        int parent;
        std::string caption;
        const char* shortcut;
        bool enabled;
        bool checked;
        bool radio;
        bool visible;
        bool popup;
        bool separator;
        int tag;
        HMENU handle;  // the popup menu, for popup items
    };

    Item* Find(int id);
    const Item* Find(int id) const;
    // Position of a visible item in its parent menu, or -1.
    int Position(const Item& item) const;
    void Fill(int parentId);
    void Apply(const Item& item);
    MENUITEMINFOA Info(const Item& item, std::string& text) const;

    std::vector<Item> items_;
    AccelHandle accelerators_;
};

}  // namespace velmora
