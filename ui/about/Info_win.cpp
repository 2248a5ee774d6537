#include "ui/about/Info_win.h"

#include "base/Wide_win.h"
#include "resources/ResourceIds.h"
#include "ui/app/Application_win.h"

#include <commctrl.h>

namespace velmora {

namespace {

RECT ToRect(const LayoutRect& r) {
    return {r.left, r.top, r.Right(), r.Bottom()};
}

}  // namespace

TInfoForm::~TInfoForm() {
    // Destroy the controls while the fonts they use still exist.
    if (Handle()) DestroyWindow(Handle());
}

void TInfoForm::Create() {
    CreateForm("TInfoForm", "Info über Velmora", kInfoClient, true);
    RemakeFonts();
    icon_ = LoadPngResource(GetModuleHandleW(nullptr), IDR_ABOUT_ICON);
    Add({kImage1Id, "STATIC", "", WS_VISIBLE | SS_OWNERDRAW}, kInfoImage1);
    for (std::size_t i = 0; i < kInfoLabelCount; ++i) CreateLabel(kInfoLabels[i]);
    Add({kButton1Id, "BUTTON", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON}, kInfoButton1);
    SetDefaultButton(kButton1Id);
    SetCancelButton(kButton1Id);
}

// The looks' fonts for the form's DPI; a label changes to its look's new
// font before the old one goes.
void TInfoForm::RemakeFonts() {
    for (int look = 0; look < kLookCount; ++look) {
        ReplaceFont(Handle(), fonts_[look], MakeFont(InfoLookStyle(static_cast<InfoLook>(look)).font, Dpi()));
    }
}

void TInfoForm::CreateLabel(const InfoLabel& entry) {
    const bool fitted = entry.width == 0;
    DWORD style = WS_VISIBLE | SS_NOPREFIX;
    style |= entry.rightAligned ? SS_RIGHT : fitted ? SS_LEFTNOWORDWRAP : SS_LEFT;
    if (entry.link != InfoLink::None) style |= SS_NOTIFY;  // a notifying static takes the mouse
    HWND label =
        Add({LabelId(entry.number), "STATIC", entry.text, style}, {entry.x, entry.y, entry.width, entry.height});
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(entry.look)), FALSE);
    if (entry.link != InfoLink::None) {
        SetWindowSubclass(label, LinkProc, static_cast<UINT_PTR>(entry.link), reinterpret_cast<DWORD_PTR>(this));
    }
    PlaceLabel(entry);
}

// Sized to its text in its own font, like an autosized label, or wrapped
// in its designed box (InfoLayout.cpp).
void TInfoForm::PlaceLabel(const InfoLabel& entry) {
    HWND label = Item(LabelId(entry.number));
    const int wrapWidth = entry.width > 0 ? Scale(entry.width, Dpi()) : 0;
    MoveControl(label, PlaceInfoLabel(entry, TextExtent(label, FontOf(entry.look), entry.text, wrapWidth), Dpi()));
}

void TInfoForm::LayoutControls() {
    MoveControl(Item(kImage1Id), Scale(kInfoImage1, Dpi()));
    for (std::size_t i = 0; i < kInfoLabelCount; ++i) PlaceLabel(kInfoLabels[i]);
    MoveControl(Item(kButton1Id), Scale(kInfoButton1, Dpi()));
}

// A static reports only left clicks; the links answer every mouse button,
// and a double click's second press counts as a press of its own.
LRESULT CALLBACK TInfoForm::LinkProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR link,
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
            Guarded([&] {
                switch (static_cast<InfoLink>(link)) {
                    case InfoLink::Web: return self->Label12MouseDown();
                    case InfoLink::Mail: return self->Label14MouseDown();
                    case InfoLink::None: return;
                }
            });
            break;
        case WM_SETCURSOR: SetCursor(LoadCursor(nullptr, IDC_HAND)); return TRUE;
        case WM_NCDESTROY: RemoveWindowSubclass(label, LinkProc, link); break;
    }
    return DefSubclassProc(label, message, wParam, lParam);
}

// The shell's answer is ignored: a link that cannot be opened shows nothing.
void TInfoForm::Label12MouseDown() {
    shell_.Open(InfoLinkTarget(InfoLink::Web), "");
}
void TInfoForm::Label14MouseDown() {
    shell_.Open(InfoLinkTarget(InfoLink::Mail), "");
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
    const InfoHeader header = InfoHeaderBand(client.right, Dpi());
    RECT band = ToRect(header.band);
    FillRect(dc, &band, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT shadow = ToRect(header.shadow);
    FillRect(dc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
    RECT highlight = ToRect(header.highlight);
    FillRect(dc, &highlight, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
}

void TInfoForm::PaintImage1(const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawPngBitmap(item.hDC, item.rcItem, icon_, Dpi());
}

const InfoLabel* TInfoForm::LabelOf(HWND control) const {
    const int id = GetDlgCtrlID(control);
    for (std::size_t i = 0; i < kInfoLabelCount; ++i) {
        if (LabelId(kInfoLabels[i].number) == id) return &kInfoLabels[i];
    }
    return nullptr;
}

// Each label's colours come from its look (InfoLayout.cpp); Image1 lies on
// the header band. The brushes are stock or system ones, so nothing here is
// owned.
LRESULT TInfoForm::LabelColors(HDC dc, HWND control) {
    const InfoLabel* label = LabelOf(control);
    const InfoStyle style = InfoLookStyle(label ? label->look : InfoLook::Text);
    const InfoInk& ink = style.ink;
    SetTextColor(dc, ink.windowText ? GetSysColor(COLOR_WINDOWTEXT) : RGB(ink.red, ink.green, ink.blue));
    SetBkMode(dc, TRANSPARENT);
    const bool header = label ? style.onHeader : GetDlgCtrlID(control) == kImage1Id;
    return reinterpret_cast<LRESULT>(header ? GetStockObject(WHITE_BRUSH) : GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace velmora
