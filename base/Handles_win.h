// The Win32 kinds of handle the program owns, as traits of the one owner
// template (base/Owned.h): kernel handles, GDI objects, menus, accelerator
// tables, memory DCs, window DCs and the object selected into a DC. Borrowed
// handles (HWND, an HDC handed to a paint handler) stay raw. Outside this
// file (and the kernel32 binding behind ISystem) no CloseHandle,
// DeleteObject, DeleteDC or ReleaseDC is called.
#pragma once

#include <windows.h>

#include "base/Owned.h"

namespace velmora {

// Handles whose only "nothing" value is null.
template <typename T>
struct NullEmpty {
    using Value = T;
    static Value Empty() { return nullptr; }
    static bool Valid(Value h) { return h != nullptr; }
};

// Kernel handles: CreateFile and the ToolHelp snapshot fail with
// INVALID_HANDLE_VALUE, OpenProcess and most others with null.
struct KernelHandleTraits : NullEmpty<HANDLE> {
    static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
template <typename T>
struct GdiTraits : NullEmpty<T> {
    static void Close(T h) { ::DeleteObject(h); }
};
struct MenuTraits : NullEmpty<HMENU> {
    static void Close(HMENU h) { ::DestroyMenu(h); }
};
struct AccelTraits : NullEmpty<HACCEL> {
    static void Close(HACCEL h) { ::DestroyAcceleratorTable(h); }
};
struct MemoryDcTraits : NullEmpty<HDC> {
    static void Close(HDC h) { ::DeleteDC(h); }
};
// A DC from GetDC goes back to the window it came from.
struct WindowDcTraits : NullEmpty<HDC> {
    void Close(HDC h) const { ::ReleaseDC(window, h); }
    HWND window = nullptr;
};
// The value is the object a selection replaced; closing puts it back.
struct SelectionTraits : NullEmpty<HGDIOBJ> {
    void Close(HGDIOBJ previous) const { ::SelectObject(dc, previous); }
    HDC dc = nullptr;
};

using KernelHandle = Owned<KernelHandleTraits>;
using FontHandle = Owned<GdiTraits<HFONT>>;
using BitmapHandle = Owned<GdiTraits<HBITMAP>>;
using MenuHandle = Owned<MenuTraits>;
using AccelHandle = Owned<AccelTraits>;
using MemoryDC = Owned<MemoryDcTraits>;

// GetDC for the lifetime of the object (a null window: the screen).
class ScopedDC : public Owned<WindowDcTraits> {
public:
    explicit ScopedDC(HWND window) : Owned(WindowDcTraits{{}, window}, ::GetDC(window)) {}
};

// Selects `object` into `dc` for the lifetime of the object and then puts
// back what was selected before.
class ScopedSelect : public Owned<SelectionTraits> {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : Owned(SelectionTraits{{}, dc}, ::SelectObject(dc, object)) {}
};

}  // namespace velmora
