// A process for the tests to start, list, re-prioritise and end. It waits
// for the number of seconds given on its command line (default 60), so a
// test that fails before ending it leaves nothing behind for long.
#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    int seconds = commandLine && *commandLine ? std::atoi(commandLine) : 60;
    Sleep(static_cast<DWORD>(seconds > 0 ? seconds : 60) * 1000);
    return 0;
}
