// Copies of the test child under names of a test's choosing, in a folder of
// their own in the temporary folder, and the processes that run them: every
// process is ended by its own handle and every file and folder is deleted
// when the object goes.
#pragma once

#include "base/Handles_win.h"

#include <windows.h>

#include <string>
#include <vector>

namespace velmora::wintest {

class ChildCopies {
public:
    ChildCopies();
    ~ChildCopies();
    ChildCopies(const ChildCopies&) = delete;
    ChildCopies& operator=(const ChildCopies&) = delete;

    // The folder, with a trailing backslash.
    const std::wstring& Folder() const { return folder_; }
    // Copies the child to `relativePath` below the folder, making the
    // folders along the way; returns the copy's full path, or "" on failure.
    std::wstring Copy(const std::wstring& relativePath);
    // Starts a copy as a detached process that waits `seconds`; its PID, or
    // 0 on failure.
    DWORD Start(const std::wstring& path, int seconds = 120);
    // Takes over a process that another program started from a copy, by its
    // PID, so that it ends with this object (or earlier, through End).
    bool Own(DWORD pid);
    // Ends that process now and waits until it is gone.
    bool End(DWORD pid);

private:
    struct Running {
        DWORD pid;
        KernelHandle process;
    };
    std::wstring folder_;
    std::vector<std::wstring> files_;
    std::vector<std::wstring> folders_;
    std::vector<Running> processes_;
};

// The processes of that exact file name whose parent is `parent`, from a
// ToolHelp snapshot read with the wide entry points.
std::vector<DWORD> ProcessesNamed(const std::wstring& fileName, DWORD parent);

}  // namespace velmora::wintest
