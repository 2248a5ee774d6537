// Refresh timer periods chosen by the tags of the update-speed menu items.
#pragma once

namespace velmora {

constexpr int kNoPeriodChange = -1;

// Tag 1..4 -> 300, 1000, 2000 ms, or 0 (stopped: the timer never fires).
// Any other tag -> kNoPeriodChange: neither the period nor the marks change.
int UpdatePeriodForTag(int tag);

}  // namespace velmora
