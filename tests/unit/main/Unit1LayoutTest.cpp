// The main window's layout at the common DPIs: figures worked out by hand
// from the designed 96-DPI layout, the buttons' order and gaps, and the
// return to the very same layout after a change of DPI and back.
#include "ui/main/Unit1Layout.h"

#include "ui/main/CommandRouting.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

struct Expected {
    int dpi;
    LayoutSize client, minTrack;
    LayoutRect processView, finalizeProcessBtn;  // on a page of the scaled designed size
    int columns[4];
};

const Expected kExpected[] = {
    {96, {455, 473}, {305, 310}, {10, 10, 417, 386}, {320, 403, 107, 25}, {197, 50, 75, 75}},
    {120, {569, 591}, {381, 388}, {13, 13, 521, 483}, {399, 504, 134, 31}, {246, 63, 94, 94}},
    {144, {683, 710}, {458, 465}, {15, 15, 626, 579}, {480, 604, 161, 38}, {296, 75, 113, 113}},
    {192, {910, 946}, {610, 620}, {20, 20, 834, 772}, {640, 806, 214, 50}, {394, 100, 150, 150}},
};

const DesignedControl& Find(Unit1Table table, int id) {
    for (std::size_t i = 0; i < table.count; ++i) {
        if (table.controls[i].id == id) return table.controls[i];
    }
    ADD_FAILURE() << "no control " << id;
    return table.controls[0];
}

std::vector<LayoutRect> PlaceAll(Unit1Table table, LayoutSize page, int dpi) {
    std::vector<LayoutRect> places;
    for (std::size_t i = 0; i < table.count; ++i)
        places.push_back(PlaceControl(table.controls[i], kUnit1Page, page, dpi));
    return places;
}

TEST(Unit1Layout, ClientAreaMinimumSizeControlsAndColumnsAtEachDpi) {
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(e.dpi);
        EXPECT_EQ(Scale(kUnit1Client, e.dpi), e.client);
        EXPECT_EQ(Scale(kUnit1MinTrack, e.dpi), e.minTrack);
        const LayoutSize page = Scale(kUnit1Page, e.dpi);
        EXPECT_EQ(PlaceControl(Find(ProcessesTabLayout(), kProcessViewId), kUnit1Page, page, e.dpi), e.processView);
        EXPECT_EQ(PlaceControl(Find(ProcessesTabLayout(), kFinalizeProcessBtnId), kUnit1Page, page, e.dpi),
                  e.finalizeProcessBtn);
        EXPECT_EQ(PlaceControl(Find(TasksTabLayout(), kTaskViewId), kUnit1Page, page, e.dpi), e.processView);
        for (int column = 0; column < 4; ++column) EXPECT_EQ(ProcessColumnWidth(column, e.dpi), e.columns[column]);
        EXPECT_EQ(ProcessColumnWidth(4, e.dpi), 0);
        EXPECT_EQ(TaskColumnWidth(0, e.dpi) + TaskColumnWidth(1, e.dpi), Scale(230, e.dpi) + Scale(167, e.dpi));
        EXPECT_EQ(TaskColumnWidth(2, e.dpi), 0);
    }
}

TEST(Unit1Layout, BevelAndPageControlFillTheClientAreaInsideTheMargins) {
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(e.dpi);
        // A client area larger than designed, as a thick frame never makes
        // it but the user does.
        const LayoutSize client{e.client.width + 40, e.client.height + 30};
        const LayoutRect bevel = Unit1Bevel(client, e.dpi);
        const LayoutRect tabs = Unit1PageControl(client, e.dpi);
        const int margin = Scale(5, e.dpi);
        EXPECT_EQ(bevel, (LayoutRect{0, 0, client.width, Scale(2, e.dpi)}));
        EXPECT_EQ(tabs.left, margin);
        EXPECT_EQ(tabs.top, bevel.Bottom() + margin);
        EXPECT_EQ(client.width - tabs.Right(), margin);
        EXPECT_EQ(client.height - tabs.Bottom(), margin);
    }
}

// The three buttons of the applications page in a row: same size, same gap,
// in order, the last one as far from the page's edge as the process page's
// button, on pages of the sizes the tab control leaves.
TEST(Unit1Layout, TaskButtonsStayInOrderWithEqualGapsAtEveryDpiAndPageSize) {
    for (const Expected& e : kExpected) {
        for (int extra : {-4, 0, 5, 200}) {
            SCOPED_TRACE(testing::Message() << e.dpi << " dpi, page " << extra << " px larger");
            const LayoutSize page{Scale(kUnit1Page.width, e.dpi) + extra, Scale(kUnit1Page.height, e.dpi) + extra};
            const std::vector<LayoutRect> tasks = PlaceAll(TasksTabLayout(), page, e.dpi);
            ASSERT_EQ(tasks.size(), 4u);
            const int gap = tasks[2].left - tasks[1].Right();
            EXPECT_GT(gap, 0);
            EXPECT_EQ(tasks[3].left - tasks[2].Right(), gap);
            EXPECT_NEAR(gap, Scale(5, e.dpi), 1);
            for (int i = 1; i < 4; ++i) {
                EXPECT_EQ(tasks[i].top, tasks[1].top);
                EXPECT_EQ(tasks[i].width, tasks[1].width);
            }
            const LayoutRect finalize =
                PlaceControl(Find(ProcessesTabLayout(), kFinalizeProcessBtnId), kUnit1Page, page, e.dpi);
            EXPECT_EQ(tasks[3].Right(), finalize.Right());
            EXPECT_EQ(tasks[3].Bottom(), finalize.Bottom());
            // The list ends above the buttons.
            EXPECT_LT(tasks[0].Bottom(), tasks[1].top);
        }
    }
}

// Moving to a screen of 144 DPI and back: the page sizes come from the
// window the system resized, the places from the table, so the layout at
// 96 DPI afterwards is the one before, to the pixel.
TEST(Unit1Layout, BackAt96DpiAfter144EveryPlaceIsTheOneBefore) {
    const LayoutSize page96 = kUnit1Page;
    const std::vector<LayoutRect> before = PlaceAll(ProcessesTabLayout(), page96, 96);
    const std::vector<LayoutRect> tasksBefore = PlaceAll(TasksTabLayout(), page96, 96);
    // At 144 DPI under a frame that does not scale, the page ends up larger
    // than 1.5 times its designed size.
    const LayoutSize page144{Scale(page96.width, 144) + 11, Scale(page96.height, 144) + 17};
    const std::vector<LayoutRect> at144 = PlaceAll(ProcessesTabLayout(), page144, 144);
    EXPECT_EQ(at144[0], (LayoutRect{15, 15, 626, 579}));
    EXPECT_EQ(page144.width - at144[1].Right(), 15);
    EXPECT_EQ(page144.height - at144[1].Bottom(), 11);  // 7 px at 96 DPI is 10.5
    const std::vector<LayoutRect> after = PlaceAll(ProcessesTabLayout(), page96, 96);
    const std::vector<LayoutRect> tasksAfter = PlaceAll(TasksTabLayout(), page96, 96);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i], before[i]) << i;
    for (std::size_t i = 0; i < tasksBefore.size(); ++i) EXPECT_EQ(tasksAfter[i], tasksBefore[i]) << i;
    EXPECT_EQ(after[1], (LayoutRect{320, 403, 107, 25}));
}

}  // namespace
}  // namespace velmora
