// Window base for the top-level windows laid out from a table designed at
// 96 DPI: holds the window's DPI and its font; creates the window with its
// client area fitted to the design at its screen's DPI, and centres it; and
// follows a change of DPI (new fonts, the layout again, the rectangle the
// system suggests). Each window supplies its layout, its further fonts and
// where it is centred.
#pragma once

#include "base/Handles_win.h"
#include "ui/app/Layout.h"
#include "ui/app/Window_win.h"

#include <windows.h>

namespace velmora {

class ScaledWindow : public Window {
public:
    ~ScaledWindow() override;

    int Dpi() const { return dpi_; }
    // The window font ("MS Sans Serif", 8 pt) at Dpi().
    HFONT Font() const { return font_.Get(); }

protected:
    struct Frame {
        const char* className;  // UTF-8, as the caption
        const char* caption;
        DWORD style;
        DWORD exStyle;
        LayoutSize client;  // designed at 96 DPI
        bool fixedClient;   // a dialog's: always its designed size
        HWND owner = nullptr;
        HMENU menu = nullptr;
        HICON icon = nullptr;
    };
    // Creates the window, hidden, laid out for the screen where Centre puts
    // it and then for the one the system says it is on: client area fitted,
    // centred, window font made.
    void CreateScaled(const Frame& frame);
    // Moves the window to where Centre puts a window of its size.
    void CentreWindow();

    // The top left corner of a window of `outer` pixels.
    virtual POINT Centre(LayoutSize outer) const = 0;
    // The steps of a change of DPI that differ per window, in this order:
    // further fonts made for Dpi() and put on the controls in place of the
    // old ones (the window font is new already); what the user set at
    // `oldDpi` (column widths) carried to Dpi() before the window moves; and
    // once it has moved, every control placed for Dpi() from the window's
    // table.
    virtual void RemakeFonts() {}
    virtual void CarryOver(int /*oldDpi*/) {}
    virtual void LayoutControls() {}

    // WM_NCCREATE, WM_GETDPISCALEDSIZE and WM_DPICHANGED; the rest to Default.
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnDpiChanged(int dpi, const RECT& suggested);
    LRESULT OnGetDpiScaledSize(int dpi, SIZE& size) const;

    int dpi_ = kDesignDpi;
    FontHandle font_;
    LayoutSize client_;
    bool fixedClient_ = false;
};

}  // namespace velmora
