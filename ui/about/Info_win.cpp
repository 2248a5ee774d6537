#include "ui/about/Info_win.h"

#include "Version.h"
#include "resources/ResourceIds.h"
#include "ui/about/InfoTexts.h"
#include "ui/app/Application_win.h"

#include <commctrl.h>

#include <cstring>

namespace velmora {

namespace {

constexpr int kHeaderHeight = 65;  // the white band, its bevel included
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kGrey = RGB(120, 120, 120);
const COLORREF kLinkColour = RGB(15, 100, 151);

}  // namespace

struct TInfoForm::LabelSpec {
    int number;  // LabelN
    const char* text;
    int x, y;           // at 96 DPI; x is the right edge of a right-aligned label
    int width, height;  // 0: sized to its text
    Look look;
    bool rightAligned;
};

const TInfoForm::LabelSpec TInfoForm::kLabels[] = {
    {1, "Velmora", 48, 11, 0, 0, kTitle, false},
    {10, VELMORA_VERSION_LABEL, 54, 33, 0, 0, kVersion, false},
    {2, VELMORA_BUILD_LABEL, 166, 33, 0, 0, kVersion, true},
    {15, "Letzte Änderung:", 368, 16, 0, 0, kDate, true},
    {16, "4. März 2008", 368, 32, 0, 0, kDate, true},
    {3, "Copyrighthinweis", 8, 83, 0, 0, kHeading, false},
    {4, kInfoCopyright, 8, 104, 0, 0, kText, false},
    {11, "Webseite:", 8, 122, 0, 0, kText, false},
    {12, kInfoWebAddress, 64, 122, 0, 0, kLink, false},
    {13, "E-Mail:", 8, 140, 0, 0, kText, false},
    {14, kInfoMailAddress, 64, 140, 0, 0, kLink, false},
    {5, "Lizenz", 8, 165, 0, 0, kHeading, false},
    {7, kInfoLicence, 8, 186, 357, 78, kText, false},
    {8, "Haftungsausschluss", 8, 275, 0, 0, kHeading, false},
    {6, kInfoDisclaimer, 8, 296, 351, 52, kText, false},
};

TInfoForm::~TInfoForm() {
    // Destroy the controls while the fonts they use still exist.
    if (Handle()) DestroyWindow(Handle());
}

void TInfoForm::Create() {
    CreateForm("TInfoForm", "Info über Velmora", 377, 393, true);
    const int dpi = Dpi();
    fonts_[kTitle] = MakeFont("Arial", 24, dpi);
    fonts_[kVersion] = MakeFont("Arial", 11, dpi);
    fonts_[kDate] = MakeFont("Arial", 12, dpi, true);
    fonts_[kHeading] = MakeFont("Arial", 13, dpi, true);
    // The links use the form's own font, underlined.
    LOGFONTA link{};
    GetObjectA(Font(), sizeof link, &link);
    link.lfUnderline = TRUE;
    fonts_[kLink] = FontHandle(CreateFontIndirectA(&link));

    icon_ = LoadPngResource(GetModuleHandleA(nullptr), IDR_ABOUT_ICON);
    Add({kImage1Id, "STATIC", "", 8, 12, 32, 32, WS_VISIBLE | SS_OWNERDRAW});
    for (const LabelSpec& entry : kLabels) CreateLabel(entry);
    Add({kButton1Id, "BUTTON", "OK", 151, 360, 75, 25, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON});
    SetDefaultButton(kButton1Id);
    SetCancelButton(kButton1Id);
}

constexpr int kFittedSlack = 3;

void TInfoForm::CreateLabel(const LabelSpec& entry) {
    const bool fitted = entry.width == 0;
    DWORD style = WS_VISIBLE | SS_NOPREFIX;
    style |= entry.rightAligned ? SS_RIGHT : fitted ? SS_LEFTNOWORDWRAP : SS_LEFT;
    if (entry.look == kLink) style |= SS_NOTIFY;  // a notifying static takes the mouse
    HWND label = Add({LabelId(entry.number), "STATIC", entry.text, entry.x, entry.y, entry.width, entry.height, style});
    HFONT font = FontOf(entry.look);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (entry.look == kLink) SetWindowSubclass(label, LinkProc, entry.number, reinterpret_cast<DWORD_PTR>(this));
    if (!fitted) {
        // A wrapped label keeps its designed box, but grows downwards where
        // the screen's font needs more lines' height than the box scales to
        // (at some DPIs the line height rounds up), so no line is cut off.
        RECT r{};
        GetWindowRect(label, &r);
        const int needed = TextSize(label, font, entry.text, r.right - r.left).cy;
        if (needed > r.bottom - r.top) {
            SetWindowPos(label, nullptr, 0, 0, r.right - r.left, needed, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return;
    }

    // Sized to its text in its own font, like an autosized label.
    SIZE size = TextSize(label, font, entry.text, 0);
    // A little room for glyphs that reach past their advance width (and for
    // substituted fonts that draw wider than they measure).
    size.cx += Scale(kFittedSlack, Dpi());
    const int left = Scale(entry.x, Dpi()) - (entry.rightAligned ? size.cx : 0);
    SetWindowPos(label, nullptr, left, Scale(entry.y, Dpi()), size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The size `text` takes in `font`: on one line, or wrapped at `wrapWidth`.
SIZE TInfoForm::TextSize(HWND label, HFONT font, const char* text, int wrapWidth) {
    const ScopedDC dc(label);
    const ScopedSelect selected(dc.Get(), font);
    SIZE size{};
    if (wrapWidth > 0) {
        RECT r{0, 0, wrapWidth, 0};
        DrawTextA(dc.Get(), text, -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        size = {r.right, r.bottom};
    } else {
        GetTextExtentPoint32A(dc.Get(), text, static_cast<int>(std::strlen(text)), &size);
    }
    return size;
}

// A static reports only left clicks; the links answer every mouse button,
// and a double click's second press counts as a press of its own.
LRESULT CALLBACK TInfoForm::LinkProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR number,
                                     DWORD_PTR form) {
    auto* self = reinterpret_cast<TInfoForm*>(form);
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
        case WM_XBUTTONDBLCLK:
            Guarded([&] { number == 12 ? self->Label12MouseDown() : self->Label14MouseDown(); });
            break;
        case WM_SETCURSOR: SetCursor(LoadCursor(nullptr, IDC_HAND)); return TRUE;
        case WM_NCDESTROY: RemoveWindowSubclass(label, LinkProc, number); break;
    }
    return DefSubclassProc(label, message, wParam, lParam);
}

// The shell's answer is ignored: a link that cannot be opened shows nothing.
void TInfoForm::Label12MouseDown() {
    Application().Shell().Open(InfoWebUrl(), "");
}
void TInfoForm::Label14MouseDown() {
    Application().Shell().Open(InfoMailUrl(), "");
}
void TInfoForm::Button1Click() {
    Close();
}

void TInfoForm::OnCommand(int id, int code, HWND) {
    if (id == kButton1Id && code == BN_CLICKED) Button1Click();
}

void TInfoForm::FormShow() {
    SetFocus(Item(kButton1Id));
}

LRESULT TInfoForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: PaintBackground(reinterpret_cast<HDC>(wParam)); return 1;
        case WM_CTLCOLORSTATIC: return LabelColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DRAWITEM:
            if (wParam != kImage1Id) break;
            PaintImage1(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
    }
    return ModalForm::OnMessage(message, wParam, lParam);
}

// The white header band, closed by a lowered bevel line (shadow over
// highlight) in its last two rows; the face colour below.
void TInfoForm::PaintBackground(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    RECT band{0, 0, client.right, Scale(kHeaderHeight, Dpi())};
    FillRect(dc, &band, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT bevel{0, band.bottom - 2, client.right, band.bottom};
    DrawEdge(dc, &bevel, BDR_SUNKENOUTER, BF_TOP | BF_BOTTOM);
}

void TInfoForm::PaintImage1(const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawPngBitmap(item.hDC, item.rcItem, icon_);
}

// Header labels sit on white, the others on the face colour; the brushes
// are stock or system ones, so nothing here is owned.
LRESULT TInfoForm::LabelColors(HDC dc, HWND label) {
    const int id = GetDlgCtrlID(label);
    Look look = kText;
    for (const LabelSpec& entry : kLabels) {
        if (LabelId(entry.number) == id) look = entry.look;
    }
    const COLORREF colours[kLookCount] = {
        kBlack, kGrey, kBlack, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOWTEXT), kLinkColour};
    SetTextColor(dc, colours[look]);
    SetBkMode(dc, TRANSPARENT);
    const bool header = look == kTitle || look == kVersion || look == kDate || id == kImage1Id;
    return reinterpret_cast<LRESULT>(header ? GetStockObject(WHITE_BRUSH) : GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace velmora
