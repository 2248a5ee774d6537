// Waits until a top-level window of the given class and caption exists and
// is visible: wait-for-window CLASS CAPTION [SECONDS]. Exits 0 when it
// appears, 1 when it did not within the time (default 30 s). Lets scripts
// outside Wine see a window that Wine's virtual desktop hides from X.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: wait-for-window CLASS CAPTION [SECONDS]\n");
        return 2;
    }
    const DWORD ms = (argc > 3 ? std::atoi(argv[3]) : 30) * 1000;
    const DWORD start = GetTickCount();
    do {
        HWND window = FindWindowA(argv[1], argv[2]);
        if (window && IsWindowVisible(window)) return 0;
        Sleep(100);
    } while (GetTickCount() - start < ms);
    return 1;
}
