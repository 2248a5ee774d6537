// The application object: one per program. Holds the title, owns the hidden
// top-level window that owns every message box and is the shell's owner
// window, runs the message loop and catches what escapes event handlers.
#pragma once

#include "base/Handles_win.h"
#include "ui/app/Dialogs.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace velmora {

class ApplicationObject {
public:
    ApplicationObject() = default;
    ApplicationObject(const ApplicationObject&) = delete;
    ApplicationObject& operator=(const ApplicationObject&) = delete;
    ~ApplicationObject();

    void Initialize(HINSTANCE instance);
    HINSTANCE Instance() const { return instance_; }
    // The hidden owner window of message boxes and shell hand-offs.
    HWND Handle() const { return handle_; }

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    // The window whose closing ends the program and whose accelerators the
    // message loop translates.
    void SetMainWindow(HWND window, HACCEL accelerators);
    HWND MainWindow() const { return mainWindow_; }

    // Runs the message loop until WM_QUIT; returns its exit code.
    int Run();
    // Dispatches every message already waiting, then returns.
    void ProcessMessages();
    // Runs a modal loop for `dialog` until `done` becomes true (the caller
    // disables the other windows for that time: TaskWindowsDisabled).
    void RunModal(HWND dialog, const bool& done);
    // Minimises the application: every visible top-level window of it goes
    // to the taskbar.
    void Minimize();

    // The default exception handler: shows the message in a modal error
    // box, after which the message loop goes on.
    void HandleException(std::exception_ptr error) noexcept;

    // The program's one pair of message boxes and shell: modal boxes owned
    // by the hidden window, ShellExecute "open". The program's entry hands
    // them to the windows' constructors.
    IMessageBoxes& MessageBoxes() { return boxes_; }
    IShell& Shell() { return shell_; }

private:
    class Boxes : public IMessageBoxes {
    public:
        explicit Boxes(ApplicationObject& app) : app_(app) {}
        BoxAnswer Show(const std::string& text, const std::string& caption, BoxKind kind) override;

    private:
        ApplicationObject& app_;
    };
    class ShellOpen : public IShell {
    public:
        explicit ShellOpen(ApplicationObject& app) : app_(app) {}
        std::uintptr_t Open(const std::string& file, const std::string& parameters) override;

    private:
        ApplicationObject& app_;
    };

    bool TranslateForMainWindow(MSG& msg);
    void Dispatch(MSG& msg);

    HINSTANCE instance_ = nullptr;
    HWND handle_ = nullptr;
    HWND mainWindow_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::string title_;
    Boxes boxes_{*this};
    ShellOpen shell_{*this};
};

// The program's one application object.
ApplicationObject& Application();

// Runs `handler` and hands any exception to the application's default
// exception handler, so that no exception crosses a Win32 frame.
template <typename F>
auto Guarded(F&& handler) noexcept -> decltype(handler()) {
    try {
        return handler();
    } catch (...) {
        Application().HandleException(std::current_exception());
        return decltype(handler())();
    }
}

}  // namespace velmora
