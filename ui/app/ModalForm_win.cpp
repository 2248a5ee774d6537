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

// Laid out for the primary screen, where it shows; once the window exists,
// for the screen the system says it is on.
void ModalForm::CreateForm(const char* className, const char* caption, LayoutSize client, bool topmost) {
    topmost_ = topmost;
    dpi_ = DpiAt({GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2});
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | (topmost ? WS_EX_TOPMOST : 0);
    const LayoutSize scaled = Scale(client, dpi_);
    RECT r{0, 0, scaled.width, scaled.height};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    CreateHandle(className, caption, style, exStyle, 0, 0, r.right - r.left, r.bottom - r.top, Application().Handle());
    dpi_ = WindowDpi(Handle());
    FitClientArea(Handle(), Scale(client, dpi_));
    CenterOnPrimaryMonitor();
    font_ = MakeWindowFont(dpi_);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
}

void ModalForm::CenterOnPrimaryMonitor() {
    RECT r{};
    GetWindowRect(Handle(), &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    CenterOnPrimaryMonitor();
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

// New fonts on every control before the old ones go, the layout of the new
// DPI, and the place the system suggests; nothing else changes.
void ModalForm::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = UsableDpi(dpi);
    ReplaceFont(Handle(), font_, MakeWindowFont(dpi_));
    RemakeFonts();
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutControls();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
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
        case WM_DPICHANGED: OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
        default: return Default(message, wParam, lParam);
    }
}

}  // namespace velmora
