#include "tests/fakes/FakeSystem.h"

#include "base/Utf8.h"

#include <algorithm>
#include <cstring>

namespace velmora::fakes {

namespace {

// Base priority Windows reports for a process of each priority class, so
// that a changed class shows in the next snapshot.
bool BaseOfClass(std::uint32_t priorityClass, std::int32_t& base) {
    switch (priorityClass) {
        case 64: base = 4; return true;
        case 16384: base = 6; return true;
        case 32: base = 8; return true;
        case 32768: base = 10; return true;
        case 128: base = 13; return true;
        case 256: base = 24; return true;
        default: return false;
    }
}

}  // namespace

FakeSystem::Proc& FakeSystem::AddProcess(std::uint32_t pid, const std::string& name, std::int32_t threads,
                                         std::int32_t basePriority) {
    Proc proc;
    proc.pid = pid;
    proc.name = name;
    proc.threads = threads;
    proc.basePriority = basePriority;
    proc.instance = nextInstance_++;
    table.push_back(proc);
    return table.back();
}

bool FakeSystem::RemoveProcess(std::uint32_t pid) {
    auto it = std::find_if(table.begin(), table.end(), [pid](const Proc& p) { return p.pid == pid && !p.exited; });
    if (it == table.end()) return false;
    table.erase(it);
    return true;
}

FakeSystem::Proc* FakeSystem::Find(std::uint32_t pid) {
    Proc* exited = nullptr;
    for (Proc& p : table) {
        if (p.pid != pid) continue;
        if (!p.exited) return &p;
        exited = &p;
    }
    return exited;
}

SysHandle FakeSystem::NewHandle(Handle handle) {
    const SysHandle value = nextHandle_;
    nextHandle_ += 4;  // never reused, so a second close is always caught
    handles_.emplace(value, std::move(handle));
    return value;
}

FakeSystem::Handle* FakeSystem::Lookup(SysHandle handle, bool snapshot) {
    auto it = handles_.find(handle);
    if (it == handles_.end() || it->second.isSnapshot != snapshot) return nullptr;
    return &it->second;
}

FakeSystem::Proc* FakeSystem::Instance(std::uint64_t instance) {
    for (Proc& p : table)
        if (p.instance == instance) return &p;
    return nullptr;
}

SysHandle FakeSystem::CreateProcessSnapshot() {
    ++snapshotCalls;
    if (unbound) return kNullHandle;
    if (snapshotFails) {
        lastError = snapshotError;
        return kInvalidHandle;
    }
    Handle snap;
    snap.isSnapshot = true;
    snap.entries.reserve(table.size());
    for (const Proc& p : table) {
        if (p.exited) continue;
        ProcessEntry e;
        e.processId = p.pid;
        e.threads = p.threads;
        e.basePriority = p.basePriority;
        // Like the real binding: the system's buffer holds MAX_PATH UTF-16
        // units, and the name arrives as UTF-8 up to the last whole code
        // point that fitted there.
        std::size_t bytes = 0;
        for (std::size_t units = 0, next = 0; bytes < p.name.size(); bytes = next) {
            units += Utf16Length(NextCodePoint(p.name, next));
            if (units > kMaxPathUnits) break;
        }
        std::memcpy(e.exeFile, p.name.data(), bytes);
        snap.entries.push_back(e);
    }
    const SysHandle handle = NewHandle(std::move(snap));
    ++snapshotsTaken;
    if (onSnapshot) onSnapshot();
    return handle;
}

bool FakeSystem::Enumerate(SysHandle snapshot, ProcessEntry& entry, bool first) {
    if (unbound) return false;
    Handle* snap = Lookup(snapshot, true);
    if (!snap) {
        lastError = kErrorInvalidHandle;
        return false;
    }
    if (first) snap->next = 0;
    if (snap->next >= snap->entries.size()) {
        lastError = kErrorNoMoreFiles;
        return false;
    }
    entry = snap->entries[snap->next++];
    return true;
}

bool FakeSystem::FirstProcess(SysHandle snapshot, ProcessEntry& entry) {
    return Enumerate(snapshot, entry, true);
}

bool FakeSystem::NextProcess(SysHandle snapshot, ProcessEntry& entry) {
    return Enumerate(snapshot, entry, false);
}

SysHandle FakeSystem::OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) {
    ++openCalls;
    openRequests.push_back({access, inherit, processId});
    Proc* proc = nullptr;
    for (Proc& p : table) {
        if (p.pid == processId && !p.exited) {
            proc = &p;
            break;
        }
    }
    if (!proc) {
        lastError = kErrorInvalidParameter;
        return kNullHandle;
    }
    if (!proc->canOpen) {
        lastError = proc->openError;
        return kNullHandle;
    }
    if (proc->instance == 0) proc->instance = nextInstance_++;
    Handle h;
    h.instance = proc->instance;
    h.access = access;
    return NewHandle(std::move(h));
}

// The live process behind a process handle that carries the right, or null
// with the last error set. A process that has exited refuses with access
// denied, as Windows does.
FakeSystem::Proc* FakeSystem::ForAction(SysHandle process, std::uint32_t right) {
    Handle* h = Lookup(process, false);
    if (!h) {
        lastError = kErrorInvalidHandle;
        return nullptr;
    }
    Proc* proc = Instance(h->instance);
    if (!proc || proc->exited || (h->access & right) == 0) {
        lastError = kErrorAccessDenied;
        return nullptr;
    }
    return proc;
}

bool FakeSystem::TerminateProcess(SysHandle process, std::uint32_t exitCode) {
    Proc* proc = ForAction(process, kProcessTerminate);
    if (!proc) return false;
    if (!proc->canTerminate) {
        lastError = proc->actionError;
        return false;
    }
    proc->exited = true;
    terminatedPids.push_back(proc->pid);
    terminateExitCodes.push_back(exitCode);
    return true;
}

bool FakeSystem::SetPriorityClass(SysHandle process, std::uint32_t priorityClass) {
    Proc* proc = ForAction(process, kProcessSetInformation);
    if (!proc) return false;
    if (!proc->canSetPriority) {
        lastError = proc->actionError;
        return false;
    }
    proc->priorityClass = priorityClass;
    BaseOfClass(priorityClass, proc->basePriority);
    priorityChanges.push_back({proc->pid, priorityClass});
    return true;
}

bool FakeSystem::CloseHandle(SysHandle handle) {
    ++closeCalls;
    if (handles_.erase(handle) == 0) {
        ++closeFaults;
        lastError = kErrorInvalidHandle;
        return false;
    }
    if (closeClearsError) lastError = 0;
    return true;
}

}  // namespace velmora::fakes
