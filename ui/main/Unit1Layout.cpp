#include "ui/main/Unit1Layout.h"

#include "ui/main/CommandRouting.h"

namespace velmora {

namespace {

constexpr int kBevelHeight = 2;
constexpr int kMargin = 5;

constexpr unsigned kCorner = kAnchorRight | kAnchorBottom;

// In page coordinates. The lists keep their place and size; the buttons
// follow the page's lower right corner.
const Unit1Control kControls[] = {
    {kTasksPage, {kTaskViewId, {10, 10, 417, 386}}},
    {kTasksPage, {kExecuteBtnId, {168, 403, 83, 25}, kCorner}},
    {kTasksPage, {kBringToFrontBtnId, {256, 403, 83, 25}, kCorner}},
    {kTasksPage, {kFinalizeTaskBtnId, {344, 403, 83, 25}, kCorner}},
    {kProcessesPage, {kProcessViewId, {10, 10, 417, 386}}},
    {kProcessesPage, {kFinalizeProcessBtnId, {320, 403, 107, 25}, kCorner}},
};

const ListColumn kTaskColumns[] = {{"Task", 230, ColumnAlign::Left}, {"Status", 167, ColumnAlign::Left}};
const ListColumn kProcessColumns[] = {{"Name", 197, ColumnAlign::Left},
                                      {"PID", 50, ColumnAlign::Right},
                                      {"Threads", 75, ColumnAlign::Right},
                                      {"Priorität", 75, ColumnAlign::Left}};

}  // namespace

Unit1Table Unit1Controls() {
    return {kControls, sizeof kControls / sizeof kControls[0]};
}

int PageOfControl(int id) {
    for (const Unit1Control& control : kControls) {
        if (control.designed.id == id) return control.page;
    }
    return kNoPage;
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

const ListColumn* ColumnTable::At(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < count ? &columns[index] : nullptr;
}

ColumnTable TaskColumns() {
    return {kTaskColumns, sizeof kTaskColumns / sizeof kTaskColumns[0]};
}

ColumnTable ProcessColumns() {
    return {kProcessColumns, sizeof kProcessColumns / sizeof kProcessColumns[0]};
}

}  // namespace velmora
