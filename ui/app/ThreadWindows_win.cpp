#include "ui/app/ThreadWindows_win.h"

#include <exception>

namespace velmora {

bool IsOwnTopLevel(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid == GetCurrentProcessId() && IsWindowVisible(window);
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
