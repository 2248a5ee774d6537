#include "ui/app/ModalForm_win.h"

#include "base/ScopeExit.h"
#include "ui/app/Application_win.h"
#include "ui/app/Topmost_win.h"

namespace velmora {

namespace {

// A shown dialog belongs to the main window once it exists, else to the
// hidden application window. A hidden one belongs to the application
// window: Wine, asked to make a window topmost, first lifts the popups it
// owns and then places the window below the last of them, outside the
// topmost band, so a main window owning the hidden dialogs could never be
// made topmost again.
HWND ModalOwner() {
    return Application().MainWindow() ? Application().MainWindow() : Application().Handle();
}

void SetOwner(HWND window, HWND owner) {
    SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

}  // namespace

void ModalForm::CreateForm(const char* className, const char* caption, LayoutSize client, bool topmost) {
    topmost_ = topmost;
    CreateScaled({className, caption, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                  static_cast<DWORD>(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | (topmost ? WS_EX_TOPMOST : 0)), client,
                  true, Application().Handle()});
}

POINT ModalForm::Centre(LayoutSize outer) const {
    return {(GetSystemMetrics(SM_CXSCREEN) - outer.width) / 2, (GetSystemMetrics(SM_CYSCREEN) - outer.height) / 2};
}

void ModalForm::ShowModal() {
    if (showing_) return;
    showing_ = true;
    closed_ = false;
    // However ShowModal is left (closed, the loop ended by WM_QUIT, or an
    // exception from FormShow or the loop), the other windows are enabled
    // again and the form stops counting as shown.
    const ScopeExit modality([this] {
        disabled_.reset();
        showing_ = false;
    });
    SetOwner(Handle(), ModalOwner());
    disabled_ = std::make_unique<TaskWindowsDisabled>(Handle());
    // A form that stays on top does so whatever became of its owner's
    // topmost state since the last showing. Any other form shares its
    // owner's band: the system lifts it into the topmost band when it shows
    // above a topmost owner, or along with a lifted owner, and nothing takes
    // it out again when the owner leaves the band.
    SetTopmost(Handle(), topmost_ || IsTopmost(ModalOwner()));
    // Every showing starts centred, wherever the user left it last time.
    CentreWindow();
    ShowWindow(Handle(), SW_SHOWNORMAL);
    FormShow();
    Application().RunModal(Handle(), closed_);
}

void ModalForm::Close() {
    if (closed_) return;
    FormClose();
    closed_ = true;
    // Enable the other windows before hiding, so that the activation goes
    // back to the owner rather than to no window at all.
    disabled_.reset();
    ShowWindow(Handle(), SW_HIDE);
    SetOwner(Handle(), Application().Handle());
}

LRESULT ModalForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case DM_GETDEFID: return defaultButton_ ? MAKELRESULT(defaultButton_, DC_HASDEFID) : 0;
        case WM_COMMAND: {
            int id = LOWORD(wParam);
            // IsDialogMessage turns Esc into IDCANCEL, and Enter into IDOK when
            // the focused control is not a button.
            if (id == IDCANCEL && !lParam) {
                if (cancelButton_)
                    OnCommand(cancelButton_, BN_CLICKED, Item(cancelButton_));
                else
                    Close();
                return 0;
            }
            if (id == IDOK && !lParam && defaultButton_) {
                OnCommand(defaultButton_, BN_CLICKED, Item(defaultButton_));
                return 0;
            }
            OnCommand(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        }
        case WM_CLOSE: Close(); return 0;
        default: return ScaledWindow::OnMessage(message, wParam, lParam);
    }
}

}  // namespace velmora
