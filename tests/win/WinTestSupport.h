// Helpers of the Windows tests: child processes the tests own, message
// pumping, and reading back window geometry.
#pragma once

#include <windows.h>

#include <string>

namespace velmora::wintest {

// A child process started for a test (DETACHED_PROCESS: no console host is
// left behind). Ended by its own handle when the object goes.
class ChildProcess {
public:
    explicit ChildProcess(int seconds = 60);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD Pid() const { return info_.dwProcessId; }
    HANDLE Process() const { return info_.hProcess; }
    bool Running() const;
    // Waits up to `ms` for the process to end; returns its exit code or -1.
    long WaitExit(DWORD ms) const;

private:
    PROCESS_INFORMATION info_{};
};

// Dispatches the thread's messages for `ms` milliseconds.
void Pump(DWORD ms);
// Dispatches until `done` returns true or `ms` pass; returns done().
template <typename F>
bool PumpUntil(F done, DWORD ms) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > ms) return done();
        Pump(10);
    }
    return true;
}

// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);
std::string WindowText(HWND window);

}  // namespace velmora::wintest
