// The run dialog's layout at the common DPIs: every control stays inside the
// client area, the button row stays aligned and the input box ends where
// the buttons do.
#include "ui/run/ExecuteLayout.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

LayoutRect Placed(int id, int dpi) {
    for (std::size_t i = 0; i < kExecuteLayoutCount; ++i) {
        if (kExecuteLayout[i].id == id) return Scale(kExecuteLayout[i].rect, dpi);
    }
    ADD_FAILURE() << "no control " << id;
    return {};
}

TEST(ExecuteLayout, ControlsStayInsideTheClientAreaAndAlignedAtEachDpi) {
    for (int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        const LayoutSize client = Scale(kExecuteClient, dpi);
        for (std::size_t i = 0; i < kExecuteLayoutCount; ++i) {
            const LayoutRect r = Scale(kExecuteLayout[i].rect, dpi);
            EXPECT_LE(r.Right(), client.width) << kExecuteLayout[i].id;
            // The combo box's height is its open list's, which may reach past.
            if (kExecuteLayout[i].id != kExecuteEdtId) {
                EXPECT_LE(r.Bottom(), client.height) << kExecuteLayout[i].id;
            }
        }
        const LayoutRect bok = Placed(kExecuteBokId, dpi);
        const LayoutRect bcl = Placed(kExecuteBclId, dpi);
        const LayoutRect bbr = Placed(kExecuteBbrId, dpi);
        EXPECT_EQ(bcl.top, bok.top);
        EXPECT_EQ(bbr.top, bok.top);
        EXPECT_EQ(bcl.width, bok.width);
        EXPECT_EQ(bbr.width, bok.width);
        EXPECT_EQ(bcl.height, bok.height);
        EXPECT_GT(bcl.left, bok.Right());
        EXPECT_GT(bbr.left, bcl.Right());
        const LayoutRect edt = Placed(kExecuteEdtId, dpi);
        EXPECT_EQ(edt.left, bok.left);
        EXPECT_NEAR(edt.Right(), bbr.Right(), 1);
        EXPECT_NEAR(Placed(kExecuteLbl1Id, dpi).Right(), edt.Right(), 1);
        EXPECT_EQ(Placed(kExecuteImgId, dpi).width, Scale(48, dpi));
    }
    EXPECT_EQ(Scale(kExecuteClient, 144), (LayoutSize{530, 206}));
    EXPECT_EQ(Placed(kExecuteBbrId, 144), (LayoutRect{384, 156, 134, 35}));
}

}  // namespace
}  // namespace velmora
