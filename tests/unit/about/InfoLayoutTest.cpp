// The about dialog's layout at the common DPIs: the header band and its
// bevel, labels sized to their text, wrapped labels that must not cut off a
// line.
#include "ui/about/InfoLayout.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

const InfoLabel& Label(int number) {
    for (std::size_t i = 0; i < kInfoLabelCount; ++i) {
        if (kInfoLabels[i].number == number) return kInfoLabels[i];
    }
    ADD_FAILURE() << "no Label" << number;
    return kInfoLabels[0];
}

TEST(InfoLayout, TheHeaderBandAndItsBevelScaleAndCloseTheBandAtEachDpi) {
    const int bands[] = {65, 81, 98, 130};
    const int bevels[] = {2, 3, 3, 4};
    int i = 0;
    for (int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        const int width = Scale(kInfoClient.width, dpi);
        const InfoHeader header = InfoHeaderBand(width, dpi);
        EXPECT_EQ(header.band, (LayoutRect{0, 0, width, bands[i]}));
        // Shadow directly over highlight, both full width, the pair ending
        // with the band and as high as the scaled bevel; neither vanishes.
        EXPECT_EQ(header.shadow.Bottom(), header.highlight.top);
        EXPECT_EQ(header.highlight.Bottom(), bands[i]);
        EXPECT_EQ(header.shadow.height + header.highlight.height, bevels[i]);
        EXPECT_GE(header.highlight.height, 1);
        EXPECT_GE(header.shadow.height, header.highlight.height);
        EXPECT_EQ(header.shadow.width, width);
        EXPECT_EQ(header.highlight.width, width);
        ++i;
    }
}

TEST(InfoLayout, LabelsSizedToTheirTextKeepTheirDesignedLeftOrRightEdge) {
    for (int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        for (const LayoutSize text : {LayoutSize{40, 14}, LayoutSize{160, 20}}) {
            // "Letzte Änderung:" ends at x = 368 whatever its text takes.
            const LayoutRect date = PlaceInfoLabel(Label(15), text, dpi);
            EXPECT_EQ(date.Right(), Scale(368, dpi));
            EXPECT_EQ(date.top, Scale(16, dpi));
            EXPECT_EQ(date.height, text.height);
            EXPECT_GE(date.width, text.width);
            const LayoutRect title = PlaceInfoLabel(Label(1), text, dpi);
            EXPECT_EQ(title.left, Scale(48, dpi));
            EXPECT_EQ(title.top, Scale(11, dpi));
            EXPECT_GE(title.width, text.width);
        }
    }
    // The slack for overhanging glyphs scales too: 3 px at 96 DPI.
    EXPECT_EQ(PlaceInfoLabel(Label(1), {100, 20}, 96).width, 103);
    EXPECT_EQ(PlaceInfoLabel(Label(1), {100, 20}, 144).width, 105);
}

TEST(InfoLayout, AWrappedLabelKeepsItsScaledBoxAndGrowsOnlyDownwardsForItsLines) {
    const InfoLabel& licence = Label(7);
    EXPECT_EQ(PlaceInfoLabel(licence, {300, 60}, 144), (LayoutRect{12, 279, 536, 117}));
    // Lines that round up at this DPI need more than the scaled box.
    EXPECT_EQ(PlaceInfoLabel(licence, {530, 128}, 144), (LayoutRect{12, 279, 536, 128}));
    EXPECT_EQ(PlaceInfoLabel(licence, {357, 78}, 96), (LayoutRect{8, 186, 357, 78}));
}

// Colours and band per label: the header's labels on white (black title,
// grey version, black date), the rest on the face colour, the two links
// blue, underlined, in the window font.
TEST(InfoLayout, EachLabelsLookGivesItsColourAndWhetherItLiesOnTheHeader) {
    const struct {
        int number;
        bool onHeader;
        bool windowText;
        int red, green, blue;
    } expected[] = {
        {1, true, false, 0, 0, 0},        {10, true, false, 120, 120, 120}, {2, true, false, 120, 120, 120},
        {15, true, false, 0, 0, 0},       {16, true, false, 0, 0, 0},       {3, false, true, 0, 0, 0},
        {4, false, true, 0, 0, 0},        {11, false, true, 0, 0, 0},       {12, false, false, 15, 100, 151},
        {14, false, false, 15, 100, 151}, {7, false, true, 0, 0, 0},        {6, false, true, 0, 0, 0}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.number);
        const InfoStyle style = InfoLookStyle(Label(e.number).look);
        EXPECT_EQ(style.onHeader, e.onHeader);
        EXPECT_EQ(style.ink.windowText, e.windowText);
        if (!e.windowText) {
            EXPECT_EQ(style.ink.red, e.red);
            EXPECT_EQ(style.ink.green, e.green);
            EXPECT_EQ(style.ink.blue, e.blue);
        }
    }
    for (int link : {12, 14}) {
        const FontRequest font = InfoLookStyle(Label(link).look).font;
        EXPECT_STREQ(font.face, "MS Sans Serif");
        EXPECT_EQ(FontHeight(font, 144), -16);
        EXPECT_TRUE(font.underline);
    }
    const FontRequest title = InfoLookStyle(Label(1).look).font;
    EXPECT_STREQ(title.face, "Arial");
    EXPECT_EQ(FontHeight(title, 96), -24);
    EXPECT_FALSE(InfoLookStyle(Label(4).look).font.underline);
}

// Exactly Label12 and Label14 open something: the web page and a mail.
TEST(InfoLayout, OnlyTheTwoLinkLabelsCarryATarget) {
    for (std::size_t i = 0; i < kInfoLabelCount; ++i) {
        const InfoLabel& label = kInfoLabels[i];
        if (label.number == 12 || label.number == 14) continue;
        EXPECT_EQ(label.link, InfoLink::None) << label.number;
    }
    EXPECT_EQ(InfoLinkTarget(Label(12).link), "http://www.velmora.example.org");
    EXPECT_EQ(InfoLinkTarget(Label(14).link), "mailto:kontakt@velmora.example.org?subject=Feedback%20zu%20Velmora");
    EXPECT_EQ(InfoLinkTarget(InfoLink::None), "");
}

}  // namespace
}  // namespace velmora
