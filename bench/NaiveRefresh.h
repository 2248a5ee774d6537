// The naive refresh, kept only for measuring against: one
// snapshot for the list plus one lookup snapshot per process, a linear
// search of the rows for every record, and a removal pass that restarts its
// scan after every removed row.
#pragma once

#include "process/System.h"
#include "ui/main/ProcessRows.h"

namespace velmora::bench {

void NaiveRefresh(ISystem& system, IProcessRows& rows);

}  // namespace velmora::bench
