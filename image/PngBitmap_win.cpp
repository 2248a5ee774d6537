#include "image/PngBitmap.h"

#include <cstring>
#include <utility>

#include "image/Placement.h"

namespace velmora {

PngBitmap::PngBitmap(PngBitmap&& other) noexcept
    : handle_(std::move(other.handle_)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

PngBitmap& PngBitmap::operator=(PngBitmap&& other) noexcept {
    if (this != &other) {
        handle_ = std::move(other.handle_);  // deletes the previous bitmap
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
    }
    return *this;
}

PngBitmap PngBitmap::FromBitmap(const Bitmap& bitmap) {
    PngBitmap result;
    const std::size_t count = std::size_t(bitmap.width) * std::size_t(bitmap.height);
    if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.pixels.size() != count) return result;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = bitmap.width;
    info.bmiHeader.biHeight = -bitmap.height;  // negative: rows run top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    void* bits = nullptr;
    result.handle_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!result.handle_ || !bits) return PngBitmap();  // `result` frees a half-made one
    // A 32-bit DIB row is already DWORD-aligned, so the pixels copy in one go.
    std::memcpy(bits, bitmap.pixels.data(), count * sizeof(std::uint32_t));
    result.width_ = bitmap.width;
    result.height_ = bitmap.height;
    return result;
}

PngBitmap LoadPngResource(HMODULE module, int resourceId, PngStatus* status) {
    PngStatus verdict = PngStatus::NotPng;
    PngBitmap result;
    // Resources of a loaded module stay mapped for its lifetime: nothing to free.
    if (HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(resourceId), RT_RCDATA)) {
        const DWORD size = SizeofResource(module, info);
        HGLOBAL loaded = LoadResource(module, info);
        const void* data = loaded ? LockResource(loaded) : nullptr;
        if (data && size > 0) {
            Bitmap decoded;
            verdict = DecodePng(static_cast<const std::uint8_t*>(data), size, decoded);
            if (verdict == PngStatus::Ok) result = PngBitmap::FromBitmap(decoded);
        }
    }
    if (status) *status = verdict;
    return result;
}

bool DrawPngBitmap(HDC dc, const RECT& rect, const PngBitmap& bitmap, int dpi) {
    if (!bitmap) return true;
    const PixelRect place = PlaceImage(
        {int(rect.left), int(rect.top), int(rect.right - rect.left), int(rect.bottom - rect.top)},
        MulDivRounded(bitmap.Width(), dpi, kDesignDpi), MulDivRounded(bitmap.Height(), dpi, kDesignDpi));
    if (place.width <= 0 || place.height <= 0) return true;

    const MemoryDC source(CreateCompatibleDC(dc));
    if (!source) return false;
    const ScopedSelect selected(source.Get(), bitmap.Handle());
    BLENDFUNCTION blend = {};
    blend.BlendOp = AC_SRC_OVER;
    blend.SourceConstantAlpha = 255;
    blend.AlphaFormat = AC_SRC_ALPHA;
    return AlphaBlend(dc, place.left, place.top, place.width, place.height, source.Get(), 0, 0, bitmap.Width(),
                      bitmap.Height(), blend) != FALSE;
}

}  // namespace velmora
