// The process model: one record per process of a ToolHelp snapshot, the
// actions on a live process, and German texts for system error codes.
#pragma once

#include "process/System.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

// Priority class values as SetPriorityClass takes them.
constexpr std::uint32_t kRealtimePriorityClass = 256;
constexpr std::uint32_t kHighPriorityClass = 128;
constexpr std::uint32_t kAboveNormalPriorityClass = 32768;
constexpr std::uint32_t kNormalPriorityClass = 32;
constexpr std::uint32_t kBelowNormalPriorityClass = 16384;
constexpr std::uint32_t kIdlePriorityClass = 64;

// The classes the program offers, in the order its menus list them.
constexpr std::uint32_t kPriorityClasses[] = {kRealtimePriorityClass,    kHighPriorityClass,
                                              kAboveNormalPriorityClass, kNormalPriorityClass,
                                              kBelowNormalPriorityClass, kIdlePriorityClass};

// German name of a snapshot's base priority ("Niedrig" ... "Echtzeit").
std::string BasePriorityName(std::int32_t basePriority);
// German name of a priority class value; "Unbekannt" for any other value.
std::string PriorityClassName(std::uint32_t priorityClass);

class TProcess {
public:
    std::string Name;
    std::uint32_t ProcessID = 0;
    std::int32_t Threads = 0;
    std::int32_t BasePriority = 0;
    std::string Priority;

    TProcess() = default;
    // A record filled from one snapshot entry.
    explicit TProcess(const ProcessEntry& entry);
    // A record for one process identifier, filled by a lookup in a snapshot
    // of its own; only ProcessID is set when the process is not found.
    static TProcess Create(ISystem& system, std::uint32_t processId);
    static std::unique_ptr<TProcess> CreateCopy(const TProcess& source) { return std::make_unique<TProcess>(source); }

    // Whether the process can be opened with the terminate right.
    bool CanOpen(ISystem& system) const;
    // Opens the process with the terminate right, without inheritance. The
    // handle pins this very process: ending it through the handle can never
    // hit a later process that reuses the identifier.
    OwnedHandle OpenForTerminate(ISystem& system) const;
    // Ends the process behind a handle from OpenForTerminate with exit code
    // 0. False for an empty handle; on failure the code stays the last error.
    static bool TerminateHandle(ISystem& system, const OwnedHandle& process);
    // Opens the process for termination and ends it with exit code 0. On
    // failure the failing call's code is left as the last error.
    bool Terminate(ISystem& system) const;
    // Sets the priority class; on success Priority takes the class's name.
    bool SetPriority(ISystem& system, std::uint32_t priorityClass);
};

// One snapshot of the process table, first entry skipped, in snapshot order.
class TProcessList {
public:
    explicit TProcessList(ISystem& system);
    TProcessList(const TProcessList&) = delete;
    TProcessList& operator=(const TProcessList&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    // Throws std::out_of_range outside 0 .. Count() - 1.
    const TProcess& Items(int index) const;

private:
    std::vector<TProcess> items_;
};

// German sentence for a system error code; "Fehlercode: N" for codes
// without an entry, N as a signed decimal.
std::string ErrorCodeText(std::uint32_t code);
// ErrorCodeText of the calling thread's last error.
std::string GetLastErrorText(ISystem& system);

}  // namespace velmora
