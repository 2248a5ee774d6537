#include "ui/app/ScaledWindow_win.h"

#include "base/ProcAddress_win.h"
#include "base/ScopeExit.h"
#include "ui/app/Layout_win.h"

#include <vector>

namespace velmora {

namespace {

// Not in the headers for the Windows version the program targets.
constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE

// The window as the fit and the scaled-size answer (Layout.h) see it.
class FrameOf final : public IScaledFrame {
public:
    FrameOf(HWND window, const int& dpi) : window_(window), dpi_(dpi) {}
    int Dpi() const override { return dpi_; }
    LayoutSize OuterSize() const override {
        RECT r{};
        GetWindowRect(window_, &r);
        return {r.right - r.left, r.bottom - r.top};
    }
    LayoutSize ClientSize() const override {
        RECT r{};
        GetClientRect(window_, &r);
        return {r.right, r.bottom};
    }
    LayoutSize FrameAt(int dpi) const override {
        return FrameSize(static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                         static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)), GetMenu(window_) != nullptr, dpi);
    }
    void Resize(LayoutSize outer) override {
        SetWindowPos(window_, nullptr, 0, 0, outer.width, outer.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

private:
    HWND window_;
    const int& dpi_;
};

// Where per-monitor awareness of the first version is the best the system
// offers (Windows 10 1607), the frame, caption and menu bar follow the
// window's DPI only when asked at creation; before 1607 the function is
// missing and they stay at the system's DPI.
void EnableNonClientScaling(HWND window) {
    static const auto enable =
        LookupProc<BOOL(WINAPI*)(HWND)>(GetModuleHandleW(L"user32.dll"), "EnableNonClientDpiScaling");
    if (enable) enable(window);
}

// WM_SETREDRAW on a top-level window clears its WS_VISIBLE, so redraw is
// turned off on its visible children instead; a hidden one draws nothing
// anyway, and turning its redraw on again would show it.
std::vector<HWND> PauseRedraw(HWND window) {
    std::vector<HWND> paused;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) paused.push_back(child);
    }
    for (HWND child : paused) SendMessageW(child, WM_SETREDRAW, FALSE, 0);
    return paused;
}

}  // namespace

// The controls go before the fonts they show: the window is destroyed here,
// while the window font still exists.
ScaledWindow::~ScaledWindow() {
    if (Handle()) DestroyWindow(Handle());
}

// The first DPI is that of the screen at the centre Centre gives; once the
// window exists, the system says which screen it is on. The fit takes the
// window's DPI anew in each round, which a move onto a screen of another DPI
// changes from inside the fit (WM_DPICHANGED).
void ScaledWindow::CreateScaled(const Frame& frame) {
    client_ = frame.client;
    fixedClient_ = frame.fixedClient;
    dpi_ = DpiAt(Centre({0, 0}));
    const LayoutSize scaled = Scale(frame.client, dpi_);
    const LayoutSize border = FrameSize(frame.style, frame.exStyle, frame.menu != nullptr, dpi_);
    const LayoutSize outer{scaled.width + border.width, scaled.height + border.height};
    const POINT at = Centre(outer);
    CreateHandle(frame.className, frame.caption, frame.style, frame.exStyle, at.x, at.y, outer.width, outer.height,
                 frame.owner, frame.menu, frame.icon);
    dpi_ = WindowDpi(Handle());
    FrameOf window(Handle(), dpi_);
    FitClientArea(window, client_);
    CentreWindow();
    font_ = MakeWindowFont(dpi_);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
}

void ScaledWindow::CentreWindow() {
    RECT r{};
    GetWindowRect(Handle(), &r);
    const POINT at = Centre({r.right - r.left, r.bottom - r.top});
    SetWindowPos(Handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The system asks for the window's size at the new DPI before it suggests a
// rectangle; unanswered, it scales the outer size as a whole (Layout.cpp).
LRESULT ScaledWindow::OnGetDpiScaledSize(int dpi, SIZE& size) const {
    const FrameOf window(Handle(), dpi_);
    const LayoutSize outer = ScaledOuterSize(window, dpi, fixedClient_ ? &client_ : nullptr);
    size = {outer.width, outer.height};
    return TRUE;
}

// The window moved to a screen of another DPI, or its screen's DPI changed.
// No child draws until the end: new fonts on every control before the old
// ones go, what the user set carried over, the place the system suggests,
// and the layout of the new DPI (also where the size stayed, which sends no
// WM_SIZE). Nothing else changes.
void ScaledWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    const int oldDpi = dpi_;
    dpi_ = UsableDpi(dpi);
    const std::vector<HWND> paused = PauseRedraw(Handle());
    const ScopeExit resume([&] {
        for (HWND child : paused) SendMessageW(child, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    });
    ReplaceFont(Handle(), font_, MakeWindowFont(dpi_));
    RemakeFonts();
    CarryOver(oldDpi);
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutControls();
}

LRESULT ScaledWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: EnableNonClientScaling(Handle()); return Default(message, wParam, lParam);
        case kGetDpiScaledSize: return OnGetDpiScaledSize(static_cast<int>(wParam), *reinterpret_cast<SIZE*>(lParam));
        case WM_DPICHANGED: OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
        default: return Default(message, wParam, lParam);
    }
}

}  // namespace velmora
