#include "ui/app/Application_win.h"

#include "base/Wide_win.h"
#include "ui/app/ThreadWindows_win.h"
#include "ui/app/Window_win.h"

#include <stdexcept>
#include <vector>

namespace velmora {

namespace {

const wchar_t kAppWindowClass[] = L"TVelmoraApplication";

LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

ApplicationObject& Application() {
    static ApplicationObject app;
    return app;
}

ApplicationObject::~ApplicationObject() {
    if (handle_) DestroyWindow(handle_);
}

void ApplicationObject::Initialize(HINSTANCE instance) {
    if (handle_) return;
    instance_ = instance;
    WNDCLASSW wc{};
    wc.lpfnWndProc = AppWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kAppWindowClass;
    RegisterClassW(&wc);
    // Never shown: it only owns message boxes and is the shell's owner.
    handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, kAppWindowClass, Wide(title_).c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, instance, nullptr);
    if (!handle_) throw std::runtime_error("Das Anwendungsfenster konnte nicht erstellt werden.");
}

void ApplicationObject::SetTitle(const std::string& title) {
    title_ = title;
    if (handle_) SetText(handle_, title_);
}

void ApplicationObject::SetMainWindow(HWND window, HACCEL accelerators) {
    mainWindow_ = window;
    accelerators_ = accelerators;
}

void ApplicationObject::Minimize() {
    // Every visible window of ours goes to the taskbar; owned windows are
    // hidden with their owner by the system.
    ForEachThreadWindow([](HWND window) {
        if (IsOwnTopLevel(window) && !GetWindow(window, GW_OWNER)) ShowWindow(window, SW_MINIMIZE);
        return true;
    });
}

void ApplicationObject::HandleException(std::exception_ptr error) noexcept {
    std::string text = "Unbekannter Fehler.";
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        text = e.what();
    } catch (...) {
    }
    try {
        boxes_.Show(text, title_, BoxKind::Error);
    } catch (...) {
        MessageBoxW(handle_, Wide(text).c_str(), Wide(title_).c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }
}

}  // namespace velmora
