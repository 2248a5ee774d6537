// Ordering of the process list: which column a header caption names and
// how two rows compare under a sort column and direction.
#pragma once

#include "ui/main/ProcessRows.h"

#include <optional>
#include <string>

namespace velmora {

// "Name", "PID", "Threads", "Priorität" -> 0..3; nullopt for anything else.
std::optional<int> SortColumnForCaption(const std::string& caption);

// -1, 0 or 1. Ties on the sort column fall back to the identifier; the
// whole result is negated when descending.
int CompareProcessRows(const RowRef& a, const RowRef& b, int sortColumn, bool ascending);

}  // namespace velmora
