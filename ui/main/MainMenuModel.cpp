#include "ui/main/MainMenuModel.h"

#include "process/SystemExt.h"
#include "ui/main/UpdateSpeed.h"

namespace velmora {

static_assert(sizeof(kPriorityClasses) / sizeof(kPriorityClasses[0]) == kPriorityItemCount);

namespace {

struct ItemRow {
    int id;
    int parent;
    const char* caption;  // nullptr: separator
    std::optional<MenuKey> shortcut;
    bool enabled;
    bool checked;
    bool radio;
    bool popup;
    int tag;
};

constexpr MenuKey kCtrlDel{kKeyDelete, true, false};
constexpr MenuKey kCtrlN{'N', true, false};
constexpr MenuKey kDel{kKeyDelete, false, false};
constexpr MenuKey kCtrlW{'W', true, false};
constexpr MenuKey kAltF4{kKeyF4, false, true};
constexpr MenuKey kF5{kKeyF5, false, false};

// Menu order, parents before their children. The priority submenus get
// their six items when the table is read.
const ItemRow kItems[] = {
    {kFileMenu, kMenuBar, "&Datei", kCtrlDel, true, false, false, true, 0},
    {kFileExecuteItem, kFileMenu, "&Neuer Task (Ausführen...)", kCtrlN, true, false, false, false, 0},
    {kN3, kFileMenu, nullptr, std::nullopt, true, false, false, false, 0},
    {kFileFinalizeProcessItem, kFileMenu, "&Prozess beenden", kDel, true, false, false, false, 0},
    {kFilePriorityItem, kFileMenu, "Priorität festlegen", std::nullopt, true, false, false, true, 0},
    {kFileFinalizeTaskItem, kFileMenu, "&Task beenden", kDel, false, false, false, false, 0},
    {kFileBringToFrontItem, kFileMenu, "&Wechseln zu", kCtrlW, false, false, false, false, 0},
    {kN2, kFileMenu, nullptr, std::nullopt, true, false, false, false, 0},
    {kFileQuitItem, kFileMenu, "&Beenden", kAltF4, true, false, false, false, 0},
    {kOptionsMenu, kMenuBar, "&Optionen", std::nullopt, true, false, false, true, 0},
    {kOptionsMinimizeAfterExecutingItem, kOptionsMenu, "&Nach Programmstart minimieren", std::nullopt, true, true,
     false, false, 0},
    {kOptionsAlwaysOnTopItem, kOptionsMenu, "&Immer im Vordergrund", std::nullopt, true, true, false, false, 0},
    {kViewMenu, kMenuBar, "&Ansicht", std::nullopt, true, false, false, true, 0},
    {kViewUpdateItem, kViewMenu, "&Aktualisieren", kF5, true, false, false, false, 0},
    {kViewUpdateTimeMenu, kViewMenu, "A&ktualisierungsgeschwindigkeit", std::nullopt, true, false, false, true, 0},
    // The start speed's item is checked when the table is read.
    {kViewUpdateTimeHighItem, kViewUpdateTimeMenu, "&Hoch", std::nullopt, true, false, true, false, kSpeedHigh},
    {kViewUpdateTimeNormalItem, kViewUpdateTimeMenu, "&Normal", std::nullopt, true, false, true, false, kSpeedNormal},
    {kViewUpdateTimeLowItem, kViewUpdateTimeMenu, "N&iedrig", std::nullopt, true, false, true, false, kSpeedLow},
    {kViewUpdateTimeStoppedItem, kViewUpdateTimeMenu, "&Angehalten", std::nullopt, true, false, true, false,
     kSpeedStopped},
    {kHelpMenu, kMenuBar, "&?", std::nullopt, true, false, false, true, 0},
    {kHelpInfoItem, kHelpMenu, "&Info", std::nullopt, true, false, false, false, 0},
    {kProcessFinalizeItem, kProcessMenu, "Prozess beenden", std::nullopt, true, false, false, false, 0},
    {kN4, kProcessMenu, nullptr, std::nullopt, true, false, false, false, 0},
    {kProcessSetPriorityItem, kProcessMenu, "Priorität festlegen", std::nullopt, true, false, false, true, 0},
    {kTaskTurnToItem, kTaskMenu, "Wechseln zu", std::nullopt, false, false, false, false, 0},
    {kTaskBringToFrontItem, kTaskMenu, "Im Vordergrund", std::nullopt, false, false, false, false, 0},
    {kTaskSeparator, kTaskMenu, nullptr, std::nullopt, true, false, false, false, 0},
    {kTaskFinalizeItem, kTaskMenu, "Task beenden", std::nullopt, false, false, false, false, 0},
};

MenuItem Root(int id) {
    return {id, kNoItem, "", std::nullopt, true, false, false, true, true, false, 0};
}

}  // namespace

std::string ShortcutText(const MenuKey& key) {
    std::string text;
    if (key.ctrl) text += "Strg+";
    if (key.alt) text += "Alt+";
    switch (key.key) {
        case kKeyDelete: return text + "Entf";
        case kKeyF4: return text + "F4";
        case kKeyF5: return text + "F5";
        default: return text + static_cast<char>(key.key);
    }
}

MainMenuModel::MainMenuModel() {
    items_.push_back(Root(kMenuBar));
    items_.push_back(Root(kProcessMenu));
    items_.push_back(Root(kTaskMenu));
    for (const ItemRow& row : kItems) {
        items_.push_back({row.id, row.parent, row.caption ? row.caption : "", row.shortcut, row.enabled, row.checked,
                          row.radio, true, row.popup, row.caption == nullptr, row.tag});
        // Each "Priorität festlegen" submenu holds the six priority items.
        if (row.id == kFilePriorityItem || row.id == kProcessSetPriorityItem) {
            int first = row.id == kFilePriorityItem ? kFilePriorityFirstItem : kProcessPriorityFirstItem;
            for (int i = 0; i < kPriorityItemCount; ++i) {
                items_.push_back({first + i, row.id, PriorityClassName(kPriorityClasses[i]), std::nullopt, true, false,
                                  true, true, false, false, static_cast<int>(kPriorityClasses[i])});
            }
        }
    }
    CheckSpeed(kStartSpeed);
}

MenuItem* MainMenuModel::FindMutable(int id) {
    for (MenuItem& item : items_) {
        if (item.id == id) return &item;
    }
    return nullptr;
}

const MenuItem* MainMenuModel::Find(int id) const {
    return const_cast<MainMenuModel*>(this)->FindMutable(id);
}

bool MainMenuModel::Enabled(int id) const {
    const MenuItem* item = Find(id);
    return item && item->enabled;
}
bool MainMenuModel::Checked(int id) const {
    const MenuItem* item = Find(id);
    return item && item->checked;
}
std::string MainMenuModel::Caption(int id) const {
    return Find(id) ? Find(id)->caption : std::string();
}
int MainMenuModel::Tag(int id) const {
    return Find(id) ? Find(id)->tag : 0;
}

bool MainMenuModel::Shown(int id) const {
    const MenuItem* item = Find(id);
    for (; item && item->parent != kNoItem; item = Find(item->parent)) {
        if (!item->visible) return false;
    }
    return item != nullptr;
}

void MainMenuModel::Changed(const MenuItem& item, MenuChange change) {
    if (OnChange) OnChange(item, change);
}

// Changes one field of an item and reports it, unless it holds that already.
template <typename T>
void MainMenuModel::Set(int id, T MenuItem::*field, const T& value, MenuChange change) {
    MenuItem* item = FindMutable(id);
    if (!item || item->*field == value) return;
    item->*field = value;
    Changed(*item, change);
}

void MainMenuModel::SetEnabled(int id, bool enabled) {
    Set(id, &MenuItem::enabled, enabled, MenuChange::State);
}
void MainMenuModel::SetChecked(int id, bool checked) {
    Set(id, &MenuItem::checked, checked, MenuChange::State);
}
void MainMenuModel::SetCaption(int id, const std::string& caption) {
    Set(id, &MenuItem::caption, caption, MenuChange::State);
}
void MainMenuModel::SetVisible(int id, bool visible) {
    Set(id, &MenuItem::visible, visible, MenuChange::Visibility);
}

void MainMenuModel::ShowPageItems(bool processPage) {
    SetVisible(kFileFinalizeProcessItem, processPage);
    SetVisible(kFilePriorityItem, processPage);
    SetVisible(kFileFinalizeTaskItem, !processPage);
    SetVisible(kFileBringToFrontItem, !processPage);
}

void MainMenuModel::CheckSpeed(int tag) {
    bool known = false;
    for (int id = kViewUpdateTimeHighItem; id <= kViewUpdateTimeStoppedItem; ++id) known |= Tag(id) == tag;
    if (!known) return;
    for (int id = kViewUpdateTimeHighItem; id <= kViewUpdateTimeStoppedItem; ++id) SetChecked(id, Tag(id) == tag);
}

void MainMenuModel::ApplyPriorityMarks(int submenu, const PriorityMarks& marks) {
    if (!marks.change || (submenu != kFilePriorityItem && submenu != kProcessSetPriorityItem)) return;
    const int first = submenu == kFilePriorityItem ? kFilePriorityFirstItem : kProcessPriorityFirstItem;
    for (int i = 0; i < kPriorityItemCount; ++i) {
        SetChecked(first + i, marks.checkedClass && *marks.checkedClass == kPriorityClasses[i]);
    }
}

// Hidden items keep their shortcut, so Del reaches "&Prozess beenden" on
// the applications page too and never the task item below it. Menus above
// the item count up to the menu bar; the bar itself has no state.
ShortcutResolution MainMenuModel::Resolve(const MenuKey& key) const {
    for (const MenuItem& item : items_) {
        if (!item.shortcut || !(*item.shortcut == key)) continue;
        bool acts = !item.popup;
        for (const MenuItem* level = &item; level && level->id != kMenuBar; level = Find(level->parent)) {
            acts &= level->enabled;
        }
        return {item.id, acts};
    }
    return {};
}

ShortcutResolution MainMenuModel::ResolveShortcut(const MenuKey& key, bool windowMinimized) const {
    ShortcutResolution resolution = Resolve(key);
    if (windowMinimized && Shown(resolution.item)) resolution.acts = false;
    return resolution;
}

// The task context menu opens on "Wechseln zu", as a double click would.
int MainMenuModel::DefaultItem(int popup) {
    return popup == kTaskMenu ? kTaskTurnToItem : kNoItem;
}

std::vector<MenuKey> MainMenuModel::Shortcuts() const {
    std::vector<MenuKey> keys;
    for (const MenuItem& item : items_) {
        if (!item.shortcut || Resolve(*item.shortcut).item != item.id) continue;
        keys.push_back(*item.shortcut);
    }
    return keys;
}

}  // namespace velmora
