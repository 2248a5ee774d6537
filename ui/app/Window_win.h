// Window base: one static window procedure finds the object at WM_NCCREATE
// and calls its OnMessage, inside the default exception handler.
#pragma once

#include <windows.h>

#include <string>

namespace velmora {

// A window's text, whatever its length, as UTF-8.
std::string WindowText(HWND window);
// Sets a window's text from UTF-8.
void SetText(HWND window, const std::string& text);

// The control of a window that had the focus when the window was last
// deactivated, so that activating it again can put the focus back there,
// as a dialog does.
class FocusMemory {
public:
    // On deactivation: remembers the child of `window` that has the focus,
    // or nothing when the focus is elsewhere.
    void Deactivated(HWND window);
    // The remembered control while it still exists and shows, else nullptr.
    HWND Control() const;

private:
    HWND control_ = nullptr;
};

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return handle_; }

protected:
    // Registers `className` once for this module and creates the window;
    // both texts are UTF-8.
    void CreateHandle(const char* className, const char* caption, DWORD style, DWORD exStyle, int x, int y, int width,
                      int height, HWND owner, HMENU menu = nullptr, HICON icon = nullptr);
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND handle_ = nullptr;
};

}  // namespace velmora
