#include "image/PngBitmap.h"

#include <cstring>
#include <utility>

#include "image/Placement.h"
#include "image/Resample.h"

namespace velmora {

namespace {

// A top-down 32-bit DIB section holding a copy of `pixels`; null on failure.
BitmapHandle CreateDib(const std::uint32_t* pixels, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: rows run top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    void* bits = nullptr;
    BitmapHandle dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits) return BitmapHandle();  // `dib` frees a half-made one
    // A 32-bit DIB row is already DWORD-aligned, so the pixels copy in one go.
    std::memcpy(bits, pixels, std::size_t(width) * std::size_t(height) * sizeof(std::uint32_t));
    return dib;
}

}  // namespace

PngBitmap::PngBitmap(PngBitmap&& other) noexcept
    : handle_(std::move(other.handle_)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      scaled_(std::move(other.scaled_)),
      scaledWidth_(std::exchange(other.scaledWidth_, 0)),
      scaledHeight_(std::exchange(other.scaledHeight_, 0)) {}

PngBitmap& PngBitmap::operator=(PngBitmap&& other) noexcept {
    if (this != &other) {
        handle_ = std::move(other.handle_);  // deletes the previous bitmaps
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        scaled_ = std::move(other.scaled_);
        scaledWidth_ = std::exchange(other.scaledWidth_, 0);
        scaledHeight_ = std::exchange(other.scaledHeight_, 0);
    }
    return *this;
}

PngBitmap PngBitmap::FromBitmap(const Bitmap& bitmap) {
    PngBitmap result;
    const std::size_t count = std::size_t(bitmap.width) * std::size_t(bitmap.height);
    if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.pixels.size() != count) return result;
    result.handle_ = CreateDib(bitmap.pixels.data(), bitmap.width, bitmap.height);
    if (!result.handle_) return result;
    result.width_ = bitmap.width;
    result.height_ = bitmap.height;
    return result;
}

// The source pixels are read back from the DIB section itself, so the
// picture is held once; the copy is made once per size, not per paint.
HBITMAP PngBitmap::AtSize(int width, int height) {
    if (!handle_) return nullptr;
    if (width == width_ && height == height_) return handle_.Get();
    if (scaled_ && width == scaledWidth_ && height == scaledHeight_) return scaled_.Get();
    scaled_.Reset();
    scaledWidth_ = scaledHeight_ = 0;
    DIBSECTION dib = {};
    if (GetObjectW(handle_.Get(), sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits) return nullptr;
    const Bitmap resampled =
        Resample(static_cast<const std::uint32_t*>(dib.dsBm.bmBits), width_, height_, width, height);
    if (resampled.pixels.empty()) return nullptr;
    scaled_ = CreateDib(resampled.pixels.data(), width, height);
    if (!scaled_) return nullptr;
    scaledWidth_ = width;
    scaledHeight_ = height;
    return scaled_.Get();
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

// AlphaBlend stretches by picking the nearest pixel, which doubles some rows
// and columns of a small icon at 125-175 %; it is only ever asked to copy.
bool DrawPngBitmap(HDC dc, const RECT& rect, PngBitmap& bitmap, int dpi) {
    if (!bitmap) return true;
    const PixelRect place =
        PlaceImage({int(rect.left), int(rect.top), int(rect.right - rect.left), int(rect.bottom - rect.top)},
                   MulDivRounded(bitmap.Width(), dpi, kDesignDpi), MulDivRounded(bitmap.Height(), dpi, kDesignDpi));
    if (place.width <= 0 || place.height <= 0) return true;
    const HBITMAP picture = bitmap.AtSize(place.width, place.height);
    if (!picture) return false;

    const MemoryDC source(CreateCompatibleDC(dc));
    if (!source) return false;
    const ScopedSelect selected(source.Get(), picture);
    BLENDFUNCTION blend = {};
    blend.BlendOp = AC_SRC_OVER;
    blend.SourceConstantAlpha = 255;
    blend.AlphaFormat = AC_SRC_ALPHA;
    return AlphaBlend(dc, place.left, place.top, place.width, place.height, source.Get(), 0, 0, place.width,
                      place.height, blend) != FALSE;
}

}  // namespace velmora
