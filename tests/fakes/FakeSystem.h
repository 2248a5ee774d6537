// A scriptable process table behind ISystem. Snapshots copy the table when
// taken; process handles are bound to one process instance, so a handle
// opened before a process was replaced by another with the same identifier
// still refers to the old, exited one. Every handle handed out is tracked:
// tests check OpenHandleCount() == 0 and closeFaults == 0 at the end.
#pragma once

#include "process/System.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace velmora::fakes {

class FakeSystem : public ISystem {
public:
    // Error codes the fake reports on its own.
    static constexpr std::uint32_t kErrorInvalidHandle = 6;
    static constexpr std::uint32_t kErrorNoMoreFiles = 18;
    static constexpr std::uint32_t kErrorInvalidParameter = 87;  // no such process

    struct Proc {
        std::uint32_t pid = 0;
        std::string name;
        std::int32_t threads = 1;
        std::int32_t basePriority = 8;
        bool canOpen = true;         // OpenProcess succeeds
        bool canTerminate = true;    // TerminateProcess succeeds
        bool canSetPriority = true;  // SetPriorityClass succeeds
        std::uint32_t priorityClass = 32;
        std::uint32_t openError = 5;    // last error when OpenProcess is refused
        std::uint32_t actionError = 5;  // last error when an action is refused
        bool exited = false;            // gone from snapshots; its handles fail
        std::uint64_t instance = 0;     // set by the fake; 0 = not yet assigned
    };

    struct OpenRequest {
        std::uint32_t access;
        bool inherit;
        std::uint32_t pid;
    };

    struct PriorityChange {
        std::uint32_t pid;
        std::uint32_t priorityClass;
    };

    // The process table in snapshot order; table[0] is the entry the list
    // skips. Tests may edit it freely between calls.
    std::vector<Proc> table;

    bool snapshotFails = false;  // CreateProcessSnapshot returns kInvalidHandle
    std::uint32_t snapshotError = 5;
    bool unbound = false;  // ToolHelp missing: snapshot 0, no enumeration
    // A successful CloseHandle sets the last error to 0, as a system call may:
    // proves that callers read a failure's code from before the close.
    bool closeClearsError = false;

    int snapshotCalls = 0;   // every CreateProcessSnapshot call
    int snapshotsTaken = 0;  // snapshots actually handed out
    int openCalls = 0;
    int closeCalls = 0;
    int closeFaults = 0;  // CloseHandle on an unknown or already closed handle
    std::vector<OpenRequest> openRequests;
    std::vector<std::uint32_t> terminatedPids;
    std::vector<std::uint32_t> terminateExitCodes;  // parallel to terminatedPids
    std::vector<PriorityChange> priorityChanges;

    // Called right after a snapshot has been taken (not for failed ones).
    std::function<void()> onSnapshot;

    // The calling thread's last error (the fake has one thread).
    std::uint32_t lastError = 0;

    Proc& AddProcess(std::uint32_t pid, const std::string& name, std::int32_t threads = 1,
                     std::int32_t basePriority = 8);
    // Removes the live instance with this identifier; false when none.
    bool RemoveProcess(std::uint32_t pid);
    // The live instance with this identifier, else the last exited one.
    Proc* Find(std::uint32_t pid);

    int OpenHandleCount() const { return static_cast<int>(handles_.size()); }
    bool AllClosed() const { return handles_.empty() && closeFaults == 0; }

    SysHandle CreateProcessSnapshot() override;
    bool FirstProcess(SysHandle snapshot, ProcessEntry& entry) override;
    bool NextProcess(SysHandle snapshot, ProcessEntry& entry) override;
    SysHandle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) override;
    bool TerminateProcess(SysHandle process, std::uint32_t exitCode) override;
    bool SetPriorityClass(SysHandle process, std::uint32_t priorityClass) override;
    bool CloseHandle(SysHandle handle) override;
    std::uint32_t GetLastError() override { return lastError; }
    void SetLastError(std::uint32_t code) override { lastError = code; }

private:
    struct Handle {
        bool isSnapshot = false;
        std::vector<ProcessEntry> entries;  // snapshot: the copied table
        std::size_t next = 0;               // snapshot: enumeration cursor
        std::uint64_t instance = 0;         // process: the bound instance
        std::uint32_t access = 0;           // process: granted rights
    };

    SysHandle NewHandle(Handle handle);
    Handle* Lookup(SysHandle handle, bool snapshot);
    Proc* Instance(std::uint64_t instance);
    Proc* ForAction(SysHandle process, std::uint32_t right);
    bool Enumerate(SysHandle snapshot, ProcessEntry& entry, bool first);

    std::map<SysHandle, Handle> handles_;
    SysHandle nextHandle_ = 0x100;
    std::uint64_t nextInstance_ = 1;
};

}  // namespace velmora::fakes
