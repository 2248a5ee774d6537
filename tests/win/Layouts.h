// The designed places of the three windows' controls, at 96 DPI, as the
// layout tests read them back at whatever DPI and frame the session has.
#pragma once

#include "ui/about/Info_win.h"
#include "ui/main/Unit1_win.h"
#include "ui/run/Execute_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace velmora::wintest {

struct DesignedRect {
    int id;
    const char* name;
    int x, y, width, height;
    bool anchored = false;  // keeps its distance to the page's lower right corner
};

// In page coordinates; the pages are 437 x 435 in a client area of 455 x 473.
constexpr DesignedRect kMainWindowLayout[] = {
    {TForm1::kTaskViewId, "TaskView", 10, 10, 417, 386},
    {TForm1::kExecuteBtnId, "ExecuteBtn", 168, 403, 83, 25, true},
    {TForm1::kBringToFrontBtnId, "BringToFrontBtn", 256, 403, 83, 25, true},
    {TForm1::kFinalizeTaskBtnId, "FinalizeTaskBtn", 344, 403, 83, 25, true},
    {TForm1::kProcessViewId, "ProcessView", 10, 10, 417, 386},
    {TForm1::kFinalizeProcessBtnId, "FinalizeProcessBtn", 320, 403, 107, 25, true},
};
constexpr SIZE kMainClient{455, 473};
constexpr SIZE kMainPage{437, 435};
constexpr int kProcessColumnWidths[] = {197, 50, 75, 75};

constexpr DesignedRect kRunDialogLayout[] = {
    {TExecuteForm::kImgId, "img", 5, 4, 48, 48},     {TExecuteForm::kLbl1Id, "lbl1", 63, 14, 282, 30},
    {TExecuteForm::kBokId, "bok", 64, 104, 89, 23},  {TExecuteForm::kBclId, "bcl", 160, 104, 89, 23},
    {TExecuteForm::kBbrId, "bbr", 256, 104, 89, 23},
};
constexpr SIZE kRunClient{353, 137};

constexpr DesignedRect kAboutDialogLayout[] = {
    {TInfoForm::kImage1Id, "Image1", 8, 12, 32, 32},
    {TInfoForm::kButton1Id, "Button1", 151, 360, 75, 25},
};
constexpr SIZE kAboutClient{377, 393};

// Figures at 96 DPI scaled to the session's screen: exact at 96 DPI, within
// a pixel of rounding elsewhere.
struct Scaling {
    int dpi = 96;
    int S(int value) const { return MulDiv(value, dpi, 96); }
    int Slack() const { return dpi == 96 ? 0 : 1; }

    void ExpectRect(const RECT& r, const DesignedRect& d) const {
        EXPECT_NEAR(r.left, S(d.x), Slack()) << d.name;
        EXPECT_NEAR(r.top, S(d.y), Slack()) << d.name;
        EXPECT_NEAR(r.right - r.left, S(d.width), Slack()) << d.name;
        EXPECT_NEAR(r.bottom - r.top, S(d.height), Slack()) << d.name;
    }
    // A control on a page whose real size the tab control decides: an
    // anchored one keeps its designed distance to the lower right corner.
    void ExpectOnPage(const RECT& r, const DesignedRect& d, const RECT& page, SIZE designedPage) const {
        if (!d.anchored) return ExpectRect(r, d);
        EXPECT_NEAR(page.right - r.right, S(designedPage.cx - d.x - d.width), Slack()) << d.name;
        EXPECT_NEAR(page.bottom - r.bottom, S(designedPage.cy - d.y - d.height), Slack()) << d.name;
        EXPECT_NEAR(r.right - r.left, S(d.width), Slack()) << d.name;
        EXPECT_NEAR(r.bottom - r.top, S(d.height), Slack()) << d.name;
    }
    void ExpectSize(const RECT& r, SIZE designed, const char* what) const {
        EXPECT_NEAR(r.right - r.left, S(designed.cx), Slack()) << what;
        EXPECT_NEAR(r.bottom - r.top, S(designed.cy), Slack()) << what;
    }
};

// Which frame the session draws: "classic" (Wine's own) or "win10".
inline const char* SessionFrame() {
    const char* frame = std::getenv("VELMORA_EXPECT_FRAME");
    return frame ? frame : "classic";
}

}  // namespace velmora::wintest
