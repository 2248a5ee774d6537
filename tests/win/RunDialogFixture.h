// The run dialog under test: a main window that opens it, and a scripted
// shell and message boxes in place of the real ones.
#pragma once

#include "ModalScript.h"

#include "process/WindowsSystem.h"
#include "tests/fakes/FakeDialogs.h"
#include "ui/app/Application_win.h"
#include "ui/main/Unit1_win.h"
#include "ui/run/Execute_win.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

class RunDialogTest : public testing::Test {
protected:
    void SetUp() override {
        Application().SetShell(&shell);
        Application().SetMessageBoxes(&boxes);
        main = std::make_unique<TForm1>(WindowsSystem());
        main->QuitOnDestroy = false;
        main->Create();
        form = std::make_unique<TExecuteForm>([this] { return main->MinimizeAfterExecuting(); });
        form->Create();
        main->ShowExecuteForm = [this] {
            ++opened;
            form->ShowModal();
        };
    }
    void TearDown() override {
        form.reset();
        main.reset();
        Application().SetShell(nullptr);
        Application().SetMessageBoxes(nullptr);
    }

    HWND Edt() const { return form->Control(TExecuteForm::kEdtId); }
    HWND Edit() const { return form->EditField(); }
    HWND Ok() const { return form->Control(TExecuteForm::kBokId); }
    int HistoryCount() const { return static_cast<int>(SendMessageA(Edt(), CB_GETCOUNT, 0, 0)); }
    std::string HistoryEntry(int index) const {
        char text[MAX_PATH] = {};
        SendMessageA(Edt(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
        return text;
    }
    std::pair<int, int> Selection() const {
        DWORD start = 0, end = 0;
        SendMessageA(Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {static_cast<int>(start), static_cast<int>(end)};
    }

    // Keystrokes as the edit field receives them.
    void Type(const std::string& text) const {
        for (char c : text) PostMessageA(Edit(), WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    void Key(HWND window, WPARAM key) const {
        PostMessageA(window, WM_KEYDOWN, key, 1);
        PostMessageA(window, WM_KEYUP, key, 0xC0000001);
    }
    void ClickWithMouse(int id) const {
        HWND button = form->Control(id);
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
    std::unique_ptr<TForm1> main;
    std::unique_ptr<TExecuteForm> form;
    int opened = 0;  // times the main window asked for the dialog
};

}  // namespace velmora
