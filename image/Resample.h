// Scaling a decoded picture to another size with a smoothing filter, so
// that an icon drawn at 125 % or 150 % has soft edges instead of doubled
// pixels. Portable; the Win32 side draws the result 1:1.
#pragma once

#include <cstdint>

#include "image/Png.h"

namespace velmora {

// Scales `width` x `height` premultiplied pixels (rows top-down, as in
// Bitmap) to `toWidth` x `toHeight`. Each axis is filtered on its own: a
// shrinking axis averages the source pixels each target pixel covers, in
// proportion to the area covered; a growing one interpolates linearly
// between the two nearest source pixels. Working on premultiplied values
// keeps transparent pixels' colour out of the edges; the result stays
// premultiplied (no channel above alpha). The same size gives the same
// pixels. Empty when a size is not positive or a target side exceeds
// kMaxPngDimension.
Bitmap Resample(const std::uint32_t* pixels, int width, int height, int toWidth, int toHeight);

}  // namespace velmora
