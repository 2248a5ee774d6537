// The ISystem of the running Windows: kernel32, ToolHelp bound at run time.
#pragma once

#include "process/System.h"

namespace velmora {

ISystem& WindowsSystem();

}  // namespace velmora
