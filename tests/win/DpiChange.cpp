#include "DpiChange.h"

#include "Layouts.h"
#include "WinTestSupport.h"

#include "base/ProcAddress_win.h"
#include "base/Wide_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <utility>

namespace velmora::wintest {

namespace {

constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE

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

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool InThisProcess(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid == GetCurrentProcessId();
}

// A message whose lParam points at `data`: for a window of another process
// `data` is written into that process's memory first, and read back after.
template <typename T>
bool SendWithPointer(HWND window, UINT message, WPARAM wParam, T& data, LRESULT* result = nullptr) {
    LRESULT answer = 0;
    if (InThisProcess(window)) {
        answer = SendMessageA(window, message, wParam, reinterpret_cast<LPARAM>(&data));
        if (result) *result = answer;
        return true;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_VM_READ | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!process) return false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof data, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    bool done = remote && WriteProcessMemory(process, remote, &data, sizeof data, nullptr);
    if (done) {
        answer = SendMessageA(window, message, wParam, reinterpret_cast<LPARAM>(remote));
        done = ReadProcessMemory(process, remote, &data, sizeof data, nullptr) != FALSE;
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    if (result) *result = answer;
    return done;
}

// The suggested rectangle at `other`: the size the window answers, or,
// where it answers nothing, its outer size scaled as a whole.
RECT AskScaledRect(HWND window, int dpi, int other) {
    RECT r{};
    GetWindowRect(window, &r);
    SIZE size{MulDiv(r.right - r.left, other, dpi), MulDiv(r.bottom - r.top, other, dpi)};
    LRESULT answered = 0;
    EXPECT_TRUE(SendWithPointer(window, kGetDpiScaledSize, static_cast<WPARAM>(other), size, &answered));
    EXPECT_TRUE(answered) << "WM_GETDPISCALEDSIZE unanswered";
    const SIZE designed = DesignedOuterSize(window, other);
    EXPECT_EQ(size.cx, designed.cx) << "the answered width at " << other << " DPI";
    EXPECT_EQ(size.cy, designed.cy) << "the answered height at " << other << " DPI";
    std::printf("%s %d -> %d DPI: %ld x %ld answered for %ld x %ld\n", ClassOf(window).c_str(), dpi, other, size.cx,
                size.cy, r.right - r.left, r.bottom - r.top);
    return {r.left, r.top, r.left + size.cx, r.top + size.cy};
}

SIZE DesignedClient(HWND window) {
    const std::string name = ClassOf(window);
    return name == "TForm1" ? kMainClient : name == "TExecuteForm" ? kRunClient : kAboutClient;
}

// A font of the test's own making for a label of the about dialog, or the
// window font where `face` is null.
HFONT MakeTestFont(const char* face, int pixels, bool bold, bool underline, int dpi) {
    const int height = face ? -MulDiv(pixels, dpi, 96) : -MulDiv(8, dpi, 72);
    return CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                       0, face ? L"Arial" : L"MS Sans Serif");
}

// The size of `window`'s text in `font`: on one line, or wrapped at `wrap`.
SIZE TextSize(HWND window, HFONT font, int wrap = 0) {
    const std::wstring text = Wide(WindowText(window));
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    if (wrap > 0) {
        RECT r{0, 0, wrap, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        size = {r.right, r.bottom};
    } else {
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    if (wrap == 0 && text.empty()) size.cy = metrics.tmHeight;
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size;
}

void ExpectPlace(const RECT& r, LONG left, LONG top, LONG width, LONG height, const std::string& what) {
    EXPECT_EQ(r.left, left) << what << " left";
    EXPECT_EQ(r.top, top) << what << " top";
    EXPECT_EQ(r.right - r.left, width) << what << " width";
    EXPECT_EQ(r.bottom - r.top, height) << what << " height";
}

void ExpectMainWindow(HWND window, const Scaling& s, std::set<HWND>& checked) {
    RECT client{};
    GetClientRect(window, &client);
    HWND tabs = FindWindowExA(window, nullptr, "SysTabControl32", nullptr);
    HWND bevel = FindWindowExA(window, nullptr, "Static", nullptr);
    ASSERT_TRUE(tabs && bevel);
    checked.insert({tabs, bevel});
    ExpectPlace(RectInParent(bevel), 0, 0, client.right, s.S(kMainBevel), "bevel");
    const int margin = s.S(kMainMargin);
    const int top = s.S(kMainBevel) + margin;
    const RECT tabsRect = RectInParent(tabs);
    ExpectPlace(tabsRect, margin, top, client.right - 2 * margin, client.bottom - top - margin, "page control");
    // The pages: whatever the tab control's header leaves, both the same.
    RECT first{};
    for (HWND page = FindWindowExA(window, nullptr, "TVelmoraPage", nullptr); page;
         page = FindWindowExA(window, page, "TVelmoraPage", nullptr)) {
        checked.insert(page);
        const RECT r = RectInParent(page);
        if (IsRectEmpty(&first)) first = r;
        EXPECT_TRUE(SameRect(r, first)) << "the pages differ";
        RECT inside{};
        EXPECT_TRUE(IntersectRect(&inside, &r, &tabsRect) && SameRect(inside, r)) << "a page outside the tabs";
    }
    for (const DesignedRect& d : kMainWindowLayout) {
        HWND control = Child(window, d.id);
        ASSERT_TRUE(control) << d.name;
        checked.insert(control);
        RECT page{};
        GetClientRect(GetParent(control), &page);
        const RECT r = RectInParent(control);
        if (!d.anchored) {
            ExpectPlace(r, s.S(d.x), s.S(d.y), s.S(d.width), s.S(d.height), d.name);
            continue;
        }
        EXPECT_EQ(page.right - r.right, s.S(kMainPage.cx - d.x - d.width)) << d.name << " to the right edge";
        EXPECT_EQ(page.bottom - r.bottom, s.S(kMainPage.cy - d.y - d.height)) << d.name << " to the bottom edge";
        EXPECT_EQ(r.right - r.left, s.S(d.width)) << d.name << " width";
        EXPECT_EQ(r.bottom - r.top, s.S(d.height)) << d.name << " height";
    }
}

void ExpectRunDialog(HWND window, const Scaling& s, std::set<HWND>& checked) {
    for (const DesignedRect& d : kRunDialogLayout) {
        HWND control = Child(window, d.id);
        checked.insert(control);
        ExpectPlace(RectInParent(control), s.S(d.x), s.S(d.y), s.S(d.width), s.S(d.height), d.name);
    }
    HWND label = Child(window, TExecuteForm::kLabel1Id);
    checked.insert(label);
    HFONT font = MakeTestFont(nullptr, 0, false, false, s.dpi);
    SIZE text = TextSize(label, font);
    {
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        text.cy = metrics.tmHeight;
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
    }
    DeleteObject(font);
    ExpectPlace(RectInParent(label), s.S(kRunLabel1.x), s.S(kRunLabel1.y), text.cx, text.cy, "Label1");
    // The closed combo box is as high as its font makes it. (Its open
    // list's height is out of reach: Wine's dropped rectangle is not
    // Windows'.)
    HWND combo = Child(window, kRunCombo.id);
    checked.insert(combo);
    const RECT r = RectInParent(combo);
    ExpectPlace(r, s.S(kRunCombo.x), s.S(kRunCombo.y), s.S(kRunCombo.width), r.bottom - r.top, kRunCombo.name);
}

void ExpectAboutDialog(HWND window, const Scaling& s, std::set<HWND>& checked) {
    for (const DesignedRect& d : kAboutDialogLayout) {
        HWND control = Child(window, d.id);
        checked.insert(control);
        ExpectPlace(RectInParent(control), s.S(d.x), s.S(d.y), s.S(d.width), s.S(d.height), d.name);
    }
    for (const DesignedLabel& d : kAboutLabels) {
        const std::string name = "Label" + std::to_string(d.number);
        HWND label = Child(window, TInfoForm::LabelId(d.number));
        ASSERT_TRUE(label) << name;
        checked.insert(label);
        HFONT font = MakeTestFont(d.face, d.pixels, d.bold, d.underline, s.dpi);
        const RECT r = RectInParent(label);
        if (d.width > 0) {
            const SIZE text = TextSize(label, font, s.S(d.width));
            ExpectPlace(r, s.S(d.x), s.S(d.y), s.S(d.width), std::max<LONG>(s.S(d.height), text.cy), name);
        } else {
            const SIZE text = TextSize(label, font);
            const LONG width = text.cx + s.S(kFittedLabelSlack);
            ExpectPlace(r, d.right ? s.S(d.x) - width : s.S(d.x), s.S(d.y), width, text.cy, name);
        }
        DeleteObject(font);
    }
}

}  // namespace

bool SendDpiChanged(HWND window, int dpi, RECT suggested) {
    return SendWithPointer(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), suggested);
}

SIZE DesignedOuterSize(HWND window, int dpi) {
    using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi =
        LookupProc<AdjustForDpiFn>(GetModuleHandleA("user32.dll"), "AdjustWindowRectExForDpi");
    const SIZE client = DesignedClient(window);
    RECT r{0, 0, MulDiv(client.cx, dpi, 96), MulDiv(client.cy, dpi, 96)};
    const DWORD style = GetWindowLongA(window, GWL_STYLE);
    const DWORD exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    const BOOL menu = GetMenu(window) != nullptr;
    if (!adjustForDpi || !adjustForDpi(&r, style, menu, exStyle, dpi)) AdjustWindowRectEx(&r, style, menu, exStyle);
    return {r.right - r.left, r.bottom - r.top};
}

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
    const RECT answered = AskScaledRect(window, dpi, other);
    ASSERT_TRUE(SendDpiChanged(window, other, answered));
    // The sessions' screen is small: the system keeps a window within the
    // largest size it allows.
    RECT suggested = answered;
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

