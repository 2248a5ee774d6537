// A dialog window shown modally: fixed dialog frame with only the system
// menu, client size given at 96 DPI and laid out for the DPI of its screen
// (ScaledWindow_win.h), centred on the primary monitor, Enter and Esc routed
// to a default and a cancel button. Lives for the program's run; ShowModal shows it, Close
// hides it and ends the modal loop.
#pragma once

#include "base/Handles_win.h"
#include "ui/app/Application_win.h"
#include "ui/app/Layout_win.h"
#include "ui/app/ScaledWindow_win.h"
#include "ui/app/ThreadWindows_win.h"

#include <memory>

namespace velmora {

class ModalForm : public ScaledWindow {
public:
    // Shows the form, runs FormShow, and returns once it is closed.
    void ShowModal();
    // Closes the form: FormClose runs, the window hides, ShowModal returns.
    void Close();

protected:
    // Creates the hidden window and the form's font ("MS Sans Serif", 8 pt).
    void CreateForm(const char* className, const char* caption, LayoutSize client, bool topmost);
    // Creates a control at its designed place, scaled to the form's DPI.
    HWND Add(const ControlKind& entry, const LayoutRect& designed) {
        return CreateControl(Handle(), entry, Scale(designed, Dpi()), Font());
    }
    HWND Item(int id) const { return GetDlgItem(Handle(), id); }
    // Enter clicks the default button, Esc the cancel button.
    void SetDefaultButton(int id) { defaultButton_ = id; }
    void SetCancelButton(int id) { cancelButton_ = id; }

    virtual void FormShow() {}
    virtual void FormClose() {}
    // WM_COMMAND from a control (Enter and Esc arrive as their buttons' clicks).
    virtual void OnCommand(int id, int code, HWND control) = 0;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Centred on the primary monitor.
    POINT Centre(LayoutSize outer) const override;

private:
    int defaultButton_ = 0;
    int cancelButton_ = 0;
    bool showing_ = false;
    bool closed_ = true;
    bool topmost_ = false;
    std::unique_ptr<TaskWindowsDisabled> disabled_;  // while shown
};

}  // namespace velmora
