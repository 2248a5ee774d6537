// The window base's sizing steps against a fake window whose frame rounds
// on its own at each DPI, as caption, menu bar and borders do: the creation
// fit, also when the window changes screens inside it, and the answer to
// the system's question for the window's size at a new DPI.
#include "ui/app/Layout.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// 4-px borders that scale; a caption and a menu bar that follow their fonts,
// which come in whole points: not the frame at 96 DPI times DPI / 96.
class FakeFrame final : public IScaledFrame {
public:
    FakeFrame(int dpi, LayoutSize outer) : dpi_(dpi), outer_(outer) {}

    int Dpi() const override { return dpi_; }
    LayoutSize OuterSize() const override { return outer_; }
    LayoutSize ClientSize() const override {
        const LayoutSize frame = FrameAt(dpi_);
        return {outer_.width - frame.width, outer_.height - frame.height};
    }
    LayoutSize FrameAt(int dpi) const override {
        const int border = 2 * (dpi * 4 / 96);
        const int bars = dpi <= 96 ? 38 : dpi <= 120 ? 45 : dpi <= 144 ? 53 : 74;
        return {border, border + bars};
    }
    void Resize(LayoutSize outer) override {
        outer_ = outer;
        if (++resizes == moveAtResize) dpi_ = moveTo;
    }

    int resizes = 0;
    int moveAtResize = 0;  // the resize that takes the window onto another screen
    int moveTo = 0;        // that screen's DPI

private:
    int dpi_;
    LayoutSize outer_;
};

LayoutSize Around(LayoutSize client, const IScaledFrame& window, int dpi) {
    const LayoutSize frame = window.FrameAt(dpi);
    return {client.width + frame.width, client.height + frame.height};
}

constexpr LayoutSize kMainClient{455, 473};
constexpr LayoutSize kDialogClient{353, 137};
constexpr int kDpis[] = {96, 120, 144, 192};

TEST(ScaledFrameFit, AWindowThatFitsIsNotResizedAndOneThatDoesNotFitsInOneResize) {
    FakeFrame fitting(96, {463, 519});
    FitClientArea(fitting, kMainClient);
    EXPECT_EQ(fitting.resizes, 0);

    FakeFrame window(120, {500, 500});
    FitClientArea(window, kMainClient);
    EXPECT_EQ(window.ClientSize(), Scale(kMainClient, 120));
    EXPECT_EQ(window.resizes, 1);
}

// Windows moves a window that a resize takes onto a screen of another DPI
// there from inside the resize: the next round must size it for that DPI.
TEST(ScaledFrameFit, AChangeOfDpiInsideTheFitIsFollowedToTheNewScreensSize) {
    for (int from : kDpis) {
        for (int to : kDpis) {
            if (from == to) continue;
            SCOPED_TRACE(testing::Message() << from << " -> " << to << " DPI");
            FakeFrame window(from, {400, 400});
            window.moveAtResize = 1;
            window.moveTo = to;
            FitClientArea(window, kMainClient);
            EXPECT_EQ(window.Dpi(), to);
            EXPECT_EQ(window.ClientSize(), Scale(kMainClient, to));
        }
    }
}

TEST(ScaledFrameFit, AWindowThatRefusesItsSizeEndsTheFitAfterAFewRounds) {
    class Stubborn final : public IScaledFrame {
    public:
        int Dpi() const override { return 96; }
        LayoutSize OuterSize() const override { return {300, 300}; }
        LayoutSize ClientSize() const override { return {292, 254}; }
        LayoutSize FrameAt(int) const override { return {8, 46}; }
        void Resize(LayoutSize) override { ++resizes; }
        int resizes = 0;
    } window;
    FitClientArea(window, kMainClient);
    EXPECT_GT(window.resizes, 1);
    EXPECT_LE(window.resizes, 4);
}

// At its designed size on one screen, a window answers the designed size of
// every other screen inside that screen's frame, sizeable or fixed. Scaling
// the outer size as a whole, or the client area by new / old DPI
// (591 * 144 / 120 = 709, not 710), misses by a pixel.
TEST(ScaledFrameAnswer, AWindowAtItsDesignedSizeAnswersTheDesignedSizeOfTheNewDpi) {
    for (int from : kDpis) {
        for (int to : kDpis) {
            SCOPED_TRACE(testing::Message() << from << " -> " << to << " DPI");
            const FakeFrame frames(from, {});
            const FakeFrame main(from, Around(Scale(kMainClient, from), frames, from));
            EXPECT_EQ(ScaledOuterSize(main, to, nullptr), Around(Scale(kMainClient, to), frames, to));
            const FakeFrame dialog(from, Around(Scale(kDialogClient, from), frames, from));
            EXPECT_EQ(ScaledOuterSize(dialog, to, &kDialogClient), Around(Scale(kDialogClient, to), frames, to));
        }
    }
    const FakeFrame main(96, {463, 519});
    EXPECT_EQ(ScaledOuterSize(main, 120, nullptr), (LayoutSize{569 + 10, 591 + 55}));
    EXPECT_EQ(ScaledOuterSize(main, 144, nullptr), (LayoutSize{683 + 12, 710 + 65}));
    EXPECT_EQ(ScaledOuterSize(main, 192, nullptr), (LayoutSize{910 + 16, 946 + 90}));
    EXPECT_EQ(ScaledOuterSize(main, 96, nullptr), (LayoutSize{463, 519}));
}

// A size the user gave the main window goes with it and comes back; a
// dialog is its designed size on every screen, whatever it had.
TEST(ScaledFrameAnswer, TheUsersSizeTravelsThereAndBackAndADialogKeepsItsDesign) {
    const FakeFrame main(96, {608, 546});  // a client area of 600 x 500
    const LayoutSize there = ScaledOuterSize(main, 144, nullptr);
    EXPECT_EQ(there, (LayoutSize{900 + 12, 750 + 65}));
    const FakeFrame moved(144, there);
    EXPECT_EQ(ScaledOuterSize(moved, 96, nullptr), (LayoutSize{608, 546}));

    const FakeFrame dialog(96, {400, 200});
    EXPECT_EQ(ScaledOuterSize(dialog, 144, &kDialogClient), (LayoutSize{530 + 12, 206 + 65}));
    EXPECT_EQ(ScaledOuterSize(dialog, 0, &kDialogClient), (LayoutSize{353 + 8, 137 + 46}));  // no DPI: 96
}

}  // namespace
}  // namespace velmora
