// The main window's layout at the common DPIs, figures worked out by hand
// from the designed 96-DPI layout; the buttons' order and gaps on pages of
// any size; and the very same layout back at 96 DPI after 144.
#include "ui/main/Unit1Layout.h"

#include "ui/main/CommandRouting.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

// The places of one page's controls, in the table's order.
std::vector<LayoutRect> PlaceAll(int pageIndex, LayoutSize page, int dpi) {
    std::vector<LayoutRect> places;
    const Unit1Table table = Unit1Controls();
    for (std::size_t i = 0; i < table.count; ++i) {
        if (table.controls[i].page != pageIndex) continue;
        places.push_back(PlaceControl(table.controls[i].designed, kUnit1Page, page, dpi));
    }
    return places;
}

std::vector<LayoutRect> Processes(LayoutSize page, int dpi) {
    return PlaceAll(kProcessesPage, page, dpi);
}

TEST(Unit1Layout, ClientAreaMinimumSizeProcessPageAndColumnsAtEachDpi) {
    const struct {
        int dpi;
        LayoutSize client, minTrack;
        LayoutRect processView, finalizeProcessBtn;  // on a page of the scaled designed size
        int columns[4];
    } expected[] = {
        {96, {455, 473}, {305, 310}, {10, 10, 417, 386}, {320, 403, 107, 25}, {197, 50, 75, 75}},
        {120, {569, 591}, {381, 388}, {13, 13, 521, 483}, {399, 504, 134, 31}, {246, 63, 94, 94}},
        {144, {683, 710}, {458, 465}, {15, 15, 626, 579}, {480, 604, 161, 38}, {296, 75, 113, 113}},
        {192, {910, 946}, {610, 620}, {20, 20, 834, 772}, {640, 806, 214, 50}, {394, 100, 150, 150}},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.dpi);
        EXPECT_EQ(Scale(kUnit1Client, e.dpi), e.client);
        EXPECT_EQ(Scale(kUnit1MinTrack, e.dpi), e.minTrack);
        const std::vector<LayoutRect> page = Processes(Scale(kUnit1Page, e.dpi), e.dpi);
        ASSERT_EQ(page.size(), 2u);
        EXPECT_EQ(page[0], e.processView);
        EXPECT_EQ(page[1], e.finalizeProcessBtn);
        ASSERT_EQ(ProcessColumns().count, 4u);
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(Scale(ProcessColumns().At(column)->width, e.dpi), e.columns[column]);
        }
        const LayoutRect tabs = Unit1PageControl(e.client, e.dpi);
        EXPECT_EQ(e.client.height - tabs.Bottom(), Scale(5, e.dpi));
        EXPECT_EQ(tabs.top, Unit1Bevel(e.client, e.dpi).Bottom() + Scale(5, e.dpi));
    }
}

// The applications page's three buttons in a row: same size, same gap, the
// last one ending where the process page's button ends, on pages of the
// sizes the tab control leaves and the user makes.
TEST(Unit1Layout, TaskButtonsStayInOrderWithEqualGapsAtEveryDpiAndPageSize) {
    for (int dpi : {96, 120, 144, 192}) {
        for (int extra : {-4, 0, 5, 200}) {
            SCOPED_TRACE(testing::Message() << dpi << " DPI, page " << extra << " px larger");
            const LayoutSize page{Scale(kUnit1Page.width, dpi) + extra, Scale(kUnit1Page.height, dpi) + extra};
            const std::vector<LayoutRect> tasks = PlaceAll(kTasksPage, page, dpi);
            ASSERT_EQ(tasks.size(), 4u);
            const int gap = tasks[2].left - tasks[1].Right();
            EXPECT_NEAR(gap, Scale(5, dpi), 1);
            EXPECT_EQ(tasks[3].left - tasks[2].Right(), gap);
            EXPECT_EQ(tasks[3].width, tasks[1].width);
            EXPECT_EQ(tasks[3].top, tasks[1].top);
            EXPECT_LT(tasks[0].Bottom(), tasks[1].top);
            EXPECT_EQ(tasks[3].Right(), Processes(page, dpi)[1].Right());
        }
    }
}

// At 144 DPI under a frame that does not scale, the page is larger than
// 1.5 times its designed size; back at 96 DPI every place is the one before.
TEST(Unit1Layout, BackAt96DpiAfter144EveryPlaceIsTheOneBefore) {
    const std::vector<LayoutRect> before = Processes(kUnit1Page, 96);
    const LayoutSize page144{Scale(kUnit1Page.width, 144) + 11, Scale(kUnit1Page.height, 144) + 17};
    const std::vector<LayoutRect> at144 = Processes(page144, 144);
    EXPECT_EQ(at144[0], (LayoutRect{15, 15, 626, 579}));
    EXPECT_EQ(page144.height - at144[1].Bottom(), 11);  // 7 px at 96 DPI is 10.5
    const std::vector<LayoutRect> after = Processes(kUnit1Page, 96);
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[1], before[1]);
    EXPECT_EQ(after[1], (LayoutRect{320, 403, 107, 25}));
}

// One row per column: the header's caption, the width and the alignment
// that the window and the ordering read; a column past the last is none.
TEST(Unit1Layout, ColumnTablesHoldCaptionWidthAndAlignmentTogether) {
    const struct {
        const char* caption;
        int width;
        ColumnAlign align;
    } processes[] = {{"Name", 197, ColumnAlign::Left},
                     {"PID", 50, ColumnAlign::Right},
                     {"Threads", 75, ColumnAlign::Right},
                     {"Priorität", 75, ColumnAlign::Left}},
      tasks[] = {{"Task", 230, ColumnAlign::Left}, {"Status", 167, ColumnAlign::Left}};
    ASSERT_EQ(ProcessColumns().count, 4u);
    for (int i = 0; i < 4; ++i) {
        const ListColumn* column = ProcessColumns().At(i);
        EXPECT_STREQ(column->caption, processes[i].caption);
        EXPECT_EQ(column->width, processes[i].width) << i;
        EXPECT_EQ(column->align, processes[i].align) << i;
    }
    ASSERT_EQ(TaskColumns().count, 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_STREQ(TaskColumns().At(i)->caption, tasks[i].caption);
        EXPECT_EQ(TaskColumns().At(i)->width, tasks[i].width) << i;
    }
    EXPECT_EQ(ProcessColumns().At(4), nullptr);
    EXPECT_EQ(ProcessColumns().At(-1), nullptr);
}

TEST(Unit1Layout, EveryControlLiesOnThePageItsRowNames) {
    for (int id : {kTaskViewId, kExecuteBtnId, kBringToFrontBtnId, kFinalizeTaskBtnId}) {
        EXPECT_EQ(PageOfControl(id), kTasksPage) << id;
    }
    for (int id : {kProcessViewId, kFinalizeProcessBtnId}) EXPECT_EQ(PageOfControl(id), kProcessesPage) << id;
    EXPECT_EQ(PageOfControl(0), kNoPage);
    EXPECT_EQ(PageOfControl(4711), kNoPage);
}

}  // namespace
}  // namespace velmora
