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

// The about dialog's labels: where each starts (a right-aligned one: where
// it ends) and, for a wrapped one, its box; the others take their text's
// size in their font and 3 px more. A face of null is the window font,
// "MS Sans Serif" 8 pt; the links are that font underlined.
struct DesignedLabel {
    int number;  // LabelN
    int x, y, width, height;
    bool right;
    const char* face;
    int pixels;
    bool bold;
    bool underline;
};
constexpr DesignedLabel kAboutLabels[] = {
    {1, 48, 11, 0, 0, false, "Arial", 24, false, false},   {10, 54, 33, 0, 0, false, "Arial", 11, false, false},
    {2, 166, 33, 0, 0, true, "Arial", 11, false, false},   {15, 368, 16, 0, 0, true, "Arial", 12, true, false},
    {16, 368, 32, 0, 0, true, "Arial", 12, true, false},   {3, 8, 83, 0, 0, false, "Arial", 13, true, false},
    {4, 8, 104, 0, 0, false, nullptr, 0, false, false},    {11, 8, 122, 0, 0, false, nullptr, 0, false, false},
    {12, 64, 122, 0, 0, false, nullptr, 0, false, true},   {13, 8, 140, 0, 0, false, nullptr, 0, false, false},
    {14, 64, 140, 0, 0, false, nullptr, 0, false, true},   {5, 8, 165, 0, 0, false, "Arial", 13, true, false},
    {7, 8, 186, 357, 78, false, nullptr, 0, false, false}, {8, 8, 275, 0, 0, false, "Arial", 13, true, false},
    {6, 8, 296, 351, 52, false, nullptr, 0, false, false},
};
constexpr int kFittedLabelSlack = 3;

// The run dialog's two controls that the font sizes: Label1 takes its
// text's size, the closed combo box its font's height.
constexpr POINT kRunLabel1{8, 67};
constexpr DesignedRect kRunCombo{TExecuteForm::kEdtId, "edt", 64, 64, 281, 200};

// The main window's bevel (2 px) and margins (5 px) around the page control.
constexpr int kMainBevel = 2;
constexpr int kMainMargin = 5;

// Figures at 96 DPI scaled to the session's screen, each on its own, as
// MulDiv rounds: exact at every DPI (no tolerance left).
struct Scaling {
    int dpi = 96;
    int S(int value) const { return MulDiv(value, dpi, 96); }
    int Slack() const { return 0; }

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
