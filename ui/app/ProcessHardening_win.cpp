// A library loaded by bare name (by us, or by a system DLL on our behalf)
// is searched by default in the program's folder and in the current
// directory too; a DLL planted there, in a download folder say, would run
// inside Velmora. Every library the program uses is a system DLL, so the
// search is cut down to the system folder before anything else happens.
#include "ui/app/ProcessHardening_win.h"

#include "base/ProcAddress_win.h"

#include <windows.h>

namespace velmora {

void HardenProcess() {
    // A corrupted heap ends the process at once instead of running on with
    // memory an attacker may have shaped.
    HeapSetInformation(nullptr, HeapEnableTerminationOnCorruption, nullptr, 0);

    // SetDefaultDllDirectories came with Windows 8 and, on Windows 7, with
    // KB2533623: looked up, not imported, so that Velmora still starts on a
    // Windows 7 without that update.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD directoryFlags);
    auto setDefaultDllDirectories =
        LookupProc<SetDefaultDllDirectoriesFn>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefaultDllDirectories && setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    // Without it, the empty DLL directory at least takes the current
    // directory out of the search; the program's folder stays in it.
    SetDllDirectoryW(L"");
}

}  // namespace velmora
