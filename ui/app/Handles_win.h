// Move-only owners for the resources the program opens. Borrowed handles
// (HWND, HDC handed to a paint handler) stay raw; owned ones are wrapped, and
// CloseHandle / DeleteObject / DestroyMenu appear only here.
#pragma once

#include <windows.h>

#include <utility>

namespace velmora {

template <typename T, typename Traits>
class Owned {
public:
    Owned() = default;
    explicit Owned(T value) : value_(value) {}
    Owned(Owned&& other) noexcept : value_(std::exchange(other.value_, Traits::Empty())) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.value_, Traits::Empty()));
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { Reset(); }

    T Get() const { return value_; }
    explicit operator bool() const { return value_ != Traits::Empty(); }
    void Reset(T value = Traits::Empty()) {
        if (value_ != Traits::Empty()) Traits::Close(value_);
        value_ = value;
    }
    T Release() { return std::exchange(value_, Traits::Empty()); }

private:
    T value_ = Traits::Empty();
};

struct KernelHandleTraits {
    static HANDLE Empty() { return nullptr; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
template <typename T>
struct GdiTraits {
    static T Empty() { return nullptr; }
    static void Close(T h) { ::DeleteObject(h); }
};
struct MenuTraits {
    static HMENU Empty() { return nullptr; }
    static void Close(HMENU h) { ::DestroyMenu(h); }
};
struct AccelTraits {
    static HACCEL Empty() { return nullptr; }
    static void Close(HACCEL h) { ::DestroyAcceleratorTable(h); }
};

using KernelHandle = Owned<HANDLE, KernelHandleTraits>;
using FontHandle = Owned<HFONT, GdiTraits<HFONT>>;
using BrushHandle = Owned<HBRUSH, GdiTraits<HBRUSH>>;
using BitmapHandle = Owned<HBITMAP, GdiTraits<HBITMAP>>;
using MenuHandle = Owned<HMENU, MenuTraits>;
using AccelHandle = Owned<HACCEL, AccelTraits>;

}  // namespace velmora
