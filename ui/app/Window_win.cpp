#include "ui/app/Window_win.h"

#include "base/Wide_win.h"
#include "ui/app/Application_win.h"

#include <stdexcept>

namespace velmora {

std::string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void SetText(HWND window, const std::string& text) {
    SetWindowTextW(window, Wide(text).c_str());
}

void FocusMemory::Deactivated(HWND window) {
    HWND focus = GetFocus();
    control_ = focus && IsChild(window, focus) ? focus : nullptr;
}

HWND FocusMemory::Control() const {
    return control_ && IsWindow(control_) && IsWindowVisible(control_) ? control_ : nullptr;
}

Window::~Window() {
    if (handle_) {
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
    }
}

void Window::CreateHandle(const char* className, const char* caption, DWORD style, DWORD exStyle, int x, int y,
                          int width, int height, HWND owner, HMENU menu, HICON icon) {
    HINSTANCE instance = Application().Instance() ? Application().Instance() : GetModuleHandleW(nullptr);
    const std::wstring wideClass = Wide(className);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(instance, wideClass.c_str(), &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.hIcon = icon;
        wc.lpszClassName = wideClass.c_str();
        if (!RegisterClassExW(&wc)) throw std::runtime_error("Die Fensterklasse konnte nicht registriert werden.");
    }
    if (!CreateWindowExW(exStyle, wideClass.c_str(), Wide(caption).c_str(), style, x, y, width, height, owner, menu,
                         instance, this)) {
        throw std::runtime_error("Das Fenster konnte nicht erstellt werden.");
    }
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        self->handle_ = nullptr;
        return result;
    }
    try {
        return self->OnMessage(message, wParam, lParam);
    } catch (...) {
        Application().HandleException(std::current_exception());
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace velmora
