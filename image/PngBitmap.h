// PNG pictures as 32-bit DIB sections, drawn with their alpha channel.
// Part of the Win32 side only.
#pragma once

#ifndef _WIN32
#error "image/PngBitmap.h belongs to the Win32 side"
#endif

#include <windows.h>

#include "base/Geometry.h"
#include "base/Handles_win.h"
#include "image/Png.h"

namespace velmora {

// Owns one top-down 32-bit DIB section with premultiplied alpha at the
// picture's own size and, once it has been drawn at another size, a smoothed
// copy at that size (base/Handles_win.h holds both). Move-only; a moved-from
// bitmap is empty and 0 by 0.
class PngBitmap {
public:
    PngBitmap() = default;
    PngBitmap(PngBitmap&& other) noexcept;
    PngBitmap& operator=(PngBitmap&& other) noexcept;
    PngBitmap(const PngBitmap&) = delete;
    PngBitmap& operator=(const PngBitmap&) = delete;

    // Copies decoded pixels into a new DIB section; empty on failure.
    static PngBitmap FromBitmap(const Bitmap& bitmap);

    explicit operator bool() const { return bool(handle_); }
    HBITMAP Handle() const { return handle_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The picture at `width` x `height`: itself at its own size, otherwise
    // the copy resampled for that size, made on the first call and replaced
    // when a third size is asked for (a change of DPI). Null when the
    // bitmap is empty or the copy cannot be made.
    HBITMAP AtSize(int width, int height);

private:
    BitmapHandle handle_;
    int width_ = 0;
    int height_ = 0;
    BitmapHandle scaled_;
    int scaledWidth_ = 0;
    int scaledHeight_ = 0;
};

// Decodes the PNG stored as an RCDATA resource of `module` under the integer
// id. Returns an empty bitmap when the resource is missing or does not
// decode; `status`, when given, receives the decoder's verdict (NotPng for a
// missing resource).
PngBitmap LoadPngResource(HMODULE module, int resourceId, PngStatus* status = nullptr);

// Draws the bitmap over what is already on `dc`, blending by its alpha:
// centred in `rect` at its own size scaled from 96 DPI to `dpi`, or scaled
// down further when `rect` is smaller. Any size but its own is drawn from
// the bitmap's smoothed copy, pixel for pixel. Does nothing for an empty
// bitmap; false when the copy or AlphaBlend fails.
bool DrawPngBitmap(HDC dc, const RECT& rect, PngBitmap& bitmap, int dpi = kDesignDpi);

}  // namespace velmora
