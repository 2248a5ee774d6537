// Drives a running Velmora from a script, inside its Wine session, where
// Wine's virtual desktop hides the program's windows from X:
//   velmora_window minimize | restore | maximize
//       sends the main window that system command and returns when the
//       program has handled it;
//   velmora_window spawn COUNT PROGRAM SECONDS
//       starts COUNT idle copies of PROGRAM with SECONDS as their command
//       line (the test child sleeps that long and ends by itself).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Command(WPARAM command) {
    HWND main = FindWindowW(L"TForm1", nullptr);
    if (!main) {
        std::fprintf(stderr, "velmora_window: no main window\n");
        return 1;
    }
    SendMessageW(main, WM_SYSCOMMAND, command, 0);
    return 0;
}

int Spawn(int count, const char* program, const char* seconds) {
    std::string commandLine = std::string("\"") + program + "\" " + seconds;
    for (int i = 0; i < count; ++i) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                            &startup, &info)) {
            std::fprintf(stderr, "velmora_window: started %d of %d (error %lu)\n", i, count, GetLastError());
            return 1;
        }
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const char* verb = argc > 1 ? argv[1] : "";
    if (!std::strcmp(verb, "minimize")) return Command(SC_MINIMIZE);
    if (!std::strcmp(verb, "restore")) return Command(SC_RESTORE);
    if (!std::strcmp(verb, "maximize")) return Command(SC_MAXIMIZE);
    if (!std::strcmp(verb, "spawn") && argc == 5) return Spawn(std::atoi(argv[2]), argv[3], argv[4]);
    std::fprintf(stderr, "usage: velmora_window minimize|restore|maximize | spawn COUNT PROGRAM SECONDS\n");
    return 2;
}
