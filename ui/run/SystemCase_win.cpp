#include "ui/run/SystemCase_win.h"

#include "base/Wide_win.h"

#include <windows.h>

namespace velmora {

// In UTF-16, so that letter case counts in every script: "ŁÓDŹ" and "łódź",
// "ΩΜΈΓΑ" and "ωμέγα" are the same text here.
bool SameTextSystem(const std::string& a, const std::string& b) {
    const std::wstring wideA = Wide(a);
    const std::wstring wideB = Wide(b);
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wideA.data(), static_cast<int>(wideA.size()),
                          wideB.data(), static_cast<int>(wideB.size())) == CSTR_EQUAL;
}

}  // namespace velmora
