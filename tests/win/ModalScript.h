// Driving a modal window from a test: steps that run inside its modal loop.
#pragma once

#include "WinTestSupport.h"
#include "ui/app/ModalForm_win.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace velmora::wintest {

// The thread's visible standard dialogs: message boxes, file dialogs.
inline BOOL CALLBACK CollectDialogBox(HWND window, LPARAM found) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof(name));
    if (IsWindowVisible(window) && std::string(name) == "#32770") {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    }
    return TRUE;
}

inline std::vector<HWND> VisibleDialogBoxes() {
    std::vector<HWND> found;
    EnumThreadWindows(GetCurrentThreadId(), CollectDialogBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

// A closer's action for a modal form: closes it while it is shown.
inline std::function<void()> CloseWhenShown(ModalForm& form) {
    return [&form] {
        if (IsWindowVisible(form.Handle())) form.Close();
    };
}

// A step of a script that runs while a modal loop is open. It returns false
// to be run again on the next tick (waiting for something to appear).
using Step = std::function<bool()>;

inline Step Then(std::function<void()> action) {
    return [action] {
        action();
        return true;
    };
}
inline Step Until(std::function<bool()> ready) {
    return ready;
}

// Runs the steps, one per tick of a thread timer, while `open` runs a modal
// loop. A timer message comes only when nothing else waits in the queue, so
// what a step posts has been handled when the next step runs. Afterwards,
// or once `ms` have passed, whatever is still open is closed so that a
// failing test cannot hang.
class ModalScript {
public:
    ModalScript(ModalForm& form, std::vector<Step> steps) : form_(form), steps_(std::move(steps)) {}

    // Returns true when every step ran.
    bool Run(const std::function<void()>& open, DWORD ms = 10000) {
        current_ = this;
        deadline_ = GetTickCount() + ms;
        UINT_PTR timer = SetTimer(nullptr, 0, 20, Tick);
        // Should even the closing fail, the test ends instead of hanging.
        Closer watchdog(
            "a scripted modal window", [] {}, ms + 5000);
        open();
        KillTimer(nullptr, timer);
        current_ = nullptr;
        return next_ == steps_.size();
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        ModalScript* self = current_;
        if (!self || self->busy_) return;
        self->busy_ = true;
        self->Advance();
        self->busy_ = false;
    }

    void Advance() {
        if (next_ < steps_.size() && static_cast<LONG>(GetTickCount() - deadline_) < 0) {
            if (steps_[next_]()) ++next_;
            return;
        }
        // Done, or out of time: nothing a failing step opened stays open.
        for (HWND box : VisibleDialogBoxes()) PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        if (IsWindowVisible(form_.Handle())) form_.Close();
    }

    inline static ModalScript* current_ = nullptr;
    ModalForm& form_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    DWORD deadline_ = 0;
    bool busy_ = false;
};

}  // namespace velmora::wintest
