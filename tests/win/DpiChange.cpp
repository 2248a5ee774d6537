#include "DpiChange.h"

#include "Layouts.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>

namespace velmora::wintest {

namespace {

BOOL CALLBACK AddControl(HWND control, LPARAM param) {
    auto& [top, shot] = *reinterpret_cast<std::pair<HWND, WindowShot*>*>(param);
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&r), 2);
    shot->controls.push_back(control);
    shot->places.push_back(r);
    shot->fonts.push_back(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    return TRUE;
}

bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

// The rectangle travels by pointer, and no system copies it into another
// process for this message: for a window of another process it is written
// into that process's memory first.
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

}  // namespace

WindowShot Shoot(HWND window) {
    WindowShot shot;
    GetWindowRect(window, &shot.window);
    GetClientRect(window, &shot.client);
    std::pair<HWND, WindowShot*> context{window, &shot};
    EnumChildWindows(window, AddControl, reinterpret_cast<LPARAM>(&context));
    return shot;
}

void ThereAndBack(HWND window, int dpi, int other, const std::function<void(const WindowShot& there)>& atOther) {
    const WindowShot before = Shoot(window);
    const RECT& r = before.window;
    RECT suggested{r.left, r.top, r.left + MulDiv(r.right - r.left, other, dpi),
                   r.top + MulDiv(r.bottom - r.top, other, dpi)};
    ASSERT_TRUE(SendDpiChanged(window, other, suggested));
    suggested.right = std::min<LONG>(suggested.right, suggested.left + GetSystemMetrics(SM_CXMAXTRACK));
    suggested.bottom = std::min<LONG>(suggested.bottom, suggested.top + GetSystemMetrics(SM_CYMAXTRACK));
    const WindowShot there = Shoot(window);
    EXPECT_TRUE(SameRect(there.window, suggested)) << "the suggested rectangle";
    const std::set<HFONT> current(there.fonts.begin(), there.fonts.end());
    for (HFONT font : before.fonts) {
        if (font && !current.count(font)) {
            EXPECT_EQ(GetObjectType(font), 0u) << "an old font still exists";
        }
    }
    atOther(there);

    ASSERT_TRUE(SendDpiChanged(window, dpi, before.window));
    const WindowShot after = Shoot(window);
    EXPECT_TRUE(SameRect(after.window, before.window)) << "window";
    EXPECT_TRUE(SameRect(after.client, before.client)) << "client area";
    ASSERT_EQ(after.places.size(), before.places.size());
    for (std::size_t i = 0; i < before.places.size(); ++i) {
        EXPECT_TRUE(SameRect(after.places[i], before.places[i])) << "control " << GetDlgCtrlID(before.controls[i]);
    }
}

void ExpectDesignedLayout(HWND window, int dpi) {
    const Scaling s{dpi};
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "TForm1") == 0) {
        for (const DesignedRect& d : kMainWindowLayout) {
            HWND control = Child(window, d.id);
            ASSERT_TRUE(control) << d.name;
            RECT page{};
            GetClientRect(GetParent(control), &page);
            s.ExpectOnPage(RectInParent(control), d, page, kMainPage);
        }
        return;
    }
    const auto expect = [&](const auto& layout) {
        for (const DesignedRect& d : layout) s.ExpectRect(RectInParent(Child(window, d.id)), d);
    };
    if (std::strcmp(name, "TExecuteForm") == 0) {
        expect(kRunDialogLayout);
    } else {
        expect(kAboutDialogLayout);
    }
}

}  // namespace velmora::wintest
