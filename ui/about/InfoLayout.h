// The about dialog's layout as designed at 96 DPI: the header band, the
// labels with their looks, the icon and the button, and where a label sized
// to its text goes on a screen of any DPI.
#pragma once

#include "ui/app/Layout.h"

#include <cstddef>

namespace velmora {

constexpr LayoutSize kInfoClient{377, 393};
constexpr LayoutRect kInfoImage1{8, 12, 32, 32};
constexpr LayoutRect kInfoButton1{151, 360, 75, 25};

enum class InfoLook { Title, Version, Date, Heading, Text, Link, Count };

// A look's font: `pixels` high at 96 DPI, or the window font when 0.
struct InfoFont {
    const char* face;
    int pixels;
    bool bold;
    bool underline;
};
InfoFont InfoLookFont(InfoLook look);

struct InfoLabel {
    int number;  // LabelN
    const char* text;
    int x, y;           // at 96 DPI; x is the right edge of a right-aligned label
    int width, height;  // 0: sized to its text
    InfoLook look;
    bool rightAligned;
};
extern const InfoLabel kInfoLabels[];
extern const std::size_t kInfoLabelCount;

// Where `label` goes when its text takes `text` pixels in its font (on one
// line, or wrapped at the label's scaled width when it has one). A label
// sized to its text gets a little room for glyphs that reach past their
// advance width; a right-aligned one keeps its right edge. A wrapped label
// keeps its designed box but grows downwards where the screen's font needs
// more lines' height than the box scales to, so no line is cut off.
LayoutRect PlaceInfoLabel(const InfoLabel& label, LayoutSize text, int dpi);

// The white header band, its bevel included, and the bevel line in its last
// rows: shadow over highlight.
struct InfoHeader {
    LayoutRect band;
    LayoutRect shadow;
    LayoutRect highlight;
};
InfoHeader InfoHeaderBand(int clientWidth, int dpi);

}  // namespace velmora
