#include "ui/app/Layout_win.h"

#include <cstring>

namespace velmora {

int ScreenDpi() {
    const ScopedDC screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return dpi > 0 ? dpi : 96;
}

FontHandle MakeFont(const char* face, int pixels, int dpi, bool bold, bool underline) {
    LOGFONTA lf{};
    lf.lfHeight = -Scale(pixels, dpi);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = underline ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return FontHandle(CreateFontIndirectA(&lf));
}

FontHandle MakeWindowFont(int dpi) {
    LOGFONTA lf{};
    lf.lfHeight = -MulDiv(8, dpi, 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    strncpy(lf.lfFaceName, "MS Sans Serif", LF_FACESIZE - 1);
    return FontHandle(CreateFontIndirectA(&lf));
}

HWND CreateControl(HWND parent, const ControlSpec& entry, int dpi, HFONT font) {
    HWND control =
        CreateWindowExA(entry.exStyle, entry.className, entry.caption, entry.style | WS_CHILD, Scale(entry.x, dpi),
                        Scale(entry.y, dpi), Scale(entry.width, dpi), Scale(entry.height, dpi), parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)),
                        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
    if (control && font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void AnchorLayout::Add(HWND control, unsigned anchors, SIZE designedParent) {
    HWND parent = GetParent(control);
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    items_.push_back({control, anchors, rect, designedParent});
}

void AnchorLayout::ParentResized(HWND parent) {
    RECT client{};
    GetClientRect(parent, &client);
    for (const Item& item : items_) {
        if (GetParent(item.control) != parent || item.anchors == kAnchorLeftTop) continue;
        int dx = item.anchors & kAnchorRight ? client.right - item.designedParent.cx : 0;
        int dy = item.anchors & kAnchorBottom ? client.bottom - item.designedParent.cy : 0;
        SetWindowPos(item.control, nullptr, item.designed.left + dx, item.designed.top + dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace velmora
