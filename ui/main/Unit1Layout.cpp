#include "ui/main/Unit1Layout.h"

#include "ui/main/CommandRouting.h"

namespace velmora {

namespace {

constexpr int kBevelHeight = 2;
constexpr int kMargin = 5;

constexpr unsigned kCorner = kAnchorRight | kAnchorBottom;

// In page coordinates. The lists keep their place and size; the buttons
// follow the page's lower right corner.
const DesignedControl kTasksTab[] = {
    {kTaskViewId, {10, 10, 417, 386}},
    {kExecuteBtnId, {168, 403, 83, 25}, kCorner},
    {kBringToFrontBtnId, {256, 403, 83, 25}, kCorner},
    {kFinalizeTaskBtnId, {344, 403, 83, 25}, kCorner},
};
const DesignedControl kProcessesTab[] = {
    {kProcessViewId, {10, 10, 417, 386}},
    {kFinalizeProcessBtnId, {320, 403, 107, 25}, kCorner},
};

const int kTaskColumns[] = {230, 167};
const int kProcessColumns[] = {197, 50, 75, 75};

template <std::size_t N>
int ColumnWidth(const int (&widths)[N], int column, int dpi) {
    return column >= 0 && static_cast<std::size_t>(column) < N ? Scale(widths[column], dpi) : 0;
}

}  // namespace

Unit1Table TasksTabLayout() {
    return {kTasksTab, sizeof kTasksTab / sizeof kTasksTab[0]};
}

Unit1Table ProcessesTabLayout() {
    return {kProcessesTab, sizeof kProcessesTab / sizeof kProcessesTab[0]};
}

LayoutRect Unit1Bevel(LayoutSize client, int dpi) {
    return {0, 0, client.width, Scale(kBevelHeight, dpi)};
}

// The margins scale, the page control takes whatever the client area leaves.
LayoutRect Unit1PageControl(LayoutSize client, int dpi) {
    const int margin = Scale(kMargin, dpi);
    const int top = Scale(kBevelHeight, dpi) + margin;
    return {margin, top, client.width - 2 * margin, client.height - top - margin};
}

int TaskColumnWidth(int column, int dpi) {
    return ColumnWidth(kTaskColumns, column, dpi);
}

int ProcessColumnWidth(int column, int dpi) {
    return ColumnWidth(kProcessColumns, column, dpi);
}

}  // namespace velmora
