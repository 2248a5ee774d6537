// The calling thread's top-level windows: enumerating them without letting
// an exception through the system's frames, and disabling them while a
// modal box or dialog shows.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace velmora {

// A visible window of this process.
bool IsOwnTopLevel(HWND window);

// Calls `visitor` for each top-level window of the calling thread until it
// returns false. An exception from `visitor` ends the enumeration and is
// rethrown here, never through the system's frames.
void ForEachThreadWindow(const std::function<bool(HWND)>& visitor);

// Disables the application's enabled top-level windows for the lifetime of
// the object (a modal box or dialog is showing) and enables them again.
class TaskWindowsDisabled {
public:
    explicit TaskWindowsDisabled(HWND except = nullptr);
    ~TaskWindowsDisabled();
    TaskWindowsDisabled(const TaskWindowsDisabled&) = delete;
    TaskWindowsDisabled& operator=(const TaskWindowsDisabled&) = delete;

private:
    std::vector<HWND> disabled_;
};

}  // namespace velmora
