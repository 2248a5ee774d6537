// Where a picture goes inside the box of the control that shows it.
#pragma once

namespace velmora {

struct ImageRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A picture keeps its own size and is centred when the box is larger. When
// the box is smaller it is scaled down to fit, keeping its proportions, so it
// never spills over neighbouring controls. Empty boxes or pictures give an
// empty rectangle.
ImageRect PlaceImage(const ImageRect& box, int imageWidth, int imageHeight);

}  // namespace velmora
