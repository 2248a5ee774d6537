// The about dialog's layout as designed at 96 DPI: the header band, the
// labels with their looks, the icon and the button, and where a label sized
// to its text goes on a screen of any DPI.
#pragma once

#include "ui/app/Layout.h"

#include <cstddef>
#include <string>

namespace velmora {

constexpr LayoutSize kInfoClient{377, 393};
constexpr LayoutRect kInfoImage1{8, 12, 32, 32};
constexpr LayoutRect kInfoButton1{151, 360, 75, 25};

// The looks a label can have; InfoLookStyle says what each is.
enum class InfoLook { Title, Version, Date, Heading, Text, Link, Count };

// A text colour: red, green and blue, or the system's window text colour.
struct InfoInk {
    bool windowText;
    int red, green, blue;
};

// A look: the font, the text colour, and whether the label lies on the
// white header band (else on the face colour).
struct InfoStyle {
    FontRequest font;
    InfoInk ink;
    bool onHeader;
};
InfoStyle InfoLookStyle(InfoLook look);

// What a label opens when pressed.
enum class InfoLink { None, Web, Mail };
// The address the shell opens for `link`; empty for InfoLink::None.
std::string InfoLinkTarget(InfoLink link);

struct InfoLabel {
    int number;  // LabelN
    const char* text;
    int x, y;           // at 96 DPI; x is the right edge of a right-aligned label
    int width, height;  // 0: sized to its text
    InfoLook look;
    bool rightAligned;
    InfoLink link = InfoLink::None;
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
