// The main window's construction: its size and place, the two pages with
// their controls and columns, and their layout when the window is resized.
#include "ui/main/Unit1_win.h"

#include "resources/ResourceIds.h"
#include "ui/app/Application_win.h"

#include <commctrl.h>

namespace velmora {

namespace {

// The client area the layout is drawn for: 463 x 519 outside under the
// classic frame (4-px borders, 19-px caption and menu bar); a thicker frame
// makes the window larger rather than the pages smaller.
constexpr int kClientWidth = 455;
constexpr int kClientHeight = 473;
// The pages' size in that client area, which the controls' places assume.
constexpr int kPageWidth = 437;
constexpr int kPageHeight = 435;
constexpr int kMinWidth = 305;
constexpr int kMinHeight = 310;
constexpr int kBevelHeight = 2;
constexpr int kMargin = 5;

// One sunken client edge (WS_EX_CLIENTEDGE below); WS_BORDER would add a
// second frame inside it.
const DWORD kListStyle = WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS;
const DWORD kButtonStyle = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

const ControlSpec kTasksPage[] = {
    {TForm1::kTaskViewId, WC_LISTVIEWA, "", 10, 10, 417, 386, kListStyle, WS_EX_CLIENTEDGE, kAnchorLeftTop},
    {TForm1::kExecuteBtnId, "BUTTON", "Neuer Task...", 168, 403, 83, 25, kButtonStyle, 0, kAnchorRight | kAnchorBottom},
    {TForm1::kBringToFrontBtnId, "BUTTON", "Wechseln zu", 256, 403, 83, 25, kButtonStyle | WS_DISABLED, 0,
     kAnchorRight | kAnchorBottom},
    {TForm1::kFinalizeTaskBtnId, "BUTTON", "Task beenden", 344, 403, 83, 25, kButtonStyle | WS_DISABLED, 0,
     kAnchorRight | kAnchorBottom},
};

const ControlSpec kProcessesPage[] = {
    {TForm1::kProcessViewId, WC_LISTVIEWA, "", 10, 10, 417, 386, kListStyle, WS_EX_CLIENTEDGE, kAnchorLeftTop},
    {TForm1::kFinalizeProcessBtnId, "BUTTON", "Prozess beenden", 320, 403, 107, 25, kButtonStyle, 0,
     kAnchorRight | kAnchorBottom},
};

struct ColumnSpec {
    const char* caption;
    int width;
    int format;
};
const ColumnSpec kTaskColumns[] = {{"Task", 230, LVCFMT_LEFT}, {"Status", 167, LVCFMT_LEFT}};
const ColumnSpec kProcessColumns[] = {{"Name", 197, LVCFMT_LEFT},
                                      {"PID", 50, LVCFMT_RIGHT},
                                      {"Threads", 75, LVCFMT_RIGHT},
                                      {"Priorität", 75, LVCFMT_LEFT}};

template <size_t N>
void AddColumns(HWND view, const ColumnSpec (&columns)[N], int dpi) {
    for (size_t i = 0; i < N; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = columns[i].format;
        column.cx = Scale(columns[i].width, dpi);
        column.pszText = const_cast<char*>(columns[i].caption);
        column.iSubItem = static_cast<int>(i);
        SendMessageA(view, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    ListView_SetExtendedListViewStyle(view, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
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
            case WM_CONTEXTMENU: return SendMessageA(GetAncestor(Handle(), GA_ROOT), message, wParam, lParam);
            default: return Default(message, wParam, lParam);
        }
    }
};

// The application's message boxes, whatever tests put behind them later.
TForm1::TForm1(ISystem& system) : controller_(system, processView_, Application().MessageBoxes()) {
    // The rows take their texts through callbacks, so the list view reports
    // no text change of its own; the refresh does.
    controller_.OnRowTextChanged = [this] { ProcessViewChange(); };
    // A close that arrived during a refresh, once the refresh has ended.
    controller_.OnDeferredClose = [this] { PostMessageA(Handle(), WM_CLOSE, 0, 0); };
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
    dpi_ = ScreenDpi();
    menu_.Build();
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
    const SIZE client{Scale(kClientWidth, dpi_), Scale(kClientHeight, dpi_)};
    RECT outer{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&outer, style, TRUE, exStyle);
    SIZE size{outer.right - outer.left, outer.bottom - outer.top};
    POINT at = DesktopCentred(size.cx, size.cy);
    HICON icon = LoadIconA(Application().Instance(), MAKEINTRESOURCEA(IDI_VELMORA));
    CreateHandle("TForm1", "Velmora", style, exStyle, at.x, at.y, size.cx, size.cy, nullptr, menu_.Bar(), icon);
    // The frame's guess misses a menu bar that wraps onto a second line.
    RECT actual{};
    GetClientRect(Handle(), &actual);
    if (actual.right != client.cx || actual.bottom != client.cy) {
        size.cx += client.cx - actual.right;
        size.cy += client.cy - actual.bottom;
        at = DesktopCentred(size.cx, size.cy);
        SetWindowPos(Handle(), nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CreateControls();
    Application().SetMainWindow(Handle(), menu_.Accelerators());
    FormCreate();
    ShowWindow(Handle(), SW_SHOWNORMAL);
    ArmTimer();
}

void TForm1::CreateControls() {
    font_ = MakeWindowFont(dpi_);
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    HINSTANCE instance = Application().Instance();
    bevel_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, 0, 0, 0, Scale(kBevelHeight, dpi_),
                             Handle(), nullptr, instance, nullptr);
    // The tab control is a tab stop of its own; the pages lie on it as its
    // siblings, so that the dialog manager reaches both.
    pageControl_ = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0, 0,
                                   0, Handle(), nullptr, instance, nullptr);
    SendMessageA(pageControl_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    const char* captions[] = {"Anwendungen", "Prozesse"};
    for (int i = 0; i < 2; ++i) {
        TCITEMA tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<char*>(captions[i]);
        SendMessageA(pageControl_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&tab));
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
    const HWND tasksTab = Page(0);
    const HWND processesTab = Page(1);
    LayoutPages();

    for (const ControlSpec& entry : kTasksPage) CreateControl(tasksTab, entry, dpi_, font_.Get());
    for (const ControlSpec& entry : kProcessesPage) CreateControl(processesTab, entry, dpi_, font_.Get());
    // Created at their designed places; the anchored ones then follow the
    // page's real size, which the tab control's own metrics decide.
    const SIZE page{Scale(kPageWidth, dpi_), Scale(kPageHeight, dpi_)};
    for (const ControlSpec& entry : kTasksPage) anchors_.Add(GetDlgItem(tasksTab, entry.id), entry.anchors, page);
    for (const ControlSpec& entry : kProcessesPage) {
        anchors_.Add(GetDlgItem(processesTab, entry.id), entry.anchors, page);
    }
    anchors_.ParentResized(tasksTab);
    anchors_.ParentResized(processesTab);
    AddColumns(GetDlgItem(tasksTab, kTaskViewId), kTaskColumns, dpi_);
    AddColumns(GetDlgItem(processesTab, kProcessViewId), kProcessColumns, dpi_);
    processView_.Attach(GetDlgItem(processesTab, kProcessViewId));

    SelectPage(1);
}

void TForm1::LayoutPages() {
    RECT client{};
    GetClientRect(Handle(), &client);
    SetWindowPos(bevel_, nullptr, 0, 0, client.right, Scale(kBevelHeight, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
    int margin = Scale(kMargin, dpi_);
    int top = Scale(kBevelHeight, dpi_) + margin;
    SetWindowPos(pageControl_, nullptr, margin, top, client.right - 2 * margin, client.bottom - top - margin,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT display{};
    GetClientRect(pageControl_, &display);
    TabCtrl_AdjustRect(pageControl_, FALSE, &display);
    MapWindowPoints(pageControl_, Handle(), reinterpret_cast<POINT*>(&display), 2);
    for (HWND page : {Page(0), Page(1)}) {
        if (!page) continue;
        SetWindowPos(page, nullptr, display.left, display.top, display.right - display.left,
                     display.bottom - display.top, SWP_NOZORDER | SWP_NOACTIVATE);
        anchors_.ParentResized(page);
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
    const std::unique_ptr<TabPage>& page = index == 0 ? tasksPage_ : processesPage_;
    return page ? page->Handle() : nullptr;
}

HWND TForm1::Control(int id) const {
    return GetDlgItem(Page(id == kProcessViewId || id == kFinalizeProcessBtnId ? 1 : 0), id);
}

const char* TForm1::ProcessColumnCaption(int column) {
    constexpr int count = static_cast<int>(sizeof(kProcessColumns) / sizeof(kProcessColumns[0]));
    return column >= 0 && column < count ? kProcessColumns[column].caption : nullptr;
}

POINT TForm1::MinimumTrackSize() const {
    return {Scale(kMinWidth, dpi_), Scale(kMinHeight, dpi_)};
}

}  // namespace velmora
