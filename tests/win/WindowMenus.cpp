#include "WindowMenus.h"

#include "WinTestSupport.h"
#include "base/Wide_win.h"

namespace velmora::wintest {

UINT MenuItemState(HMENU menu, int id) {
    return GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND);
}

std::string MenuCaption(HMENU menu, int id) {
    wchar_t text[200] = {};
    GetMenuStringW(menu, static_cast<UINT>(id), text, 200, MF_BYCOMMAND);
    std::wstring caption(text);
    return Narrow(caption.substr(0, caption.find(L'\t')));
}

namespace {

BOOL CALLBACK FindPopupMenu(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (IsWindowVisible(window) && std::wstring(name) == L"#32768") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HMENU OpenContextMenu(HWND window, HWND control) {
    HMENU opened = nullptr;
    RECT r{};
    GetWindowRect(control, &r);
    {
        Closer closer("the context menu", [&opened] {
            HWND popup = nullptr;
            EnumThreadWindows(GetCurrentThreadId(), FindPopupMenu, reinterpret_cast<LPARAM>(&popup));
            if (popup && !opened) opened = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
            if (opened) CloseOpenMenu();
        });
        SendMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control), MAKELPARAM(r.left + 30, r.top + 40));
    }
    return opened;
}

long MsUntilTimer(HWND window, DWORD ms) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < ms) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            const bool tick = msg.message == WM_TIMER && msg.hwnd == window;
            const long took = static_cast<long>(GetTickCount() - start);
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            if (tick) return took;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return -1;
}

bool TakeQuitMessage() {
    MSG msg;
    return PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

}  // namespace velmora::wintest
