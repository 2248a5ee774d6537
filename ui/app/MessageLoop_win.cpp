// The application's message loop, pending-message processing and modal loops.
// All of them take the W messages: a typed character arrives as its UTF-16
// unit, where an A loop would narrow it to the ANSI code page first.
#include "ui/app/Application_win.h"

namespace velmora {

bool ApplicationObject::TranslateForMainWindow(MSG& msg) {
    // Shortcuts belong to the main window; they must not fire while a
    // dialog of ours or a message box is the active window.
    if (!mainWindow_ || !accelerators_) return false;
    if (msg.hwnd != mainWindow_ && !IsChild(mainWindow_, msg.hwnd)) return false;
    return TranslateAcceleratorW(mainWindow_, accelerators_, &msg) != 0;
}

void ApplicationObject::Dispatch(MSG& msg) {
    if (TranslateForMainWindow(msg)) return;
    // Tab and Shift+Tab move through the main window's controls.
    if (mainWindow_ && (msg.hwnd == mainWindow_ || IsChild(mainWindow_, msg.hwnd)) &&
        IsDialogMessageW(mainWindow_, &msg)) {
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int ApplicationObject::Run() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
    return static_cast<int>(msg.wParam);
}

void ApplicationObject::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit request for the main loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Dispatch(msg);
    }
}

void ApplicationObject::RunModal(HWND dialog, const bool& done) {
    MSG msg;
    while (!done) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 1);
            break;
        }
        if (IsDialogMessageW(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace velmora
