#include "image/Resample.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace velmora {

namespace {

// The source pixels that make up each target pixel along one axis: the
// taps of target i are index/weight pairs [start[i], start[i + 1]), their
// weights summing to 1.
struct AxisTaps {
    std::vector<int> start;
    std::vector<int> index;
    std::vector<float> weight;

    void Add(int source, double w) {
        index.push_back(source);
        weight.push_back(static_cast<float>(w));
    }
};

// Shrinking: target pixel i covers the source span [i * from / to,
// (i + 1) * from / to). Measured in units of 1 / to of a source pixel, the
// span is [i * from, (i + 1) * from) and source pixel j is [j * to,
// (j + 1) * to), so the overlaps are whole numbers and add up to `from`
// exactly. Every index lies inside [0, from).
void AreaTaps(int from, int to, AxisTaps& taps) {
    for (int i = 0; i < to; ++i) {
        taps.start.push_back(static_cast<int>(taps.index.size()));
        const long long begin = static_cast<long long>(i) * from;
        const long long end = begin + from;
        for (long long j = begin / to; j * to < end; ++j) {
            const long long overlap = std::min(end, (j + 1) * to) - std::max(begin, j * to);
            if (overlap > 0) taps.Add(static_cast<int>(j), static_cast<double>(overlap) / from);
        }
    }
}

// Growing (or keeping the size): the centre of target pixel i lies at
// (i + 0.5) * from / to - 0.5 in source pixel coordinates; it is blended
// from the source pixels on either side, and held at the first and last
// pixel beyond the outermost centres. At the same size every centre falls
// on a pixel, which is taken alone.
void LinearTaps(int from, int to, AxisTaps& taps) {
    for (int i = 0; i < to; ++i) {
        taps.start.push_back(static_cast<int>(taps.index.size()));
        const double centre = std::clamp((2.0 * i + 1.0) * from / (2.0 * to) - 0.5, 0.0, double(from - 1));
        const int left = static_cast<int>(centre);
        const double fraction = centre - left;
        if (fraction == 0.0 || left + 1 >= from) {
            taps.Add(left, 1.0);
        } else {
            taps.Add(left, 1.0 - fraction);
            taps.Add(left + 1, fraction);
        }
    }
}

AxisTaps Taps(int from, int to) {
    AxisTaps taps;
    if (to < from) {
        AreaTaps(from, to, taps);
    } else {
        LinearTaps(from, to, taps);
    }
    taps.start.push_back(static_cast<int>(taps.index.size()));
    return taps;
}

constexpr int kShifts[4] = {0, 8, 16, 24};  // blue, green, red, alpha

std::uint8_t ToChannel(float value) {
    return static_cast<std::uint8_t>(std::clamp(value + 0.5f, 0.0f, 255.0f));
}

}  // namespace

// Rows first, into floating-point sums so that the second pass does not
// round what the first one produced; then columns.
Bitmap Resample(const std::uint32_t* pixels, int width, int height, int toWidth, int toHeight) {
    Bitmap out;
    if (!pixels || width <= 0 || height <= 0 || toWidth <= 0 || toHeight <= 0 || toWidth > kMaxPngDimension ||
        toHeight > kMaxPngDimension) {
        return out;
    }
    const AxisTaps across = Taps(width, toWidth);
    const AxisTaps down = Taps(height, toHeight);

    std::vector<float> rows(std::size_t(height) * std::size_t(toWidth) * 4);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* source = pixels + std::size_t(y) * std::size_t(width);
        float* target = rows.data() + std::size_t(y) * std::size_t(toWidth) * 4;
        for (int x = 0; x < toWidth; ++x, target += 4) {
            for (int t = across.start[x]; t < across.start[x + 1]; ++t) {
                const std::uint32_t p = source[across.index[t]];
                const float w = across.weight[t];
                for (int c = 0; c < 4; ++c) target[c] += w * float((p >> kShifts[c]) & 0xFF);
            }
        }
    }

    out.width = toWidth;
    out.height = toHeight;
    out.pixels.resize(std::size_t(toWidth) * std::size_t(toHeight));
    for (int y = 0; y < toHeight; ++y) {
        for (int x = 0; x < toWidth; ++x) {
            float sum[4] = {};
            for (int t = down.start[y]; t < down.start[y + 1]; ++t) {
                const float* row = rows.data() + (std::size_t(down.index[t]) * std::size_t(toWidth) + x) * 4;
                for (int c = 0; c < 4; ++c) sum[c] += down.weight[t] * row[c];
            }
            // Rounding is monotonic, so a colour never ends above alpha;
            // the min only guards against a last float ulp.
            const std::uint8_t alpha = ToChannel(sum[3]);
            std::uint32_t p = std::uint32_t(alpha) << 24;
            for (int c = 0; c < 3; ++c) p |= std::uint32_t(std::min(ToChannel(sum[c]), alpha)) << kShifts[c];
            out.pixels[std::size_t(y) * std::size_t(toWidth) + x] = p;
        }
    }
    return out;
}

}  // namespace velmora
