// ISystem on kernel32. ToolHelp is looked up by name in the kernel32 that is
// already loaded, so nothing is loaded or freed here; everything else is a
// direct call.
#include "process/WindowsSystem.h"

#include "base/ProcAddress_win.h"
#include "base/Utf8.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstring>
#include <cwchar>

namespace velmora {

namespace {

// The wide structure and functions: a file name in any script arrives whole.
using RawEntry = PROCESSENTRY32W;

#ifndef _WIN64
static_assert(sizeof(RawEntry) == 556, "PROCESSENTRY32W of the 32-bit layout");
#endif
static_assert(sizeof(RawEntry::szExeFile) / sizeof(wchar_t) == kMaxPathUnits, "MAX_PATH units");

using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD flags, DWORD processId);
using EnumerateFn = BOOL(WINAPI*)(HANDLE snapshot, RawEntry* entry);

HANDLE ToHandle(SysHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}
SysHandle FromHandle(HANDLE handle) {
    return reinterpret_cast<SysHandle>(handle);
}

class ToolHelp {
public:
    // Until kernel32 is found every call tries again; once found, the three
    // addresses are fetched once and kept (any of them may be missing).
    void Bind() {
        if (found_) return;
        HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
        if (!kernel32) return;
        create_ = LookupProc<CreateSnapshotFn>(kernel32, "CreateToolhelp32Snapshot");
        first_ = LookupProc<EnumerateFn>(kernel32, "Process32FirstW");
        next_ = LookupProc<EnumerateFn>(kernel32, "Process32NextW");
        found_ = true;
    }

    // 0 rather than INVALID_HANDLE_VALUE when ToolHelp is not bound, so the
    // caller's list stays empty and closing the result is a no-op.
    SysHandle CreateSnapshot() {
        Bind();
        if (!create_) return kNullHandle;
        return FromHandle(create_(TH32CS_SNAPPROCESS, 0));
    }

    bool Enumerate(bool first, SysHandle snapshot, ProcessEntry& entry) {
        Bind();
        EnumerateFn fn = first ? first_ : next_;
        if (!create_ || !fn) return false;
        RawEntry raw;
        std::memset(&raw, 0, sizeof raw);
        raw.dwSize = sizeof raw;
        if (!fn(ToHandle(snapshot), &raw)) return false;
        Fill(raw, entry);
        return true;
    }

private:
    static void Fill(const RawEntry& raw, ProcessEntry& entry) {
        entry.processId = raw.th32ProcessID;
        entry.threads = static_cast<std::int32_t>(raw.cntThreads);
        entry.basePriority = static_cast<std::int32_t>(raw.pcPriClassBase);
        // Up to the first NUL, never past the buffer's end; a name of all
        // MAX_PATH units fits, and a lone surrogate shows as U+FFFD.
        const std::size_t units = wcsnlen(raw.szExeFile, kMaxPathUnits);
        static_assert(sizeof entry.exeFile >= 3 * kMaxPathUnits + 1, "room for every name");
        Utf16ToUtf8(raw.szExeFile, units, entry.exeFile, sizeof entry.exeFile);
    }

    bool found_ = false;
    CreateSnapshotFn create_ = nullptr;
    EnumerateFn first_ = nullptr;
    EnumerateFn next_ = nullptr;
};

class WindowsSystemImpl final : public ISystem {
public:
    SysHandle CreateProcessSnapshot() override { return toolHelp_.CreateSnapshot(); }
    bool FirstProcess(SysHandle snapshot, ProcessEntry& entry) override {
        return toolHelp_.Enumerate(true, snapshot, entry);
    }
    bool NextProcess(SysHandle snapshot, ProcessEntry& entry) override {
        return toolHelp_.Enumerate(false, snapshot, entry);
    }

    SysHandle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) override {
        return FromHandle(::OpenProcess(access, inherit ? TRUE : FALSE, processId));
    }
    bool TerminateProcess(SysHandle process, std::uint32_t exitCode) override {
        return ::TerminateProcess(ToHandle(process), exitCode) != FALSE;
    }
    bool SetPriorityClass(SysHandle process, std::uint32_t priorityClass) override {
        return ::SetPriorityClass(ToHandle(process), priorityClass) != FALSE;
    }
    bool CloseHandle(SysHandle handle) override { return ::CloseHandle(ToHandle(handle)) != FALSE; }

    std::uint32_t GetLastError() override { return ::GetLastError(); }
    void SetLastError(std::uint32_t code) override { ::SetLastError(code); }

private:
    ToolHelp toolHelp_;
};

}  // namespace

ISystem& WindowsSystem() {
    static WindowsSystemImpl system;
    return system;
}

}  // namespace velmora
