// The main window's handlers: pages, refresh timer and speeds, ordering,
// process commands, options, and the routing of messages to them.
#include "ui/main/Unit1_win.h"

#include "base/ScopeExit.h"
#include "ui/app/Application_win.h"
#include "ui/main/Unit1Layout.h"
#include "ui/main/UpdateSpeed.h"

#include <commctrl.h>

namespace velmora {

namespace {

constexpr UINT_PTR kUpdateTimeId = 1;

}  // namespace

void TForm1::FormCreate() {
    Application().SetTitle("Velmora");
    controller_.ResetSort();
    UpdateProcessList();
    PageControlChange();
}

void TForm1::PageControlChange() {
    if (ProcessPageVisible()) UpdateProcessList();
    menu_.Model().ShowPageItems(ProcessPageVisible());
}

void TForm1::UpdateProcessList() {
    controller_.UpdateProcessList();
}

void TForm1::ArmTimer() {
    if (!Handle()) return;
    if (const int period = timer_.ArmedPeriod()) {
        SetTimer(Handle(), kUpdateTimeId, static_cast<UINT>(period), nullptr);
    } else {
        KillTimer(Handle(), kUpdateTimeId);
    }
}

void TForm1::UpdateTimeTimer() {
    // Disabled while refreshing, so ticks are spaced by the period plus the
    // time the refresh took; enabled again on every way out.
    const bool refresh = timer_.BeginTick();
    ArmTimer();
    const ScopeExit rearm([this] {
        timer_.EndTick();
        ArmTimer();
    });
    if (refresh && ProcessPageVisible()) UpdateProcessList();
}

void TForm1::ViewUpdateItemClick() {
    if (ProcessPageVisible()) UpdateProcessList();
}

void TForm1::ViewUpdateTimeClick(int tag) {
    if (!timer_.ChooseSpeed(tag)) return;
    menu_.Model().CheckSpeed(tag);
    ArmTimer();
}

// Minimised, the window lets its timer rest; back from the taskbar, it
// brings the list up to date before this message returns.
void TForm1::OnSize(WPARAM kind) {
    LayoutPages();
    const SizeKind size = kind == SIZE_MINIMIZED   ? SizeKind::Minimized
                          : kind == SIZE_RESTORED  ? SizeKind::Restored
                          : kind == SIZE_MAXIMIZED ? SizeKind::Maximized
                                                   : SizeKind::Other;
    switch (timer_.SizeChanged(size)) {
        case TimerAction::None: break;
        case TimerAction::Rearm: ArmTimer(); break;
        case TimerAction::RefreshNow: UpdateTimeTimer(); break;
    }
}

void TForm1::ProcessViewColumnClick(int column) {
    const ListColumn* clicked = ProcessColumns().At(column);
    if (!clicked || !controller_.ProcessViewColumnClick(clicked->caption)) return;
    std::vector<int> selected = processView_.SelectedRows();
    if (selected.empty()) return;
    RECT bounds{LVIR_BOUNDS, 0, 0, 0};
    HWND view = processView_.Handle();
    if (SendMessageW(view, LVM_GETITEMRECT, selected.front(), reinterpret_cast<LPARAM>(&bounds))) {
        SendMessageW(view, LVM_SCROLL, 0, bounds.top - Scale(20, Dpi()));
    }
}

void TForm1::ProcessViewChange() {
    ProcessCommandState state = controller_.ProcessViewChange();
    HWND button = Control(kFinalizeProcessBtnId);
    EnableWindow(button, state.buttonEnabled);
    if (state.buttonCaption) SetText(button, *state.buttonCaption);
    MainMenuModel& menu = menu_.Model();
    for (int id : {kFileFinalizeProcessItem, kProcessFinalizeItem}) {
        menu.SetCaption(id, state.menuCaption);
        menu.SetEnabled(id, state.menuEnabled);
    }
    menu.SetEnabled(kFilePriorityItem, state.priorityEnabled);
    menu.SetEnabled(kProcessSetPriorityItem, state.priorityEnabled);
}

void TForm1::FinalizeProcessBtnClick() {
    controller_.FinalizeProcessBtnClick();
}

void TForm1::ProcessMenuPopup() {
    menu_.Model().ApplyPriorityMarks(kProcessSetPriorityItem, controller_.ProcessMenuPopup());
}

void TForm1::FilePriorityItemClick() {
    menu_.Model().ApplyPriorityMarks(kFilePriorityItem, controller_.FilePriorityItemClick());
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
    SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

void TForm1::OptionsAlwaysOnTopItemClick() {
    bool onTop = !menu_.Model().Checked(kOptionsAlwaysOnTopItem);
    menu_.Model().SetChecked(kOptionsAlwaysOnTopItem, onTop);
    RECT r{};
    GetWindowRect(Handle(), &r);
    SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top, 0);
}

void TForm1::OptionsMinimizeAfterExecutingItemClick() {
    MainMenuModel& menu = menu_.Model();
    menu.SetChecked(kOptionsMinimizeAfterExecutingItem, !menu.Checked(kOptionsMinimizeAfterExecutingItem));
}

// The table in CommandRouting.cpp says which handler a command runs.
void TForm1::OnCommand(int id) {
    const CommandRoute route = RouteCommand(id);
    const int tag = route.withTag ? menu_.Model().Tag(id) : 0;
    switch (route.handler) {
        case CommandHandler::None: return;
        case CommandHandler::ExecuteBtnClick: return ExecuteBtnClick();
        case CommandHandler::FinalizeProcessBtnClick: return FinalizeProcessBtnClick();
        case CommandHandler::FileQuitItemClick: return FileQuitItemClick();
        case CommandHandler::OptionsMinimizeAfterExecutingItemClick: return OptionsMinimizeAfterExecutingItemClick();
        case CommandHandler::OptionsAlwaysOnTopItemClick: return OptionsAlwaysOnTopItemClick();
        case CommandHandler::ViewUpdateItemClick: return ViewUpdateItemClick();
        case CommandHandler::ViewUpdateTimeClick: return ViewUpdateTimeClick(tag);
        case CommandHandler::SetPriorityItemClick: return SetPriorityItemClick(tag);
        case CommandHandler::HelpInfoItemClick: return HelpInfoItemClick();
    }
}

// Every key of the accelerator table arrives here, whatever its item's
// state: the menu model says which item it reached and whether it acts.
void TForm1::OnShortcut(int command) {
    std::optional<MenuKey> key = menu_.ShortcutKey(command);
    if (!key) return;
    const ShortcutResolution resolution = menu_.Model().ResolveShortcut(*key, IsIconic(Handle()) != FALSE);
    if (resolution.acts) OnCommand(resolution.item);
}

LRESULT TForm1::OnNotify(NMHDR& header) {
    HWND processes = processView_.Handle();
    HWND tasks = Control(kTaskViewId);
    if (header.hwndFrom == pageControl_ && header.code == TCN_SELCHANGE) {
        ShowActivePage();
        PageControlChange();
    } else if (header.hwndFrom == processes) {
        switch (header.code) {
            case LVN_GETDISPINFOW: processView_.GetDispInfo(reinterpret_cast<NMLVDISPINFOW&>(header)); break;
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
    } else if (control == Control(kTaskViewId)) {
        menu = menu_.TaskMenu();
    }
    if (!menu) return;
    if (x == -1 && y == -1) {  // from the keyboard: below the control's corner
        RECT r{};
        GetWindowRect(control, &r);
        x = r.left + Scale(10, Dpi());
        y = r.top + Scale(10, Dpi());
    }
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, Handle(), nullptr);
}

LRESULT TForm1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == 1) {
                OnShortcut(LOWORD(wParam));
            } else {
                OnCommand(LOWORD(wParam));
            }
            return 0;
        case WM_NOTIFY: return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
        case WM_CONTEXTMENU:
            OnContextMenu(reinterpret_cast<HWND>(wParam), static_cast<short>(LOWORD(lParam)),
                          static_cast<short>(HIWORD(lParam)));
            return 0;
        case WM_INITMENUPOPUP:
            if (reinterpret_cast<HMENU>(wParam) == menu_.Popup(kFilePriorityItem)) FilePriorityItemClick();
            return 0;
        case WM_TIMER:
            if (wParam == kUpdateTimeId) UpdateTimeTimer();
            return 0;
        case WM_ACTIVATE:
            // The focus goes back to the control that had it, as in a dialog.
            if (LOWORD(wParam) == WA_INACTIVE) focus_.Deactivated(Handle());
            return Default(message, wParam, lParam);
        case WM_SETFOCUS: {
            HWND control = focus_.Control();
            SetFocus(control ? control : Control(ProcessPageVisible() ? kProcessViewId : kTaskViewId));
            return 0;
        }
        case WM_SIZE: OnSize(wParam); return 0;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = MinimumTrackSize();
            return 0;
        }
        case WM_CLOSE:
            // During a refresh the controller remembers the request and
            // posts it again once, when the refresh has ended.
            if (controller_.FormCloseQuery()) DestroyWindow(Handle());
            return 0;
        case WM_DESTROY:
            KillTimer(Handle(), kUpdateTimeId);
            menu_.Detach(Handle());
            if (Application().MainWindow() == Handle()) {
                Application().SetMainWindow(nullptr, nullptr);
                PostQuitMessage(0);
            }
            return 0;
        default: return ScaledWindow::OnMessage(message, wParam, lParam);
    }
}

}  // namespace velmora
