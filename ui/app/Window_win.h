// Window base: one static window procedure finds the object at WM_NCCREATE
// and calls its OnMessage, inside the default exception handler.
#pragma once

#include <windows.h>

namespace velmora {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return handle_; }

protected:
    // Registers `className` once for this module and creates the window.
    void CreateHandle(const char* className, const char* caption, DWORD style, DWORD exStyle, int x, int y, int width,
                      int height, HWND owner, HMENU menu = nullptr, HICON icon = nullptr);
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND handle_ = nullptr;
};

}  // namespace velmora
