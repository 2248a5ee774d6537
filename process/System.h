// The slice of the operating system the process model needs: the ToolHelp
// process snapshot, process handles and the thread's last-error value.
// Portable code reaches Windows only through this interface; the kernel32
// binding lives in System_win.cpp and tests use a scriptable fake.
#pragma once

#include <cstdint>
#include <utility>

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

// The fields of PROCESSENTRY32 the program reads.
struct ProcessEntry {
    std::uint32_t processId = 0;
    std::int32_t threads = 0;
    std::int32_t basePriority = 0;
    char exeFile[260] = {};
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

// Move-only owner of one handle obtained through an ISystem. The only place
// besides the binding itself that calls CloseHandle. Both "empty" values,
// 0 and kInvalidHandle, are treated as nothing to close.
class OwnedHandle {
public:
    OwnedHandle() = default;
    OwnedHandle(ISystem& system, SysHandle handle) : system_(&system), handle_(handle) {}
    OwnedHandle(OwnedHandle&& other) noexcept
        : system_(other.system_), handle_(std::exchange(other.handle_, kNullHandle)) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            system_ = other.system_;
            handle_ = std::exchange(other.handle_, kNullHandle);
        }
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() { Reset(); }

    SysHandle Get() const { return handle_; }
    bool Valid() const { return handle_ != kNullHandle && handle_ != kInvalidHandle; }
    explicit operator bool() const { return Valid(); }

    // Closes the handle, keeping the thread's last-error value intact so that
    // a caller can still read the code of the call that failed before.
    void Reset() {
        if (Valid()) {
            const std::uint32_t saved = system_->GetLastError();
            system_->CloseHandle(handle_);
            system_->SetLastError(saved);
        }
        handle_ = kNullHandle;
    }

private:
    ISystem* system_ = nullptr;
    SysHandle handle_ = kNullHandle;
};

}  // namespace velmora
