// Actions on the live process a record names. Each reports success as a
// Boolean and leaves the failing call's code as the thread's last error for
// GetLastErrorText; OwnedHandle closes every handle without disturbing it.
#include "process/SystemExt.h"

namespace velmora {

bool TProcess::CanOpen(ISystem& system) const {
    return OpenForTerminate(system).Valid();
}

OwnedHandle TProcess::OpenForTerminate(ISystem& system) const {
    return OwnedHandle(system, system.OpenProcess(kProcessTerminate, false, ProcessID));
}

// An empty handle means OpenProcess already failed and set the last error;
// it is left as it is.
bool TProcess::TerminateHandle(ISystem& system, const OwnedHandle& process) {
    if (!process) return false;
    return system.TerminateProcess(process.Get(), 0);
}

bool TProcess::Terminate(ISystem& system) const {
    const OwnedHandle process = OpenForTerminate(system);
    return TerminateHandle(system, process);
}

// Only a successful change touches the record, and only its Priority text:
// the base priority is what the next snapshot reports.
bool TProcess::SetPriority(ISystem& system, std::uint32_t priorityClass) {
    const OwnedHandle process(system, system.OpenProcess(kProcessSetInformation, false, ProcessID));
    if (!process) return false;
    if (!system.SetPriorityClass(process.Get(), priorityClass)) return false;
    Priority = PriorityClassName(priorityClass);
    return true;
}

}  // namespace velmora
