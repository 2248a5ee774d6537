#include "ui/main/Unit1_win.h"

#include "resources/ResourceIds.h"
#include "ui/app/Application_win.h"
#include "ui/main/UpdateSpeed.h"

#include <commctrl.h>

namespace velmora {

namespace {

constexpr UINT_PTR kUpdateTimeId = 1;
constexpr int kOuterWidth = 463;
constexpr int kOuterHeight = 519;
constexpr int kMinWidth = 305;
constexpr int kMinHeight = 310;
constexpr int kBevelHeight = 2;
constexpr int kMargin = 5;

const DWORD kListStyle = WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS;
const DWORD kButtonStyle = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

const ControlSpec kTasksPage[] = {
    {TForm1::kTaskViewId, WC_LISTVIEWA, "", 10, 10, 417, 386, kListStyle, WS_EX_CLIENTEDGE, kAnchorLeftTop},
    {TForm1::kExecuteBtnId, "BUTTON", "Neuer Task...", 168, 403, 83, 25, kButtonStyle, 0,
     kAnchorRight | kAnchorBottom},
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
const ColumnSpec kProcessColumns[] = {
    {"Name", 197, LVCFMT_LEFT}, {"PID", 50, LVCFMT_RIGHT}, {"Threads", 75, LVCFMT_RIGHT}, {"Priorität", 75, LVCFMT_LEFT}};

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
class TPage : public Window {
public:
    void Create(HWND parent) {
        CreateHandle("TVelmoraPage", "", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 0, 0, 0,
                     0, parent);
    }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CONTEXTMENU:
            return SendMessageA(GetAncestor(Handle(), GA_ROOT), message, wParam, lParam);
        default:
            return Default(message, wParam, lParam);
        }
    }
};

BoxAnswer TForm1::ApplicationBoxes::Show(const std::string& text, const std::string& caption, BoxKind kind) {
    return Application().MessageBoxes().Show(text, caption, kind);
}

TForm1::TForm1(ISystem& system) : controller_(system, processView_, boxes_) {
    // The rows take their texts through callbacks, so the list view reports
    // no text change of its own; the refresh does.
    controller_.OnRowTextChanged = [this] { ProcessViewChange(); };
}

TForm1::~TForm1() {
    // Destroy the window while this object is whole: the list view releases
    // its rows' records through notifications that reach OnMessage.
    if (Handle()) DestroyWindow(Handle());
}

void TForm1::Create() {
    dpi_ = ScreenDpi();
    menu_.Build();
    int width = Scale(kOuterWidth, dpi_);
    int height = Scale(kOuterHeight, dpi_);
    // Centred on the whole desktop, all monitors together.
    int x = GetSystemMetrics(SM_XVIRTUALSCREEN) + (GetSystemMetrics(SM_CXVIRTUALSCREEN) - width) / 2;
    int y = GetSystemMetrics(SM_YVIRTUALSCREEN) + (GetSystemMetrics(SM_CYVIRTUALSCREEN) - height) / 2;
    HICON icon = LoadIconA(Application().Instance(), MAKEINTRESOURCEA(IDI_VELMORA));
    CreateHandle("TForm1", "Velmora", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_TOPMOST | WS_EX_CONTROLPARENT, x,
                 y, width, height, nullptr, menu_.Bar(), icon);
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
    pageControl_ = CreateWindowExA(WS_EX_CONTROLPARENT, WC_TABCONTROLA, "",
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                                   Handle(), nullptr, instance, nullptr);
    SendMessageA(pageControl_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    const char* captions[] = {"Anwendungen", "Prozesse"};
    for (int i = 0; i < 2; ++i) {
        TCITEMA tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<char*>(captions[i]);
        SendMessageA(pageControl_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&tab));
    }

    // Pages are windows of their own, so their controls use page coordinates.
    auto makePage = [this](TPage& page) {
        page.Create(pageControl_);
        return page.Handle();
    };
    tasksPage_ = std::make_unique<TPage>();
    processesPage_ = std::make_unique<TPage>();
    tasksTab_ = makePage(*tasksPage_);
    processesTab_ = makePage(*processesPage_);
    LayoutPages();

    for (const ControlSpec& entry : kTasksPage) CreateControl(tasksTab_, entry, dpi_, font_.Get());
    for (const ControlSpec& entry : kProcessesPage) CreateControl(processesTab_, entry, dpi_, font_.Get());
    for (const ControlSpec& entry : kTasksPage) anchors_.Add(GetDlgItem(tasksTab_, entry.id), entry.anchors);
    for (const ControlSpec& entry : kProcessesPage) anchors_.Add(GetDlgItem(processesTab_, entry.id), entry.anchors);
    AddColumns(GetDlgItem(tasksTab_, kTaskViewId), kTaskColumns, dpi_);
    AddColumns(GetDlgItem(processesTab_, kProcessViewId), kProcessColumns, dpi_);
    processView_.Attach(GetDlgItem(processesTab_, kProcessViewId));

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
    for (HWND page : {tasksTab_, processesTab_}) {
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
    activePage_ = TabCtrl_GetCurSel(pageControl_);
    ShowWindow(tasksTab_, activePage_ == 0 ? SW_SHOW : SW_HIDE);
    ShowWindow(processesTab_, activePage_ == 1 ? SW_SHOW : SW_HIDE);
}

void TForm1::FormCreate() {
    Application().SetTitle("Velmora");
    controller_.ResetSort();
    UpdateProcessList();
    PageControlChange();
}

void TForm1::PageControlChange() {
    if (ProcessPageVisible()) UpdateProcessList();
    bool processes = ProcessPageVisible();
    menu_.SetVisible(kFileFinalizeProcessItem, processes);
    menu_.SetVisible(kFilePriorityItem, processes);
    menu_.SetVisible(kFileFinalizeTaskItem, !processes);
    menu_.SetVisible(kFileBringToFrontItem, !processes);
}

void TForm1::UpdateProcessList() {
    controller_.UpdateProcessList();
}

void TForm1::ArmTimer() {
    if (!Handle()) return;
    if (timerEnabled_ && updatePeriod_ > 0) {
        SetTimer(Handle(), kUpdateTimeId, static_cast<UINT>(updatePeriod_), nullptr);
    } else {
        KillTimer(Handle(), kUpdateTimeId);
    }
}

void TForm1::UpdateTimeTimer() {
    // Disabled while refreshing, so ticks are spaced by the period plus the
    // time the refresh took; enabled again on every way out.
    timerEnabled_ = false;
    ArmTimer();
    struct Rearm {
        TForm1& form;
        ~Rearm() {
            form.timerEnabled_ = true;
            form.ArmTimer();
        }
    } rearm{*this};
    if (ProcessPageVisible()) UpdateProcessList();
}

void TForm1::ViewUpdateItemClick() {
    if (ProcessPageVisible()) UpdateProcessList();
}

void TForm1::ViewUpdateTimeClick(int tag) {
    int period = UpdatePeriodForTag(tag);
    if (period == kNoPeriodChange) return;
    for (int id = kViewUpdateTimeHighItem; id <= kViewUpdateTimeStoppedItem; ++id) {
        menu_.SetChecked(id, menu_.Tag(id) == tag);
    }
    updatePeriod_ = period;
    ArmTimer();
}

void TForm1::ProcessViewColumnClick(int column) {
    if (column < 0 || column >= static_cast<int>(sizeof(kProcessColumns) / sizeof(kProcessColumns[0]))) return;
    if (!controller_.ProcessViewColumnClick(kProcessColumns[column].caption)) return;
    std::vector<int> selected = processView_.SelectedRows();
    if (selected.empty()) return;
    RECT bounds{LVIR_BOUNDS, 0, 0, 0};
    HWND view = processView_.Handle();
    if (SendMessageA(view, LVM_GETITEMRECT, selected.front(), reinterpret_cast<LPARAM>(&bounds))) {
        SendMessageA(view, LVM_SCROLL, 0, bounds.top - Scale(20, dpi_));
    }
}

void TForm1::ProcessViewChange() {
    ProcessCommandState state = controller_.ProcessViewChange();
    HWND button = GetDlgItem(processesTab_, kFinalizeProcessBtnId);
    EnableWindow(button, state.buttonEnabled);
    if (state.buttonCaption) SetWindowTextA(button, state.buttonCaption->c_str());
    for (int id : {kFileFinalizeProcessItem, kProcessFinalizeItem}) {
        menu_.SetCaption(id, state.menuCaption);
        menu_.SetEnabled(id, state.menuEnabled);
    }
    menu_.SetEnabled(kFilePriorityItem, state.priorityEnabled);
    menu_.SetEnabled(kProcessSetPriorityItem, state.priorityEnabled);
}

void TForm1::FinalizeProcessBtnClick() {
    controller_.FinalizeProcessBtnClick();
}

void TForm1::ApplyPriorityMarks(const PriorityMarks& marks, int firstItem) {
    if (!marks.change) return;
    for (int i = 0; i < kPriorityItemCount; ++i) {
        menu_.SetChecked(firstItem + i, marks.checkedClass && *marks.checkedClass == kPriorityClasses[i]);
    }
}

void TForm1::ProcessMenuPopup() {
    ApplyPriorityMarks(controller_.ProcessMenuPopup(), kProcessPriorityFirstItem);
}

void TForm1::FilePriorityItemClick() {
    ApplyPriorityMarks(controller_.FilePriorityItemClick(), kFilePriorityFirstItem);
}

void TForm1::SetPriorityItemClick(int tag) {
    controller_.SetPriorityItemClick(static_cast<std::uint32_t>(tag));
}

void TForm1::ExecuteBtnClick() {
    if (ShowExecuteForm) ShowExecuteForm();
}

void TForm1::HelpInfoItemClick() {
    if (ShowInfoForm) ShowInfoForm();
}

void TForm1::FileQuitItemClick() {
    SendMessageA(Handle(), WM_CLOSE, 0, 0);
}

void TForm1::OptionsAlwaysOnTopItemClick() {
    bool onTop = !menu_.Checked(kOptionsAlwaysOnTopItem);
    menu_.SetChecked(kOptionsAlwaysOnTopItem, onTop);
    RECT r{};
    GetWindowRect(Handle(), &r);
    SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 0);
}

void TForm1::OptionsMinimizeAfterExecutingItemClick() {
    menu_.SetChecked(kOptionsMinimizeAfterExecutingItem, !menu_.Checked(kOptionsMinimizeAfterExecutingItem));
}

void TForm1::OnCommand(int id) {
    const bool filePriority = id >= kFilePriorityFirstItem && id < kFilePriorityFirstItem + kPriorityItemCount;
    const bool processPriority = id >= kProcessPriorityFirstItem && id < kProcessPriorityFirstItem + kPriorityItemCount;
    if (filePriority || processPriority) return SetPriorityItemClick(menu_.Tag(id));
    switch (id) {
    case kExecuteBtnId: return ExecuteBtnClick();
    case kBringToFrontBtnId:
    case kFinalizeTaskBtnId:
    case kFinalizeProcessBtnId: return FinalizeProcessBtnClick();
    case kFileExecuteItem: return ExecuteBtnClick();
    case kFileFinalizeProcessItem: return FinalizeProcessBtnClick();
    case kFileQuitItem: return FileQuitItemClick();
    case kOptionsMinimizeAfterExecutingItem: return OptionsMinimizeAfterExecutingItemClick();
    case kOptionsAlwaysOnTopItem: return OptionsAlwaysOnTopItemClick();
    case kViewUpdateItem: return ViewUpdateItemClick();
    case kViewUpdateTimeHighItem:
    case kViewUpdateTimeNormalItem:
    case kViewUpdateTimeLowItem:
    case kViewUpdateTimeStoppedItem: return ViewUpdateTimeClick(menu_.Tag(id));
    case kHelpInfoItem: return HelpInfoItemClick();
    case kProcessFinalizeItem:
    case kTaskFinalizeItem: return FinalizeProcessBtnClick();
    default: return;  // Ctrl+Del (the file menu's shortcut) and items without an action
    }
}

LRESULT TForm1::OnNotify(NMHDR& header) {
    HWND processes = processView_.Handle();
    HWND tasks = GetDlgItem(tasksTab_, kTaskViewId);
    if (header.hwndFrom == pageControl_ && header.code == TCN_SELCHANGE) {
        ShowActivePage();
        PageControlChange();
    } else if (header.hwndFrom == processes) {
        switch (header.code) {
        case LVN_GETDISPINFOA: processView_.GetDispInfo(reinterpret_cast<NMLVDISPINFOA&>(header)); break;
        case LVN_DELETEITEM: processView_.ItemDeleted(reinterpret_cast<NMLISTVIEW&>(header).lParam); break;
        case LVN_DELETEALLITEMS: processView_.AllItemsDeleted(); return TRUE;  // no LVN_DELETEITEM each
        case LVN_COLUMNCLICK: ProcessViewColumnClick(reinterpret_cast<NMLISTVIEW&>(header).iSubItem); break;
        case LVN_ITEMCHANGED: ProcessViewChange(); break;
        default: break;
        }
    } else if (header.hwndFrom == tasks && header.code == LVN_ITEMCHANGED) {
        ProcessViewChange();
    }
    return 0;
}

void TForm1::OnContextMenu(HWND control, int x, int y) {
    HMENU menu = nullptr;
    if (control == processView_.Handle()) {
        ProcessMenuPopup();
        menu = menu_.ProcessMenu();
    } else if (control == GetDlgItem(tasksTab_, kTaskViewId)) {
        menu = menu_.TaskMenu();
    }
    if (!menu) return;
    if (x == -1 && y == -1) {  // from the keyboard: below the control's corner
        RECT r{};
        GetWindowRect(control, &r);
        x = r.left + Scale(10, dpi_);
        y = r.top + Scale(10, dpi_);
    }
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, Handle(), nullptr);
}

