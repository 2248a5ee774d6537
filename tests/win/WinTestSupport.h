// Helpers of the Windows tests: child processes the tests own, message
// pumping, and reading back window geometry.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

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

// The folder of the running test executable, with a trailing backslash: the
// programs and libraries the tests use are built beside it.
std::string SuiteFolder();

// Puts a process the test started into the job that ends every child of the
// test with it.
void AdoptChild(HANDLE process);

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

// Closes what a test opens modally (a dialog, a menu), from a thread timer
// that runs inside the modal loop: every 20 ms `tryClose` is called, which
// closes the thing if it is open. A test whose window or menu is still open
// `deadlineMs` after the closer was made fails and its process ends, instead
// of hanging in the loop. The destructor stops the timer.
class Closer {
public:
    Closer(std::string what, std::function<void()> tryClose, DWORD deadlineMs = 10000);
    ~Closer();
    Closer(const Closer&) = delete;
    Closer& operator=(const Closer&) = delete;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    std::string what_;
    std::function<void()> tryClose_;
    DWORD deadline_;
    UINT_PTR timer_;
};

// Ends every menu of this thread that is open.
void CloseOpenMenu();

// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);
// Texts come back as UTF-8, read with the W calls, so a test compares them
// with its own UTF-8 literals: a window's text (of any process).
std::string WindowText(HWND window);
// The control `id` anywhere inside `window` (of any process), or null.
HWND Child(HWND window, int id);
// The text of a list view cell (column 0 is the row's caption), in process.
std::string ItemText(HWND listView, int row, int column);
// Types UTF-8 `text` as a keyboard does: one posted WM_CHAR per UTF-16
// unit, so a character beyond U+FFFF arrives as its two halves.
void TypeChars(HWND window, const std::string& text);

}  // namespace velmora::wintest

namespace velmora::wintest {

// Answers every real message box of this thread with `button` (IDYES,
// IDNO, IDOK) as soon as it is activated, and records caption and text.
class BoxAnswerer {
public:
    static constexpr int kPressEnter = 0;  // answer with the default button
    explicit BoxAnswerer(int button);
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    struct Box {
        std::string caption;
        std::string text;
        bool hasYes;
        bool hasNo;
        bool topmost;       // in the topmost band while it was open
        int defaultButton;  // the button drawn as default when it opened
    };
    std::vector<Box> boxes;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook_ = nullptr;
    int button_;
};

}  // namespace velmora::wintest
