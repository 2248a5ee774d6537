#include "image/Placement.h"

#include <cstdint>

namespace velmora {

PixelRect PlaceImage(const PixelRect& box, int imageWidth, int imageHeight) {
    if (box.width <= 0 || box.height <= 0 || imageWidth <= 0 || imageHeight <= 0) return {box.left, box.top, 0, 0};

    int width = imageWidth;
    int height = imageHeight;
    if (width > box.width || height > box.height) {
        // Scale by the tighter side; 64-bit products since both factors can
        // be large.
        const std::int64_t byWidth = std::int64_t(box.width) * imageHeight;
        const std::int64_t byHeight = std::int64_t(box.height) * imageWidth;
        if (byWidth <= byHeight) {
            width = box.width;
            height = int(std::int64_t(imageHeight) * box.width / imageWidth);
        } else {
            height = box.height;
            width = int(std::int64_t(imageWidth) * box.height / imageHeight);
        }
        if (width < 1) width = 1;
        if (height < 1) height = 1;
    }
    // Odd leftovers put the extra pixel right and below, as a centred
    // control's text does.
    return {box.left + (box.width - width) / 2, box.top + (box.height - height) / 2, width, height};
}

}  // namespace velmora
