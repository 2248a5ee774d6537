#include "StartedProgram.h"

#include "WinTestSupport.h"

#include <cstdlib>
#include <stdexcept>

namespace velmora::wintest {

namespace {

struct Search {
    DWORD pid;
    const char* className;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    if (pid == search.pid && lstrcmpA(name, search.className) == 0 &&
        (!search.visibleOnly || IsWindowVisible(window))) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string ProgramPath() {
    const char* chosen = std::getenv("VELMORA_PROGRAM");
    std::string path = std::string("Z:") + (chosen && *chosen ? chosen : VELMORA_EXE);
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

StartedProgram::StartedProgram() {
    std::string commandLine = "\"" + ProgramPath() + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_)) {
        throw std::runtime_error("cannot start " + commandLine + " (error " + std::to_string(GetLastError()) + ")");
    }
    AdoptChild(info_.hProcess);
    CloseHandle(info_.hThread);
    info_.hThread = nullptr;
    // Natively the window is there within a second; an emulated 32-bit
    // program on a busy machine can take half a minute or more.
    WaitForInputIdle(info_.hProcess, 10000);
    Eventually([this] { return (main_ = FindWindowOfClass("TForm1", true)) != nullptr; }, 180000);
    if (!main_) throw std::runtime_error("Velmora's main window did not appear");
}

StartedProgram::~StartedProgram() {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
    CloseHandle(info_.hProcess);
}

HWND StartedProgram::FindWindowOfClass(const char* className, bool visibleOnly) const {
    Search search{info_.dwProcessId, className, visibleOnly, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND StartedProgram::VisibleWindow(const char* className) const {
    return FindWindowOfClass(className, true);
}
HWND StartedProgram::AnyWindow(const char* className) const {
    return FindWindowOfClass(className, false);
}

HWND StartedProgram::Control(int id) const {
    return Child(main_, id);
}

void StartedProgram::Choose(int itemId) const {
    PostMessageA(main_, WM_COMMAND, MAKEWPARAM(itemId, 0), 0);
}

bool Topmost(HWND window) {
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace velmora::wintest
