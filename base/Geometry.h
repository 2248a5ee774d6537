// Pixel geometry that every layer shares: the DPI layouts and pictures are
// designed for, the one rectangle type, and the one rounding rule by which
// a designed figure becomes pixels. Portable.
#pragma once

namespace velmora {

// Layouts and the dialogs' pictures are designed for a screen of 96 DPI.
constexpr int kDesignDpi = 96;

// A rectangle by its top-left corner and its size, in pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
};

inline bool operator==(const PixelRect& a, const PixelRect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// value * numerator / denominator, rounded to the nearest integer with
// halves away from zero, as Windows' MulDiv rounds; the product is taken in
// 64 bits. `denominator` must be positive.
constexpr int MulDivRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

}  // namespace velmora
