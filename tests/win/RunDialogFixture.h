// The run dialog under test: a main window that opens it, and a scripted
// shell and message boxes in place of the real ones.
#pragma once

#include "ModalScript.h"
#include "WindowMenus.h"
#include "base/Wide_win.h"

#include "process/WindowsSystem.h"
#include "tests/fakes/FakeDialogs.h"
#include "ui/app/Application_win.h"
#include "ui/main/Unit1_win.h"
#include "ui/run/Execute_win.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

class RunDialogTest : public testing::Test {
protected:
    void SetUp() override {
        main = std::make_unique<TForm1>(WindowsSystem(), boxes);
        main->Create();
        MakeForm(shell);
        main->ShowExecuteForm = [this] {
            ++opened;
            form->ShowModal();
        };
    }
    void TearDown() override {
        form.reset();
        main.reset();
        wintest::TakeQuitMessage();
    }
    // The dialog, handing command lines to `starting`: the scripted shell,
    // or the application's real one. Durchsuchen... asks `openDialog`.
    void MakeForm(IShell& starting) {
        form = std::make_unique<TExecuteForm>(
            starting, boxes, [this] { return main->MinimizeAfterExecuting(); },
            [this](HWND owner) -> std::optional<std::string> {
                if (openDialog) return openDialog(owner);
                return std::nullopt;
            });
        form->Create();
    }

    HWND Control(int id) const { return GetDlgItem(form->Handle(), id); }
    HWND Edt() const { return Control(TExecuteForm::kEdtId); }
    // The combo box's edit field, where typing happens.
    HWND Edit() const {
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        GetComboBoxInfo(Edt(), &info);
        return info.hwndItem;
    }
    HWND Ok() const { return Control(TExecuteForm::kBokId); }
    int HistoryCount() const { return static_cast<int>(SendMessageA(Edt(), CB_GETCOUNT, 0, 0)); }
    // An entry of the drop-down list, as UTF-8.
    std::string HistoryEntry(int index) const {
        const LRESULT length = SendMessageW(Edt(), CB_GETLBTEXTLEN, index, 0);
        if (length == CB_ERR) return {};
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(Edt(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        return Narrow(text.c_str());
    }
    // The edit field's selection as the box counts it, in UTF-16 units.
    std::pair<int, int> Selection() const {
        DWORD start = 0, end = 0;
        SendMessageA(Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {static_cast<int>(start), static_cast<int>(end)};
    }

    // Keystrokes as the edit field receives them: UTF-8 text, one WM_CHAR
    // per UTF-16 unit.
    void Type(const std::string& text) const { wintest::TypeChars(Edit(), text); }
    void Key(HWND window, WPARAM key) const {
        PostMessageA(window, WM_KEYDOWN, key, 1);
        PostMessageA(window, WM_KEYUP, key, 0xC0000001);
    }
    void ClickWithMouse(int id) const {
        HWND button = Control(id);
        PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    void ClearBox() const { SendMessageA(Edit(), EM_SETSEL, 0, -1); }

    // Shows the dialog modally and runs the steps inside it.
    bool ShowWith(std::vector<wintest::Step> steps) {
        wintest::ModalScript script(*form, std::move(steps));
        return script.Run([this] { form->ShowModal(); });
    }

    fakes::FakeShell shell;
    fakes::FakeMessageBoxes boxes;
    OpenDialogFn openDialog = ShowOpenDialog;  // a test may script it
    std::unique_ptr<TForm1> main;
    std::unique_ptr<TExecuteForm> form;
    int opened = 0;  // times the main window asked for the dialog
};

}  // namespace velmora
