// A dialog window shown modally: fixed dialog frame with only the system
// menu, client size given at 96 DPI and laid out for the DPI of its screen,
// centred on the primary monitor, Enter and Esc routed to a default and a
// cancel button. Lives for the program's run; ShowModal shows it, Close
// hides it and ends the modal loop.
#pragma once

#include "base/Handles_win.h"
#include "ui/app/Application_win.h"
#include "ui/app/Layout_win.h"
#include "ui/app/ThreadWindows_win.h"
#include "ui/app/Window_win.h"

#include <memory>

namespace velmora {

class ModalForm : public Window {
public:
    // Shows the form, runs FormShow, and returns once it is closed.
    void ShowModal();
    // Closes the form: FormClose runs, the window hides, ShowModal returns.
    void Close();

    int Dpi() const { return dpi_; }
    HFONT Font() const { return font_.Get(); }

protected:
    // Creates the hidden window and the form's font ("MS Sans Serif", 8 pt).
    void CreateForm(const char* className, const char* caption, LayoutSize client, bool topmost);
    // Creates a control at its designed place, scaled to the form's DPI.
    HWND Add(const ControlKind& entry, const LayoutRect& designed) {
        return CreateControl(Handle(), entry, Scale(designed, dpi_), font_.Get());
    }
    HWND Item(int id) const { return GetDlgItem(Handle(), id); }
    // Enter clicks the default button, Esc the cancel button.
    void SetDefaultButton(int id) { defaultButton_ = id; }
    void SetCancelButton(int id) { cancelButton_ = id; }

    // After a change of DPI: the form's further fonts made anew for Dpi()
    // and put on the controls in place of the old ones, which then go; and
    // every control placed for Dpi() from the form's table.
    virtual void RemakeFonts() {}
    virtual void LayoutControls() {}

    virtual void FormShow() {}
    virtual void FormClose() {}
    // WM_COMMAND from a control (Enter and Esc arrive as their buttons' clicks).
    virtual void OnCommand(int id, int code, HWND control) = 0;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CenterOnPrimaryMonitor();
    void OnDpiChanged(int dpi, const RECT& suggested);

    int dpi_ = 96;
    FontHandle font_;
    int defaultButton_ = 0;
    int cancelButton_ = 0;
    bool showing_ = false;
    bool closed_ = true;
    bool topmost_ = false;
    std::unique_ptr<TaskWindowsDisabled> disabled_;  // while shown
};

}  // namespace velmora
