#include "ui/main/MainMenu_win.h"

#include "base/Wide_win.h"

#include <stdexcept>

namespace velmora {

static_assert(kKeyDelete == VK_DELETE && kKeyF4 == VK_F4 && kKeyF5 == VK_F5);

MainMenu::MainMenu() {
    model_.OnChange = [this](const MenuItem& item, MenuChange change) { OnChange(item, change); };
}

// Who destroys a menu, in one place: each menu made in Build has one owner
// in popups_, and only that owner destroys it. The system would destroy a
// menu with the window it belongs to, and a submenu with the menu it is
// part of; so the window hands its bar back (Detach), and here every
// submenu is taken out of its parent before the owners destroy them.
MainMenu::~MainMenu() {
    for (const Handle& popup : popups_) {
        HMENU menu = popup.menu.Get();
        for (int count = GetMenuItemCount(menu); count > 0; --count) RemoveMenu(menu, count - 1, MF_BYPOSITION);
    }
}

void MainMenu::Detach(HWND window) const {
    if (window && GetMenu(window) == Bar()) SetMenu(window, nullptr);
}

void MainMenu::Build() {
    for (const MenuItem& item : model_.Items()) {
        if (!item.popup) continue;
        MenuHandle menu(item.id == kMenuBar ? CreateMenu() : CreatePopupMenu());
        if (!menu) throw std::runtime_error("Das Menü konnte nicht erstellt werden.");
        popups_.push_back({item.id, std::move(menu)});
    }
    for (const Handle& popup : popups_) Fill(popup.id);

    shortcuts_ = model_.Shortcuts();
    std::vector<ACCEL> keys;
    for (std::size_t i = 0; i < shortcuts_.size(); ++i) {
        const MenuKey& key = shortcuts_[i];
        BYTE flags = FVIRTKEY | (key.ctrl ? FCONTROL : 0) | (key.alt ? FALT : 0);
        keys.push_back({flags, static_cast<WORD>(key.key), static_cast<WORD>(kShortcutCommandFirst + i)});
    }
    accelerators_.Reset(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
}

std::optional<MenuKey> MainMenu::ShortcutKey(int command) const {
    const int index = command - kShortcutCommandFirst;
    if (index < 0 || index >= static_cast<int>(shortcuts_.size())) return std::nullopt;
    return shortcuts_[static_cast<std::size_t>(index)];
}

HMENU MainMenu::Popup(int id) const {
    for (const Handle& popup : popups_) {
        if (popup.id == id) return popup.menu.Get();
    }
    return nullptr;
}

MENUITEMINFOW MainMenu::Info(const MenuItem& item, std::wstring& text) const {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    if (item.separator) {
        info.fMask = MIIM_FTYPE | MIIM_ID;
        info.fType = MFT_SEPARATOR;
        info.wID = item.id;
        return info;
    }
    // A menu's own shortcut is not written beside its title.
    std::string caption = item.caption;
    if (item.shortcut && !item.popup) caption += "\t" + ShortcutText(*item.shortcut);
    text = Wide(caption);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | (item.popup ? MIIM_SUBMENU : 0);
    info.fType = MFT_STRING | (item.radio ? MFT_RADIOCHECK : 0);
    info.fState = (item.enabled ? MFS_ENABLED : MFS_DISABLED) | (item.checked ? MFS_CHECKED : MFS_UNCHECKED) |
                  (item.id == MainMenuModel::DefaultItem(item.parent) ? MFS_DEFAULT : 0);
    info.wID = item.id;
    info.hSubMenu = item.popup ? Popup(item.id) : nullptr;
    info.dwTypeData = text.data();
    return info;
}

int MainMenu::Position(const MenuItem& item) const {
    if (!item.visible) return -1;
    int position = 0;
    for (const MenuItem& sibling : model_.Items()) {
        if (&sibling == &item) return position;
        if (sibling.parent == item.parent && sibling.visible) ++position;
    }
    return -1;
}

void MainMenu::Fill(int parentId) {
    HMENU menu = Popup(parentId);
    // RemoveMenu keeps submenus alive, so a hidden submenu keeps its items.
    for (int count = GetMenuItemCount(menu); count > 0; --count) RemoveMenu(menu, count - 1, MF_BYPOSITION);
    int position = 0;
    for (const MenuItem& item : model_.Items()) {
        if (item.parent != parentId || !item.visible) continue;
        std::wstring text;
        MENUITEMINFOW info = Info(item, text);
        InsertMenuItemW(menu, position++, TRUE, &info);
    }
}

void MainMenu::Apply(const MenuItem& item) {
    int position = Position(item);
    if (position < 0) return;
    std::wstring text;
    MENUITEMINFOW info = Info(item, text);
    info.fMask &= ~static_cast<UINT>(MIIM_SUBMENU);
    SetMenuItemInfoW(Popup(item.parent), position, TRUE, &info);
}

// Before Build there is nothing on screen to update.
void MainMenu::OnChange(const MenuItem& item, MenuChange change) {
    if (popups_.empty()) return;
    if (change == MenuChange::Visibility) {
        Fill(item.parent);
    } else {
        Apply(item);
    }
}

}  // namespace velmora
