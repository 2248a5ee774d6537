#include "ui/app/Application_win.h"

#include "ui/app/Topmost_win.h"

#include <shellapi.h>

#include <stdexcept>
#include <vector>

namespace velmora {

namespace {

const char kAppWindowClass[] = "TVelmoraApplication";

LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

bool IsOwnTopLevel(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid == GetCurrentProcessId() && IsWindowVisible(window);
}

bool AnyOwnWindowTopmost() {
    bool found = false;
    ForEachThreadWindow([&](HWND window) {
        found = IsOwnTopLevel(window) && IsTopmost(window);
        return !found;
    });
    return found;
}

// While one of our windows stays on top, a box owned by the hidden
// application window would open beneath it, unseen but holding the
// keyboard. Lifting the (invisible) owner into the topmost band for the
// box's lifetime takes the box along, since owned windows stay above their
// owner. The system lifts the owner's other windows too (the hidden
// dialogs) and leaves them there when the owner is lowered: those that were
// not topmost before are put back.
class OwnerOnTopWhileNeeded {
public:
    explicit OwnerOnTopWhileNeeded(HWND owner) : owner_(AnyOwnWindowTopmost() ? owner : nullptr) {
        if (!owner_) return;
        ForEachThreadWindow([this](HWND window) {
            if (window != owner_ && !IsTopmost(window)) lowered_.push_back(window);
            return true;
        });
        SetTopmost(owner_, true);
    }
    ~OwnerOnTopWhileNeeded() {
        if (!owner_) return;
        SetTopmost(owner_, false);
        for (HWND window : lowered_) {
            if (IsWindow(window) && IsTopmost(window)) SetTopmost(window, false);
        }
    }
    OwnerOnTopWhileNeeded(const OwnerOnTopWhileNeeded&) = delete;
    OwnerOnTopWhileNeeded& operator=(const OwnerOnTopWhileNeeded&) = delete;

private:
    HWND owner_;
    std::vector<HWND> lowered_;
};

}  // namespace

TApplication& Application() {
    static TApplication app;
    return app;
}

TApplication::~TApplication() {
    if (handle_) DestroyWindow(handle_);
}

void TApplication::Initialize(HINSTANCE instance) {
    if (handle_) return;
    instance_ = instance;
    WNDCLASSA wc{};
    wc.lpfnWndProc = AppWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kAppWindowClass;
    RegisterClassA(&wc);
    // Never shown: it only owns message boxes and is the shell's owner.
    handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, kAppWindowClass, title_.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              instance, nullptr);
    if (!handle_) throw std::runtime_error("Das Anwendungsfenster konnte nicht erstellt werden.");
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (handle_) SetWindowTextA(handle_, title_.c_str());
}

void TApplication::SetMainWindow(HWND window, HACCEL accelerators) {
    mainWindow_ = window;
    accelerators_ = accelerators;
}

bool TApplication::TranslateForMainWindow(MSG& msg) {
    // Shortcuts belong to the main window; they must not fire while a
    // dialog of ours or a message box is the active window.
    if (!mainWindow_ || !accelerators_) return false;
    if (msg.hwnd != mainWindow_ && !IsChild(mainWindow_, msg.hwnd)) return false;
    return TranslateAcceleratorA(mainWindow_, accelerators_, &msg) != 0;
}

void TApplication::Dispatch(MSG& msg) {
    if (TranslateForMainWindow(msg)) return;
    // Tab and Shift+Tab move through the main window's controls.
    if (mainWindow_ && (msg.hwnd == mainWindow_ || IsChild(mainWindow_, msg.hwnd)) &&
        IsDialogMessageA(mainWindow_, &msg)) {
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

int TApplication::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
    return static_cast<int>(msg.wParam);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit request for the main loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Dispatch(msg);
    }
}

void TApplication::RunModal(HWND dialog, const bool& done) {
    MSG msg;
    while (!done) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 1);
            break;
        }
        if (IsDialogMessageA(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void TApplication::Minimize() {
    // Every visible window of ours goes to the taskbar; owned windows are
    // hidden with their owner by the system.
    ForEachThreadWindow([](HWND window) {
        if (IsOwnTopLevel(window) && !GetWindow(window, GW_OWNER)) ShowWindow(window, SW_MINIMIZE);
        return true;
    });
}

void TApplication::HandleException(std::exception_ptr error) noexcept {
    std::string text = "Unbekannter Fehler.";
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        text = e.what();
    } catch (...) {
    }
    try {
        boxes_.Show(text, title_, BoxKind::Error);
    } catch (...) {
        MessageBoxA(handle_, text.c_str(), title_.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }
}

BoxAnswer TApplication::Boxes::Show(const std::string& text, const std::string& caption, BoxKind kind) {
    if (replacement) return replacement->Show(text, caption, kind);
    UINT flags = kind == BoxKind::Confirm ? MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON1 : MB_OK | MB_ICONERROR;
    // The box is owned by the hidden application window, so the system would
    // hand the activation back to that window; give it back to the window
    // the user was working in instead.
    HWND previous = GetActiveWindow();
    int answer = 0;
    {
        TaskWindowsDisabled disabled;
        OwnerOnTopWhileNeeded onTop(app_.Handle());
        answer = MessageBoxA(app_.Handle(), text.c_str(), caption.c_str(), flags);
    }
    if (previous && IsWindow(previous) && IsWindowVisible(previous)) SetActiveWindow(previous);
    switch (answer) {
        case IDYES: return BoxAnswer::Yes;
        case IDNO: return BoxAnswer::No;
        default: return kind == BoxKind::Confirm ? BoxAnswer::No : BoxAnswer::Ok;
    }
}

std::uintptr_t TApplication::ShellOpen::Open(const std::string& file, const std::string& parameters) {
    if (replacement) return replacement->Open(file, parameters);
    HINSTANCE result = ShellExecuteA(app_.Handle(), "open", file.c_str(),
                                     parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<std::uintptr_t>(result);
}

namespace {

// The state of one ForEachThreadWindow, handed to the system's callback.
struct ThreadWindowVisit {
    const std::function<bool(HWND)>& visitor;
    std::exception_ptr error;
};

// The system calls this for each window; it must not let an exception
// through its own frames, so the visitor's exception ends the enumeration
// and waits in the visit for ForEachThreadWindow to rethrow it.
BOOL CALLBACK VisitThreadWindow(HWND window, LPARAM param) {
    auto& visit = *reinterpret_cast<ThreadWindowVisit*>(param);
    try {
        return visit.visitor(window) ? TRUE : FALSE;
    } catch (...) {
        visit.error = std::current_exception();
        return FALSE;
    }
}

}  // namespace

void ForEachThreadWindow(const std::function<bool(HWND)>& visitor) {
    ThreadWindowVisit visit{visitor, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), VisitThreadWindow, reinterpret_cast<LPARAM>(&visit));
    if (visit.error) std::rethrow_exception(visit.error);
}

TaskWindowsDisabled::TaskWindowsDisabled(HWND except) {
    // Collected first and disabled after, so a failed collection (the list
    // cannot grow) leaves every window as it was.
    ForEachThreadWindow([&](HWND window) {
        if (window != except && IsWindowVisible(window) && IsWindowEnabled(window)) disabled_.push_back(window);
        return true;
    });
    for (HWND window : disabled_) EnableWindow(window, FALSE);
}

TaskWindowsDisabled::~TaskWindowsDisabled() {
    for (HWND window : disabled_) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
}

}  // namespace velmora
