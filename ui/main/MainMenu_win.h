// The main window's menus on screen: the menu bar, the two context menus
// and the accelerator table, built from MainMenuModel and kept in step with
// it. A hidden item is taken out of its menu and put back with everything
// it had; the model keeps its state meanwhile. Every menu made here is held
// by one owner here and destroyed by it alone (MainMenu_win.cpp says how).
#pragma once

#include "base/Handles_win.h"
#include "ui/main/MainMenuModel.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace velmora {

class MainMenu {
public:
    MainMenu();
    ~MainMenu();
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    MainMenuModel& Model() { return model_; }
    const MainMenuModel& Model() const { return model_; }

    // Creates all menus and the shortcut table.
    void Build();
    // The popup menu of a popup item (or of kMenuBar, kProcessMenu, kTaskMenu).
    HMENU Popup(int id) const;
    HMENU Bar() const { return Popup(kMenuBar); }
    HMENU ProcessMenu() const { return Popup(kProcessMenu); }
    HMENU TaskMenu() const { return Popup(kTaskMenu); }
    HACCEL Accelerators() const { return accelerators_.Get(); }
    // Takes the menu bar back from `window` while it is being destroyed,
    // which would otherwise destroy the bar with itself.
    void Detach(HWND window) const;

    // The accelerator table sends WM_COMMAND with these identifiers, one per
    // key of the model's shortcuts. They name no menu item, so every key
    // reaches the window and the model alone decides what it does.
    static constexpr int kShortcutCommandFirst = 0x7000;
    // The key of a shortcut command, or nullopt for any other identifier.
    std::optional<MenuKey> ShortcutKey(int command) const;

private:
    struct Handle {
        int id;
        MenuHandle menu;
    };

    // Position of a shown item in its parent menu, or -1.
    int Position(const MenuItem& item) const;
    void Fill(int parentId);
    void Apply(const MenuItem& item);
    void OnChange(const MenuItem& item, MenuChange change);
    // The item as the system takes it; `text` holds its UTF-16 caption.
    MENUITEMINFOW Info(const MenuItem& item, std::wstring& text) const;

    MainMenuModel model_;
    std::vector<Handle> popups_;  // the popup menu of each popup item
    std::vector<MenuKey> shortcuts_;
    AccelHandle accelerators_;
};

}  // namespace velmora
