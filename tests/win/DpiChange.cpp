#include "DpiChange.h"

#include <algorithm>

namespace velmora::wintest {

namespace {

struct ShotContext {
    HWND top;
    WindowShot* shot;
};

BOOL CALLBACK AddControl(HWND control, LPARAM param) {
    auto& context = *reinterpret_cast<ShotContext*>(param);
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, context.top, reinterpret_cast<POINT*>(&r), 2);
    context.shot->controls.push_back(control);
    context.shot->places.push_back(r);
    context.shot->fonts.push_back(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    return TRUE;
}

}  // namespace

WindowShot Shoot(HWND window) {
    WindowShot shot;
    GetWindowRect(window, &shot.window);
    GetClientRect(window, &shot.client);
    ShotContext context{window, &shot};
    EnumChildWindows(window, AddControl, reinterpret_cast<LPARAM>(&context));
    return shot;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT Suggested(HWND window, int from, int to) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.left + MulDiv(r.right - r.left, to, from), r.top + MulDiv(r.bottom - r.top, to, from)};
}

RECT Reachable(RECT suggested) {
    suggested.right = std::min<LONG>(suggested.right, suggested.left + GetSystemMetrics(SM_CXMAXTRACK));
    suggested.bottom = std::min<LONG>(suggested.bottom, suggested.top + GetSystemMetrics(SM_CYMAXTRACK));
    return suggested;
}

bool SendDpiChanged(HWND window, int dpi, RECT suggested) {
    const WPARAM dpis = MAKEWPARAM(dpi, dpi);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == GetCurrentProcessId()) {
        SendMessageA(window, WM_DPICHANGED, dpis, reinterpret_cast<LPARAM>(&suggested));
        return true;
    }
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!process) return false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const bool written = remote && WriteProcessMemory(process, remote, &suggested, sizeof suggested, nullptr);
    if (written) SendMessageA(window, WM_DPICHANGED, dpis, reinterpret_cast<LPARAM>(remote));
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return written;
}

}  // namespace velmora::wintest
