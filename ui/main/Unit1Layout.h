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

// The two pages, in the tab control's order.
enum Unit1Page : int { kNoPage = -1, kTasksPage = 0, kProcessesPage = 1 };
constexpr int kUnit1PageCount = 2;

// A control of the pages: the page it lies on and its place there.
struct Unit1Control {
    int page;
    DesignedControl designed;
};
struct Unit1Table {
    const Unit1Control* controls;
    std::size_t count;
};
// Every control of both pages, each page's in its Tab order.
Unit1Table Unit1Controls();
// The page a control of the table lies on; kNoPage for any other id.
int PageOfControl(int id);

// The bevel line at the top of the client area and the page control below
// it, inside the margins, for a client area of `client` pixels.
LayoutRect Unit1Bevel(LayoutSize client, int dpi);
LayoutRect Unit1PageControl(LayoutSize client, int dpi);

// A list column: its header's caption (UTF-8), its width at 96 DPI, and
// how its cells are aligned.
enum class ColumnAlign { Left, Right };
struct ListColumn {
    const char* caption;
    int width;
    ColumnAlign align;
};
struct ColumnTable {
    const ListColumn* columns;
    std::size_t count;
    // The column at `index`, or null past the last.
    const ListColumn* At(int index) const;
};
ColumnTable TaskColumns();
ColumnTable ProcessColumns();

}  // namespace velmora
