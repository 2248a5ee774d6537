// The slice of the operating system the process model needs: the ToolHelp
// process snapshot, process handles and the thread's last-error value.
// Portable code reaches Windows only through this interface; the kernel32
// binding lives in System_win.cpp and tests use a scriptable fake.
#pragma once

#include "base/Owned.h"

#include <cstddef>
#include <cstdint>

namespace velmora {

// An operating-system handle as an opaque number. Snapshots fail with
// kInvalidHandle (INVALID_HANDLE_VALUE), OpenProcess fails with 0.
using SysHandle = std::uintptr_t;
constexpr SysHandle kNullHandle = 0;
constexpr SysHandle kInvalidHandle = ~SysHandle{0};

// Access rights and error codes the portable code names.
constexpr std::uint32_t kProcessTerminate = 0x0001;
constexpr std::uint32_t kProcessSetInformation = 0x0200;
constexpr std::uint32_t kErrorAccessDenied = 5;

// The fields of PROCESSENTRY32W the program reads. The file name is UTF-8,
// zero-terminated, held in place so that enumerating allocates nothing:
// room for MAX_PATH UTF-16 units at three bytes each (a surrogate pair is
// two units and four bytes) and the terminator.
constexpr std::size_t kMaxPathUnits = 260;
struct ProcessEntry {
    std::uint32_t processId = 0;
    std::int32_t threads = 0;
    std::int32_t basePriority = 0;
    char exeFile[3 * kMaxPathUnits + 1] = {};
};

class ISystem {
public:
    virtual ~ISystem() = default;

    // CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0). kInvalidHandle on
    // failure; kNullHandle when ToolHelp could not be bound at all.
    virtual SysHandle CreateProcessSnapshot() = 0;
    virtual bool FirstProcess(SysHandle snapshot, ProcessEntry& entry) = 0;
    virtual bool NextProcess(SysHandle snapshot, ProcessEntry& entry) = 0;

    virtual SysHandle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) = 0;
    virtual bool TerminateProcess(SysHandle process, std::uint32_t exitCode) = 0;
    virtual bool SetPriorityClass(SysHandle process, std::uint32_t priorityClass) = 0;
    virtual bool CloseHandle(SysHandle handle) = 0;

    virtual std::uint32_t GetLastError() = 0;
    virtual void SetLastError(std::uint32_t code) = 0;
};

// Closes handles obtained through an ISystem, keeping the thread's
// last-error value intact so that a caller can still read the code of the
// call that failed before. Both "empty" values, 0 and kInvalidHandle, are
// nothing to close. Converts from ISystem&, so OwnedHandle(system, handle)
// reads as it is meant.
struct SystemHandleTraits {
    using Value = SysHandle;
    SystemHandleTraits() = default;
    SystemHandleTraits(ISystem& owner) : system(&owner) {}  // NOLINT: implicit on purpose

    static constexpr Value Empty() { return kNullHandle; }
    static constexpr bool Valid(Value handle) { return handle != kNullHandle && handle != kInvalidHandle; }
    void Close(Value handle) const {
        const std::uint32_t saved = system->GetLastError();
        system->CloseHandle(handle);
        system->SetLastError(saved);
    }

    ISystem* system = nullptr;
};

// Move-only owner of one handle obtained through an ISystem: the only place
// besides the binding itself that calls CloseHandle.
using OwnedHandle = Owned<SystemHandleTraits>;

}  // namespace velmora
