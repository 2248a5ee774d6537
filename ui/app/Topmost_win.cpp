#include "ui/app/Topmost_win.h"

namespace velmora {

bool IsTopmost(HWND window) {
    return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void SetTopmost(HWND window, bool topmost) {
    constexpr UINT kFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    if (topmost) {
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kFlags);
        return;
    }
    // Wine ignores HWND_NOTOPMOST for a window that has an owner: the owner
    // is let go for the moment of the change.
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner) SetWindowLongPtrW(window, GWLP_HWNDPARENT, 0);
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, kFlags);
    if (owner) SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

}  // namespace velmora
