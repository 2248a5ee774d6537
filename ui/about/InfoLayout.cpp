#include "ui/about/InfoLayout.h"

#include "Version.h"
#include "ui/about/InfoTexts.h"

namespace velmora {

namespace {

constexpr int kHeaderHeight = 65;  // the white band, its bevel included
constexpr int kBevelHeight = 2;
constexpr int kFittedSlack = 3;

}  // namespace

// Black title, grey version, black date, window-text headings and texts,
// blue underlined links.
InfoStyle InfoLookStyle(InfoLook look) {
    constexpr InfoInk kBlack{false, 0, 0, 0};
    constexpr InfoInk kWindowText{true, 0, 0, 0};
    switch (look) {
        case InfoLook::Title: return {{"Arial", 0, 24}, kBlack, true};
        case InfoLook::Version: return {{"Arial", 0, 11}, {false, 120, 120, 120}, true};
        case InfoLook::Date: return {{"Arial", 0, 12, true}, kBlack, true};
        case InfoLook::Heading: return {{"Arial", 0, 13, true}, kWindowText, false};
        case InfoLook::Link:
            return {{kWindowFont.face, kWindowFont.points, 0, false, true}, {false, 15, 100, 151}, false};
        default: return {kWindowFont, kWindowText, false};
    }
}

std::string InfoLinkTarget(InfoLink link) {
    switch (link) {
        case InfoLink::Web: return InfoWebUrl();
        case InfoLink::Mail: return InfoMailUrl();
        default: return {};
    }
}

const InfoLabel kInfoLabels[] = {
    {1, "Velmora", 48, 11, 0, 0, InfoLook::Title, false},
    {10, VELMORA_VERSION_LABEL, 54, 33, 0, 0, InfoLook::Version, false},
    {2, VELMORA_BUILD_LABEL, 166, 33, 0, 0, InfoLook::Version, true},
    {15, "Letzte Änderung:", 368, 16, 0, 0, InfoLook::Date, true},
    {16, "4. März 2008", 368, 32, 0, 0, InfoLook::Date, true},
    {3, "Copyrighthinweis", 8, 83, 0, 0, InfoLook::Heading, false},
    {4, kInfoCopyright, 8, 104, 0, 0, InfoLook::Text, false},
    {11, "Webseite:", 8, 122, 0, 0, InfoLook::Text, false},
    {12, kInfoWebAddress, 64, 122, 0, 0, InfoLook::Link, false, InfoLink::Web},
    {13, "E-Mail:", 8, 140, 0, 0, InfoLook::Text, false},
    {14, kInfoMailAddress, 64, 140, 0, 0, InfoLook::Link, false, InfoLink::Mail},
    {5, "Lizenz", 8, 165, 0, 0, InfoLook::Heading, false},
    {7, kInfoLicence, 8, 186, 357, 78, InfoLook::Text, false},
    {8, "Haftungsausschluss", 8, 275, 0, 0, InfoLook::Heading, false},
    {6, kInfoDisclaimer, 8, 296, 351, 52, InfoLook::Text, false},
};
const std::size_t kInfoLabelCount = sizeof kInfoLabels / sizeof kInfoLabels[0];

LayoutRect PlaceInfoLabel(const InfoLabel& label, LayoutSize text, int dpi) {
    if (label.width > 0) {
        LayoutRect box = Scale(LayoutRect{label.x, label.y, label.width, label.height}, dpi);
        if (text.height > box.height) box.height = text.height;
        return box;
    }
    const int width = text.width + Scale(kFittedSlack, dpi);
    const int left = Scale(label.x, dpi) - (label.rightAligned ? width : 0);
    return {left, Scale(label.y, dpi), width, text.height};
}

// The bevel is two lines at 96 DPI; scaled, the shadow takes the larger half.
InfoHeader InfoHeaderBand(int clientWidth, int dpi) {
    const int height = Scale(kHeaderHeight, dpi);
    const int bevel = Scale(kBevelHeight, dpi);
    const int highlight = bevel / 2;
    const int shadow = bevel - highlight;
    return {{0, 0, clientWidth, height},
            {0, height - bevel, clientWidth, shadow},
            {0, height - highlight, clientWidth, highlight}};
}

}  // namespace velmora
