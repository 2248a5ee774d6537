#include "ui/app/Layout_win.h"

#include "base/ProcAddress_win.h"
#include "base/Wide_win.h"

#include <cwchar>
#include <string>
#include <utility>

namespace velmora {

namespace {

// MONITOR_DPI_TYPE's MDT_EFFECTIVE_DPI: the DPI the user chose for the screen.
constexpr int kEffectiveDpi = 0;

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

// shcore.dll exists from Windows 8.1 on. Loaded by its full path in the
// system folder, so that a file of that name beside the program is never
// taken on a system that lacks it.
GetDpiForMonitorFn GetDpiForMonitorProc() {
    static const GetDpiForMonitorFn proc = [] {
        wchar_t folder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return GetDpiForMonitorFn{};
        const std::wstring path = std::wstring(folder, length) + L"\\shcore.dll";
        HMODULE shcore = LoadLibraryW(path.c_str());
        return shcore ? LookupProc<GetDpiForMonitorFn>(shcore, "GetDpiForMonitor") : GetDpiForMonitorFn{};
    }();
    return proc;
}

int MonitorDpi(HMONITOR monitor) {
    const GetDpiForMonitorFn getDpiForMonitor = GetDpiForMonitorProc();
    UINT x = 0, y = 0;
    if (monitor && getDpiForMonitor && getDpiForMonitor(monitor, kEffectiveDpi, &x, &y) == S_OK) {
        return UsableDpi(static_cast<int>(y));
    }
    return ScreenDpi();
}

struct FontSwap {
    HFONT current;
    HFONT replacement;
};

BOOL CALLBACK SwapFont(HWND control, LPARAM param) {
    const auto& swap = *reinterpret_cast<const FontSwap*>(param);
    if (reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)) == swap.current) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(swap.replacement), TRUE);
    }
    return TRUE;
}

}  // namespace

int ScreenDpi() {
    const ScopedDC screen(nullptr);
    return UsableDpi(GetDeviceCaps(screen.Get(), LOGPIXELSY));
}

int DpiAt(POINT point) {
    return MonitorDpi(MonitorFromPoint(point, MONITOR_DEFAULTTOPRIMARY));
}

int WindowDpi(HWND window) {
    static const auto getDpiForWindow =
        LookupProc<GetDpiForWindowFn>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window)) return UsableDpi(static_cast<int>(dpi));
    }
    return MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY));
}

FontHandle MakeFont(const FontRequest& font, int dpi) {
    LOGFONTW lf{};
    lf.lfHeight = FontHeight(font, dpi);
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    wcsncpy(lf.lfFaceName, Wide(font.face).c_str(), LF_FACESIZE - 1);
    return FontHandle(CreateFontIndirectW(&lf));
}

LayoutSize TextExtent(HWND control, HFONT font, const std::string& text, int wrapWidth) {
    const std::wstring wide = Wide(text);
    const ScopedDC dc(control);
    const ScopedSelect selected(dc.Get(), font);
    if (wrapWidth > 0) {
        RECT r{0, 0, wrapWidth, 0};
        DrawTextW(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        return {r.right, r.bottom};
    }
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return {size.cx, size.cy};
}

// EnumChildWindows reaches every descendant, so the edit field inside a
// combo box and the header inside a list view change too.
void ReplaceFont(HWND window, FontHandle& held, FontHandle replacement, HFONT standIn) {
    FontSwap swap{held.Get(), replacement ? replacement.Get() : standIn};
    if (swap.current && swap.current != swap.replacement) {
        EnumChildWindows(window, SwapFont, reinterpret_cast<LPARAM>(&swap));
    }
    held = std::move(replacement);
}

HWND CreateControl(HWND parent, const ControlKind& entry, const LayoutRect& place, HFONT font) {
    HWND control = CreateWindowExW(entry.exStyle, Wide(entry.className).c_str(), Wide(entry.caption).c_str(),
                                   entry.style | WS_CHILD, place.left, place.top, place.width, place.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)),
                                   reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (control && font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void MoveControl(HWND control, const LayoutRect& place) {
    SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

LayoutSize FrameSize(DWORD style, DWORD exStyle, bool menu, int dpi) {
    using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi =
        LookupProc<AdjustForDpiFn>(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi");
    RECT r{};
    if (!adjustForDpi || !adjustForDpi(&r, style, menu, exStyle, static_cast<UINT>(dpi))) {
        r = RECT{};
        AdjustWindowRectEx(&r, style, menu, exStyle);
    }
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace velmora
