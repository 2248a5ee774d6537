// Functions that not every supported Windows has, looked up at run time in a
// module that is already loaded, so that the program still starts where one
// is missing.
#pragma once

#include <windows.h>

namespace velmora {

// The function `name` of `module` as a pointer of type Fn, or null when the
// module does not export it. GetProcAddress hands out a generic function
// pointer; going through void(*)() tells the compiler the cast to the real
// type is intended.
template <typename Fn>
Fn LookupProc(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace velmora
