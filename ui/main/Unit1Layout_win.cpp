// The main window's construction: its size and place, the two pages with
// their controls and columns, and their layout when the window is resized.
#include "ui/main/Unit1_win.h"

#include "base/Wide_win.h"
#include "resources/ResourceIds.h"
#include "ui/app/Application_win.h"
#include "ui/main/Unit1Layout.h"

#include <commctrl.h>

namespace velmora {

namespace {

// One sunken client edge (WS_EX_CLIENTEDGE below); WS_BORDER would add a
// second frame inside it.
const DWORD kListStyle = WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS;
const DWORD kButtonStyle = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

// What each control of the pages is; their places are in Unit1Layout.cpp.
const ControlKind kControls[] = {
    {TForm1::kTaskViewId, WC_LISTVIEWA, "", kListStyle, WS_EX_CLIENTEDGE},
    {TForm1::kExecuteBtnId, "BUTTON", "Neuer Task...", kButtonStyle},
    {TForm1::kBringToFrontBtnId, "BUTTON", "Wechseln zu", kButtonStyle | WS_DISABLED},
    {TForm1::kFinalizeTaskBtnId, "BUTTON", "Task beenden", kButtonStyle | WS_DISABLED},
    {TForm1::kProcessViewId, WC_LISTVIEWA, "", kListStyle, WS_EX_CLIENTEDGE},
    {TForm1::kFinalizeProcessBtnId, "BUTTON", "Prozess beenden", kButtonStyle},
};

// The columns of `table` (Unit1Layout.cpp), scaled to `dpi`.
void AddColumns(HWND view, const ColumnTable& table, int dpi) {
    for (std::size_t i = 0; i < table.count; ++i) {
        const ListColumn& entry = table.columns[i];
        const std::wstring caption = Wide(entry.caption);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = entry.align == ColumnAlign::Right ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = Scale(entry.width, dpi);
        column.pszText = const_cast<wchar_t*>(caption.c_str());
        column.iSubItem = static_cast<int>(i);
        SendMessageW(view, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    ListView_SetExtendedListViewStyle(view, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
}

LayoutSize ClientSize(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

}  // namespace

// Page windows forward what their controls tell them to the main window.
class TabPage : public Window {
public:
    void Create(HWND parent) {
        CreateHandle("TVelmoraPage", "", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 0, 0, 0, 0,
                     parent);
    }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_COMMAND:
            case WM_NOTIFY:
            case WM_CONTEXTMENU: return SendMessageW(GetAncestor(Handle(), GA_ROOT), message, wParam, lParam);
            default: return Default(message, wParam, lParam);
        }
    }
};

TForm1::TForm1(ISystem& system, IMessageBoxes& boxes) : controller_(system, processView_, boxes) {
    // The rows take their texts through callbacks, so the list view reports
    // no text change of its own; the refresh does.
    controller_.OnRowTextChanged = [this] { ProcessViewChange(); };
    // A close that arrived during a refresh, once the refresh has ended.
    controller_.OnDeferredClose = [this] { PostMessageW(Handle(), WM_CLOSE, 0, 0); };
}

TForm1::~TForm1() {
    // Destroy the window while this object is whole: its last messages
    // still reach the handlers, which use the members.
    if (Handle()) DestroyWindow(Handle());
}

namespace {

// Centred on the whole desktop, all monitors together.
POINT DesktopCentred(int width, int height) {
    return {GetSystemMetrics(SM_XVIRTUALSCREEN) + (GetSystemMetrics(SM_CXVIRTUALSCREEN) - width) / 2,
            GetSystemMetrics(SM_YVIRTUALSCREEN) + (GetSystemMetrics(SM_CYVIRTUALSCREEN) - height) / 2};
}

}  // namespace

void TForm1::Create() {
    menu_.Build();
    HICON icon = LoadIconW(Application().Instance(), MAKEINTRESOURCEW(IDI_VELMORA));
    CreateScaled({"TForm1", "Velmora", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, FirstExStyle(),
                  kUnit1Client, false, nullptr, menu_.Bar(), icon});
    CreateControls();
    Application().SetMainWindow(Handle(), menu_.Accelerators());
    FormCreate();
    ShowWindow(Handle(), SW_SHOWNORMAL);
    ArmTimer();
}

POINT TForm1::Centre(LayoutSize outer) const {
    return DesktopCentred(outer.width, outer.height);
}

void TForm1::CreateControls() {
    HINSTANCE instance = Application().Instance();
    bevel_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, 0, 0, 0, 0, Handle(), nullptr,
                             instance, nullptr);
    // The tab control is a tab stop of its own; the pages lie on it as its
    // siblings, so that the dialog manager reaches both.
    pageControl_ = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0,
                                   0, 0, Handle(), nullptr, instance, nullptr);
    SendMessageW(pageControl_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    const char* captions[] = {"Anwendungen", "Prozesse"};
    for (int i = 0; i < 2; ++i) {
        const std::wstring caption = Wide(captions[i]);
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<wchar_t*>(caption.c_str());
        SendMessageW(pageControl_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&tab));
    }

