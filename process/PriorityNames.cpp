// German names of process priorities, as the list shows them and as the
// priority menus compare them.
#include "process/SystemExt.h"

#include <climits>

namespace velmora {

// The snapshot reports a base priority per process; it is grouped into the
// six names by inclusive ranges. The ranges start at INT_MIN + 1, so the one
// value below them, INT_MIN, falls through to "Normal" like any value the
// ranges do not name.
std::string BasePriorityName(std::int32_t basePriority) {
    if (basePriority == INT32_MIN) return "Normal";
    if (basePriority <= 5) return "Niedrig";
    if (basePriority == 6) return "Niedriger als Normal";
    if (basePriority <= 9) return "Normal";
    if (basePriority == 10) return "Höher als Normal";
    if (basePriority <= 23) return "Hoch";
    return "Echtzeit";
}

// The name a record takes after its priority class was set successfully.
std::string PriorityClassName(std::uint32_t priorityClass) {
    switch (priorityClass) {
        case kNormalPriorityClass: return "Normal";
        case kIdlePriorityClass: return "Niedrig";
        case kHighPriorityClass: return "Hoch";
        case kRealtimePriorityClass: return "Echtzeit";
        case kBelowNormalPriorityClass: return "Niedriger als Normal";
        case kAboveNormalPriorityClass: return "Höher als Normal";
        default: return "Unbekannt";
    }
}

}  // namespace velmora