LRESULT TForm1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // A shortcut acts only when its item and the menus above it are
        // enabled; hidden items still take their shortcut.
        if (HIWORD(wParam) == 1 && !menu_.Acts(LOWORD(wParam))) return 0;
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_CONTEXTMENU:
        OnContextMenu(reinterpret_cast<HWND>(wParam), static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_INITMENUPOPUP:
        if (reinterpret_cast<HMENU>(wParam) == menu_.Popup(kFilePriorityItem)) FilePriorityItemClick();
        return 0;
    case WM_TIMER:
        if (wParam == kUpdateTimeId) UpdateTimeTimer();
        return 0;
    case WM_SIZE:
        LayoutPages();
        return 0;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = {Scale(kMinWidth, dpi_), Scale(kMinHeight, dpi_)};
        return 0;
    }
    case WM_CLOSE:
        // The rows must not go under a running refresh: close once it ends.
        if (controller_.Refreshing()) {
            PostMessageA(Handle(), WM_CLOSE, 0, 0);
            return 0;
        }
        DestroyWindow(Handle());
        return 0;
    case WM_DESTROY:
        KillTimer(Handle(), kUpdateTimeId);
        if (Application().MainWindow() == Handle()) {
            Application().SetMainWindow(nullptr, nullptr);
            if (QuitOnDestroy) PostQuitMessage(0);
        }
        return 0;
    default: return Default(message, wParam, lParam);
    }
}

}  // namespace velmora
