// The about dialog's texts and its two link targets. Portable: the Win32
// window only places them.
#pragma once

#include <string>

namespace velmora {

// The maker's details shown as link texts.
extern const char* const kInfoWebAddress;
extern const char* const kInfoMailAddress;

extern const char* const kInfoCopyright;
extern const char* const kInfoLicence;
extern const char* const kInfoDisclaimer;

// What the two links hand to the shell.
std::string InfoWebUrl();   // "http://" + web address
std::string InfoMailUrl();  // "mailto:" + mail address with the feedback subject

}  // namespace velmora
