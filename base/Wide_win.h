// The Win32 edge's two words for text: Wide turns the program's UTF-8 into
// the UTF-16 a W entry point takes, Narrow turns what the system hands back
// into UTF-8. Both go through base/Utf8.h, the one converter; ill-formed
// input becomes U+FFFD on the way.
#pragma once

#include "base/Utf8.h"

#include <cstddef>
#include <cwchar>
#include <string>
#include <string_view>

namespace velmora {

inline std::wstring Wide(std::string_view text) {
    return Utf8ToUtf16<wchar_t>(text);
}

inline std::string Narrow(const wchar_t* units, std::size_t count) {
    return Utf16ToUtf8(units, count);
}

// A zero-terminated text.
inline std::string Narrow(const wchar_t* text) {
    return Narrow(text, std::wcslen(text));
}

inline std::string Narrow(std::wstring_view text) {
    return Narrow(text.data(), text.size());
}

}  // namespace velmora
