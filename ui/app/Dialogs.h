// Portable faces of the two modal hand-offs every window uses: message boxes
// owned by the application window, and the shell's "open" verb. The Win32
// implementations live in ui/app; tests script them (tests/fakes).
#pragma once

#include <cstdint>
#include <string>

namespace velmora {

enum class BoxKind {
    Confirm,  // Yes and No buttons, warning icon, Yes is the default
    Error,    // OK button, error icon
};

enum class BoxAnswer { Yes, No, Ok };

class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    virtual BoxAnswer Show(const std::string& text, const std::string& caption, BoxKind kind) = 0;
};

class IShell {
public:
    virtual ~IShell() = default;
    // ShellExecute(application window, "open", file, parameters, no working
    // directory, SW_SHOWNORMAL). Returns the instance value as an unsigned
    // number: 32 and above mean success, below 32 an error code.
    virtual std::uintptr_t Open(const std::string& file, const std::string& parameters) = 0;
};

}  // namespace velmora