    // A window the screen cut short answers for the size it was left at;
    // back it goes to its first rectangle then, as a user would drag it.
    RECT back = before.window;
    if (SameRect(suggested, answered)) {
        back = AskScaledRect(window, other, dpi);
        EXPECT_TRUE(SameRect(back, before.window)) << "the answer on the way back";
    }
    ASSERT_TRUE(SendDpiChanged(window, dpi, back));
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
    std::set<HWND> checked;
    const std::string name = ClassOf(window);
    if (name == "TForm1") {
        ExpectMainWindow(window, s, checked);
    } else if (name == "TExecuteForm") {
        ExpectRunDialog(window, s, checked);
    } else {
        ExpectAboutDialog(window, s, checked);
    }
    // Every control of the window and of its pages: the parts that the
    // controls make of themselves (a combo box's field, a list's header)
    // are their business.
    std::vector<HWND> parents{window};
    for (HWND page = FindWindowExA(window, nullptr, "TVelmoraPage", nullptr); page;
         page = FindWindowExA(window, page, "TVelmoraPage", nullptr)) {
        parents.push_back(page);
    }
    for (HWND parent : parents) {
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (!checked.count(child)) {
                ADD_FAILURE() << "control " << GetDlgCtrlID(child) << " (" << ClassOf(child) << ") is in no table";
            }
        }
    }
}

}  // namespace velmora::wintest
