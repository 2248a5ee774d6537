// The program as users start it: Velmora.exe of the same build (or the one
// VELMORA_PROGRAM names), run as a process of its own and read and driven
// from this one, the way another program (or a user) meets it. Everything
// here reads the program through messages that carry no pointer into its
// memory, so it also observes a 32-bit program that runs under emulation.
#pragma once

#include "WinTestSupport.h"

#include <windows.h>

#include <string>

namespace velmora::wintest {

class StartedProgram {
public:
    // Starts Velmora.exe and waits for its main window.
    StartedProgram();
    ~StartedProgram();
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    HWND MainWindow() const { return main_; }
    DWORD Pid() const { return info_.dwProcessId; }
    // The program's visible top-level window of that class, or nullptr.
    HWND VisibleWindow(const char* className) const;
    // The program's top-level window of that class, shown or not.
    HWND AnyWindow(const char* className) const;
    // A control of the main window, found by its identifier.
    HWND Control(int id) const;
    // Chooses a menu item as a click on it does.
    void Choose(int itemId) const;
    // True once `done` holds, polled for up to `ms`: generous, because an
    // emulated program takes seconds for what takes milliseconds natively.
    template <typename F>
    static bool Eventually(F done, DWORD ms = 60000) {
        const DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > ms) return done();
            Sleep(20);
        }
        return true;
    }

private:
    HWND FindWindowOfClass(const char* className, bool visibleOnly) const;
    PROCESS_INFORMATION info_{};
    HWND main_ = nullptr;
};

bool Topmost(HWND window);
// The program's path as Windows sees it (Wine maps / to Z:): VELMORA_PROGRAM
// when it is set, else the shipped executable of this build.
std::string ProgramPath();

}  // namespace velmora::wintest
