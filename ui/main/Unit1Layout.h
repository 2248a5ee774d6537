// The main window's layout as designed at 96 DPI, and where its parts go on
// a screen of any DPI: the bevel and the page control in the client area,
// the controls on the pages, the list columns and the minimum size.
#pragma once

#include "ui/app/Layout.h"

#include <cstddef>

namespace velmora {

// The client area the layout is drawn for: 463 x 519 outside under the
// classic frame (4-px borders, 19-px caption and menu bar); a thicker frame
// makes the window larger rather than the pages smaller.
constexpr LayoutSize kUnit1Client{455, 473};
// The pages' size in that client area, which the controls' places assume.
constexpr LayoutSize kUnit1Page{437, 435};
// The smallest outer size the user can drag the window to.
constexpr LayoutSize kUnit1MinTrack{305, 310};

struct Unit1Table {
    const DesignedControl* controls;
    std::size_t count;
};
// The controls of the applications page and of the processes page.
Unit1Table TasksTabLayout();
Unit1Table ProcessesTabLayout();

// The bevel line at the top of the client area and the page control below
// it, inside the margins, for a client area of `client` pixels.
LayoutRect Unit1Bevel(LayoutSize client, int dpi);
LayoutRect Unit1PageControl(LayoutSize client, int dpi);

// The column widths of the two lists, in pixels at `dpi`; 0 past the last.
int TaskColumnWidth(int column, int dpi);
int ProcessColumnWidth(int column, int dpi);

}  // namespace velmora
