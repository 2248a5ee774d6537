// The real message boxes and shell of the application object.
#include "ui/app/Application_win.h"

#include "base/Wide_win.h"
#include "ui/app/ThreadWindows_win.h"
#include "ui/app/Topmost_win.h"

#include <shellapi.h>

#include <vector>

namespace velmora {

namespace {

bool AnyOwnWindowTopmost() {
    bool found = false;
    ForEachThreadWindow([&](HWND window) {
        found = IsOwnTopLevel(window) && IsTopmost(window);
        return !found;
    });
    return found;
}

// While one of our windows stays on top, a box owned by the hidden
// application window would open beneath it, unseen but holding the
// keyboard. Lifting the (invisible) owner into the topmost band for the
// box's lifetime takes the box along, since owned windows stay above their
// owner. The system lifts the owner's other windows too (the hidden
// dialogs) and leaves them there when the owner is lowered: those that were
// not topmost before are put back.
class OwnerOnTopWhileNeeded {
public:
    explicit OwnerOnTopWhileNeeded(HWND owner) : owner_(AnyOwnWindowTopmost() ? owner : nullptr) {
        if (!owner_) return;
        ForEachThreadWindow([this](HWND window) {
            if (window != owner_ && !IsTopmost(window)) lowered_.push_back(window);
            return true;
        });
        SetTopmost(owner_, true);
    }
    ~OwnerOnTopWhileNeeded() {
        if (!owner_) return;
        SetTopmost(owner_, false);
        for (HWND window : lowered_) {
            if (IsWindow(window) && IsTopmost(window)) SetTopmost(window, false);
        }
    }
    OwnerOnTopWhileNeeded(const OwnerOnTopWhileNeeded&) = delete;
    OwnerOnTopWhileNeeded& operator=(const OwnerOnTopWhileNeeded&) = delete;

private:
    HWND owner_;
    std::vector<HWND> lowered_;
};

}  // namespace

BoxAnswer ApplicationObject::Boxes::Show(const std::string& text, const std::string& caption, BoxKind kind) {
    UINT flags = kind == BoxKind::Confirm ? MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON1 : MB_OK | MB_ICONERROR;
    // The box is owned by the hidden application window, so the system would
    // hand the activation back to that window; give it back to the window
    // the user was working in instead.
    HWND previous = GetActiveWindow();
    int answer = 0;
    {
        TaskWindowsDisabled disabled;
        OwnerOnTopWhileNeeded onTop(app_.Handle());
        answer = MessageBoxW(app_.Handle(), Wide(text).c_str(), Wide(caption).c_str(), flags);
    }
    if (previous && IsWindow(previous) && IsWindowVisible(previous)) SetActiveWindow(previous);
    switch (answer) {
        case IDYES: return BoxAnswer::Yes;
        case IDNO: return BoxAnswer::No;
        default: return kind == BoxKind::Confirm ? BoxAnswer::No : BoxAnswer::Ok;
    }
}

std::uintptr_t ApplicationObject::ShellOpen::Open(const std::string& file, const std::string& parameters) {
    const std::wstring wideFile = Wide(file);
    const std::wstring wideParameters = Wide(parameters);
    HINSTANCE result = ShellExecuteW(app_.Handle(), L"open", wideFile.c_str(),
                                     parameters.empty() ? nullptr : wideParameters.c_str(), nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<std::uintptr_t>(result);
}

}  // namespace velmora
