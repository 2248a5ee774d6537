// Letter case by the system's rules: the comparison the combo box's search
// uses, in the user's locale.
#pragma once

#include <string>

namespace velmora {

bool SameTextSystem(const std::string& a, const std::string& b);

}  // namespace velmora
