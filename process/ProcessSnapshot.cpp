// Records from the ToolHelp process snapshot: the list of all processes and
// the lookup of a single one.
#include "process/SystemExt.h"

#include <cstring>
#include <stdexcept>

namespace velmora {

namespace {

// The snapshot's file name buffer is read up to its first NUL, but never
// past its end, even when the system filled it without a terminator.
std::string ExeFileName(const ProcessEntry& entry) {
    const void* nul = std::memchr(entry.exeFile, '\0', sizeof entry.exeFile);
    const std::size_t length =
        nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - entry.exeFile) : sizeof entry.exeFile;
    return std::string(entry.exeFile, length);
}

}  // namespace

TProcess::TProcess(const ProcessEntry& entry)
    : Name(ExeFileName(entry)),
      ProcessID(entry.processId),
      Threads(entry.threads),
      BasePriority(entry.basePriority),
      Priority(BasePriorityName(entry.basePriority)) {}

// Takes a snapshot of its own and scans all of it after the first entry.
// The scan does not stop at a match: should an identifier appear twice, the
// later entry wins. A process that is gone leaves the record empty apart
// from its identifier. The snapshot handle is closed on every way out.
TProcess TProcess::Create(ISystem& system, std::uint32_t processId) {
    TProcess record;
    record.ProcessID = processId;

    OwnedHandle snapshot(system, system.CreateProcessSnapshot());
    if (!snapshot) return record;
    ProcessEntry entry;
    if (!system.FirstProcess(snapshot.Get(), entry)) return record;
    while (system.NextProcess(snapshot.Get(), entry)) {
        if (entry.processId == processId) record = TProcess(entry);
    }
    return record;
}

// One snapshot for the whole list: every record is filled from the entry
// that reported it. Looking each process up again in a snapshot of its own
// would cost one snapshot per process, so a refresh would grow with the
// square of the process count, and a process ending between the two
// snapshots would show up with a blank name.
//
// The table's first entry is skipped; the records keep snapshot order. An
// unavailable snapshot (failed, or ToolHelp not bound) gives an empty list.
TProcessList::TProcessList(ISystem& system) {
    OwnedHandle snapshot(system, system.CreateProcessSnapshot());
    if (!snapshot) return;
    ProcessEntry entry;
    if (!system.FirstProcess(snapshot.Get(), entry)) return;
    while (system.NextProcess(snapshot.Get(), entry)) items_.emplace_back(entry);
}

const TProcess& TProcessList::Items(int index) const {
    if (index < 0 || index >= Count()) {
        throw std::out_of_range("Listenindex außerhalb des gültigen Bereichs (" + std::to_string(index) + ")");
    }
    return items_[static_cast<std::size_t>(index)];
}

}  // namespace velmora
