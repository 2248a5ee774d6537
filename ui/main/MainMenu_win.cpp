#include "ui/main/MainMenu_win.h"

#include "process/SystemExt.h"

#include <stdexcept>

namespace velmora {

static_assert(sizeof(kPriorityClasses) / sizeof(kPriorityClasses[0]) == kPriorityItemCount);

namespace {

struct ItemRow {
    int id;
    int parent;
    const char* caption;  // nullptr: separator
    const char* shortcut;
    bool enabled;
    bool checked;
    bool radio;
    bool popup;
    int tag;
};

// Menu order, parents before their children.
const ItemRow kItems[] = {
    {kFileMenu, kMenuBar, "&Datei", nullptr, true, false, false, true, 0},
    {kFileExecuteItem, kFileMenu, "&Neuer Task (Ausführen...)", "Strg+N", true, false, false, false, 0},
    {kN3, kFileMenu, nullptr, nullptr, true, false, false, false, 0},
    {kFileFinalizeProcessItem, kFileMenu, "&Prozess beenden", "Entf", true, false, false, false, 0},
    {kFilePriorityItem, kFileMenu, "Priorität festlegen", nullptr, true, false, false, true, 0},
    {kFileFinalizeTaskItem, kFileMenu, "&Task beenden", "Entf", false, false, false, false, 0},
    {kFileBringToFrontItem, kFileMenu, "&Wechseln zu", "Strg+W", false, false, false, false, 0},
    {kN2, kFileMenu, nullptr, nullptr, true, false, false, false, 0},
    {kFileQuitItem, kFileMenu, "&Beenden", "Alt+F4", true, false, false, false, 0},
    {kOptionsMenu, kMenuBar, "&Optionen", nullptr, true, false, false, true, 0},
    {kOptionsMinimizeAfterExecutingItem, kOptionsMenu, "&Nach Programmstart minimieren", nullptr, true, true,
     false, false, 0},
    {kOptionsAlwaysOnTopItem, kOptionsMenu, "&Immer im Vordergrund", nullptr, true, true, false, false, 0},
    {kViewMenu, kMenuBar, "&Ansicht", nullptr, true, false, false, true, 0},
    {kViewUpdateItem, kViewMenu, "&Aktualisieren", "F5", true, false, false, false, 0},
    {kViewUpdateTimeMenu, kViewMenu, "A&ktualisierungsgeschwindigkeit", nullptr, true, false, false, true, 0},
    {kViewUpdateTimeHighItem, kViewUpdateTimeMenu, "&Hoch", nullptr, true, false, true, false, 1},
    {kViewUpdateTimeNormalItem, kViewUpdateTimeMenu, "&Normal", nullptr, true, true, true, false, 2},
    {kViewUpdateTimeLowItem, kViewUpdateTimeMenu, "N&iedrig", nullptr, true, false, true, false, 3},
    {kViewUpdateTimeStoppedItem, kViewUpdateTimeMenu, "&Angehalten", nullptr, true, false, true, false, 4},
    {kHelpMenu, kMenuBar, "&?", nullptr, true, false, false, true, 0},
    {kHelpInfoItem, kHelpMenu, "&Info", nullptr, true, false, false, false, 0},
    {kProcessFinalizeItem, kProcessMenu, "Prozess beenden", nullptr, true, false, false, false, 0},
    {kN4, kProcessMenu, nullptr, nullptr, true, false, false, false, 0},
    {kProcessSetPriorityItem, kProcessMenu, "Priorität festlegen", nullptr, true, false, false, true, 0},
    {kTaskTurnToItem, kTaskMenu, "Wechseln zu", nullptr, false, false, false, false, 0},
    {kTaskBringToFrontItem, kTaskMenu, "Im Vordergrund", nullptr, false, false, false, false, 0},
    {kTaskSeparator, kTaskMenu, nullptr, nullptr, true, false, false, false, 0},
    {kTaskFinalizeItem, kTaskMenu, "Task beenden", nullptr, false, false, false, false, 0},
};

}  // namespace

TMainMenu::TMainMenu() {
    items_.push_back({kMenuBar, kNoItem, "", nullptr, true, false, false, true, true, false, 0, nullptr});
    items_.push_back({kProcessMenu, kNoItem, "", nullptr, true, false, false, true, true, false, 0, nullptr});
    items_.push_back({kTaskMenu, kNoItem, "", nullptr, true, false, false, true, true, false, 0, nullptr});
    for (const ItemRow& row : kItems) {
        items_.push_back({row.id, row.parent, row.caption ? row.caption : "", row.shortcut, row.enabled,
                          row.checked, row.radio, true, row.popup, row.caption == nullptr, row.tag, nullptr});
        // Each "Priorität festlegen" submenu holds the six priority items.
        if (row.id == kFilePriorityItem || row.id == kProcessSetPriorityItem) {
            int first = row.id == kFilePriorityItem ? kFilePriorityFirstItem : kProcessPriorityFirstItem;
            for (int i = 0; i < kPriorityItemCount; ++i) {
                items_.push_back({first + i, row.id, PriorityClassName(kPriorityClasses[i]), nullptr, true, false,
                                  true, true, false, false, static_cast<int>(kPriorityClasses[i]), nullptr});
            }
        }
    }
}

TMainMenu::~TMainMenu() {
    // The menu bar goes with its window. Root context menus take their
    // submenus with them; a submenu that is hidden at the time is detached
    // and must go on its own.
    for (Item& item : items_) {
        if (!item.popup || !item.handle || !IsMenu(item.handle)) continue;
        bool root = item.parent == kNoItem && item.id != kMenuBar;
        bool detached = item.parent != kNoItem && !item.visible;
        if (root || detached) DestroyMenu(item.handle);
    }
}

void TMainMenu::Build() {
    for (Item& item : items_) {
        if (!item.popup) continue;
        item.handle = item.id == kMenuBar ? CreateMenu() : CreatePopupMenu();
        if (!item.handle) throw std::runtime_error("Das Menü konnte nicht erstellt werden.");
    }
    for (const Item& item : items_) {
        if (item.popup) Fill(item.id);
    }
    SetMenuDefaultItem(TaskMenu(), kTaskTurnToItem, FALSE);

    ACCEL keys[] = {
        {FVIRTKEY | FCONTROL, VK_DELETE, kFileMenuShortcut},
        {FVIRTKEY | FCONTROL, 'N', kFileExecuteItem},
        {FVIRTKEY, VK_DELETE, kFileFinalizeProcessItem},
        {FVIRTKEY | FCONTROL, 'W', kFileBringToFrontItem},
        {FVIRTKEY | FALT, VK_F4, kFileQuitItem},
        {FVIRTKEY, VK_F5, kViewUpdateItem},
    };
    accelerators_.Reset(CreateAcceleratorTableA(keys, static_cast<int>(sizeof(keys) / sizeof(keys[0]))));
}

TMainMenu::Item* TMainMenu::Find(int id) {
    for (Item& item : items_) {
        if (item.id == id) return &item;
    }
    return nullptr;
}

const TMainMenu::Item* TMainMenu::Find(int id) const {
    return const_cast<TMainMenu*>(this)->Find(id);
}

HMENU TMainMenu::Popup(int id) const {
    const Item* item = Find(id);
    return item ? item->handle : nullptr;
}

bool TMainMenu::Enabled(int id) const {
    const Item* item = Find(id);
    return item && item->enabled;
}
bool TMainMenu::Checked(int id) const {
    const Item* item = Find(id);
    return item && item->checked;
}
bool TMainMenu::Visible(int id) const {
    const Item* item = Find(id);
    return item && item->visible;
}
std::string TMainMenu::Caption(int id) const { return Find(id) ? Find(id)->caption : std::string(); }
int TMainMenu::Tag(int id) const { return Find(id) ? Find(id)->tag : 0; }

bool TMainMenu::Acts(int id) const {
    for (const Item* item = Find(id); item && item->id != kMenuBar; item = Find(item->parent)) {
        if (!item->enabled) return false;
    }
    return Find(id) != nullptr;
}

MENUITEMINFOA TMainMenu::Info(const Item& item, std::string& text) const {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    if (item.separator) {
        info.fMask = MIIM_FTYPE | MIIM_ID;
        info.fType = MFT_SEPARATOR;
        info.wID = item.id;
        return info;
    }
    text = item.caption;
    if (item.shortcut) text += std::string("\t") + item.shortcut;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | (item.popup ? MIIM_SUBMENU : 0);
    info.fType = MFT_STRING | (item.radio ? MFT_RADIOCHECK : 0);
    info.fState = (item.enabled ? MFS_ENABLED : MFS_DISABLED) | (item.checked ? MFS_CHECKED : MFS_UNCHECKED) |
                  (item.id == kTaskTurnToItem ? MFS_DEFAULT : 0);
    info.wID = item.id;
    info.hSubMenu = item.popup ? item.handle : nullptr;
    info.dwTypeData = text.data();
    return info;
}

int TMainMenu::Position(const Item& item) const {
    if (!item.visible) return -1;
    int position = 0;
    for (const Item& sibling : items_) {
        if (&sibling == &item) return position;
        if (sibling.parent == item.parent && sibling.visible) ++position;
    }
    return -1;
}

void TMainMenu::Fill(int parentId) {
    HMENU menu = Popup(parentId);
    // RemoveMenu keeps submenus alive, so a hidden submenu keeps its items.
    for (int count = GetMenuItemCount(menu); count > 0; --count) RemoveMenu(menu, count - 1, MF_BYPOSITION);
    int position = 0;
    for (const Item& item : items_) {
        if (item.parent != parentId || !item.visible) continue;
        std::string text;
        MENUITEMINFOA info = Info(item, text);
        InsertMenuItemA(menu, position++, TRUE, &info);
    }
}

void TMainMenu::Apply(const Item& item) {
    int position = Position(item);
    if (position < 0) return;
    std::string text;
    MENUITEMINFOA info = Info(item, text);
    info.fMask &= ~static_cast<UINT>(MIIM_SUBMENU);
    SetMenuItemInfoA(Popup(item.parent), position, TRUE, &info);
}

void TMainMenu::SetEnabled(int id, bool enabled) {
    Item* item = Find(id);
    if (!item || item->enabled == enabled) return;
    item->enabled = enabled;
    Apply(*item);
}

void TMainMenu::SetChecked(int id, bool checked) {
    Item* item = Find(id);
    if (!item || item->checked == checked) return;
    item->checked = checked;
    Apply(*item);
}

void TMainMenu::SetCaption(int id, const std::string& caption) {
    Item* item = Find(id);
    if (!item || item->caption == caption) return;
    item->caption = caption;
    Apply(*item);
}

void TMainMenu::SetVisible(int id, bool visible) {
    Item* item = Find(id);
    if (!item || item->visible == visible) return;
    item->visible = visible;
    Fill(item->parent);
}

}  // namespace velmora