    // Pages are windows of their own, so their controls use page coordinates.
    // Above the tab control in the z-order (which the tab control's
    // WS_CLIPSIBLINGS keeps from painting over them), they come before it
    // in the Tab order: list, button, tab control, and round again.
    for (std::unique_ptr<TabPage>* page : {&tasksPage_, &processesPage_}) {
        *page = std::make_unique<TabPage>();
        (*page)->Create(Handle());
        SetWindowPos((*page)->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    // Created anywhere: LayoutPages puts them where the page's real size,
    // which the tab control's own metrics decide, has them.
    const Unit1Table table = Unit1Controls();
    for (std::size_t i = 0; i < table.count; ++i) {
        const Unit1Control& control = table.controls[i];
        if (const ControlKind* kind = FindKind(kControls, control.designed.id)) {
            CreateControl(Page(control.page), *kind, {}, Font());
        }
    }
    LayoutPages();
    AddColumns(Control(kTaskViewId), TaskColumns(), Dpi());
    AddColumns(Control(kProcessViewId), ProcessColumns(), Dpi());
    processView_.Attach(Control(kProcessViewId));

    SelectPage(1);
}

// Everything from the designed table for the current DPI and client area,
// never from the controls' present places, so that no change of size or
// DPI leaves a rounding behind.
void TForm1::LayoutPages() {
    const LayoutSize client = ClientSize(Handle());
    MoveControl(bevel_, Unit1Bevel(client, Dpi()));
    const LayoutRect tabs = Unit1PageControl(client, Dpi());
    MoveControl(pageControl_, tabs);
    RECT display{0, 0, tabs.width, tabs.height};
    TabCtrl_AdjustRect(pageControl_, FALSE, &display);
    const LayoutSize page{display.right - display.left, display.bottom - display.top};
    for (int index = 0; index < kUnit1PageCount; ++index) {
        if (Page(index)) {
            MoveControl(Page(index), {tabs.left + display.left, tabs.top + display.top, page.width, page.height});
        }
    }
    const Unit1Table table = Unit1Controls();
    for (std::size_t i = 0; i < table.count; ++i) {
        const DesignedControl& designed = table.controls[i].designed;
        if (HWND control = Control(designed.id)) {
            MoveControl(control, PlaceControl(designed, kUnit1Page, page, Dpi()));
        }
    }
}

// Widths move to the new DPI from what the columns have now, so that a width
// the user dragged survives; an untouched column lands on the table's width.
// Before the window moves: a change of DPI nested in the move would carry
// them again from the DPI they are not at yet.
void TForm1::CarryOver(int oldDpi) {
    for (HWND view : {Control(kTaskViewId), Control(kProcessViewId)}) {
        const int count = Header_GetItemCount(ListView_GetHeader(view));
        for (int column = 0; column < count; ++column) {
            ListView_SetColumnWidth(view, column, Rescale(ListView_GetColumnWidth(view, column), oldDpi, Dpi()));
        }
    }
}

void TForm1::SelectPage(int index) {
    TabCtrl_SetCurSel(pageControl_, index);
    ShowActivePage();
}

void TForm1::ShowActivePage() {
    const int active = TabCtrl_GetCurSel(pageControl_);
    ShowWindow(Page(0), active == 0 ? SW_SHOW : SW_HIDE);
    ShowWindow(Page(1), active == 1 ? SW_SHOW : SW_HIDE);
}

// The tab control's selection is the one record of the page shown; before
// the window exists the process page counts, which it starts on.
bool TForm1::ProcessPageVisible() const {
    return !pageControl_ || TabCtrl_GetCurSel(pageControl_) == 1;
}

HWND TForm1::Page(int index) const {
    const TabPage* page = index == kTasksPage       ? tasksPage_.get()
                          : index == kProcessesPage ? processesPage_.get()
                                                    : nullptr;
    return page ? page->Handle() : nullptr;
}

HWND TForm1::Control(int id) const {
    HWND page = Page(PageOfControl(id));
    return page ? GetDlgItem(page, id) : nullptr;
}

// The window opens in the state the menu model starts with.
DWORD TForm1::FirstExStyle() const {
    return WS_EX_CONTROLPARENT | (menu_.Model().Checked(kOptionsAlwaysOnTopItem) ? WS_EX_TOPMOST : 0);
}

POINT TForm1::MinimumTrackSize() const {
    const LayoutSize size = Scale(kUnit1MinTrack, Dpi());
    return {size.width, size.height};
}

}  // namespace velmora
