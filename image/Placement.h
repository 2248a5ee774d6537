// Where a picture goes inside the box of the control that shows it.
#pragma once

#include "base/Geometry.h"

namespace velmora {

// A picture keeps its own size and is centred when the box is larger. When
// the box is smaller it is scaled down to fit, keeping its proportions, so it
// never spills over neighbouring controls. Empty boxes or pictures give an
// empty rectangle.
PixelRect PlaceImage(const PixelRect& box, int imageWidth, int imageHeight);

}  // namespace velmora
