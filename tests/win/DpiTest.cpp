// Every window scales with the screen's DPI: rectangles, fonts and list
// columns are the 96-DPI figures times DPI / 96. Runs in the normal session
// and again in a session set to 144 DPI.
#include "WinTestSupport.h"

#include "process/WindowsSystem.h"
#include "ui/about/Info_win.h"
#include "ui/app/Layout_win.h"
#include "ui/main/Unit1_win.h"
#include "ui/run/Execute_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace velmora {
namespace {

using wintest::RectInParent;

class DpiTest : public testing::Test {
protected:
    void SetUp() override {
        dpi = ScreenDpi();
        std::printf("screen DPI %d\n", dpi);
        // The DPI session tells which DPI it was set to; the scaling must
        // have reached the program.
        if (const char* expected = std::getenv("VELMORA_EXPECT_DPI")) {
            ASSERT_EQ(dpi, std::atoi(expected));
        }
    }
    int S(int value) const { return MulDiv(value, dpi, 96); }
    // Within a pixel of rounding: positions add scaled parts.
    void ExpectRect(const RECT& r, int x, int y, int width, int height, const char* what) const {
        EXPECT_NEAR(r.left, S(x), 1) << what;
        EXPECT_NEAR(r.top, S(y), 1) << what;
        EXPECT_NEAR(r.right - r.left, S(width), 1) << what;
        EXPECT_NEAR(r.bottom - r.top, S(height), 1) << what;
    }
    static LONG FontHeight(HWND window) {
        LOGFONTA lf{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
        return lf.lfHeight;
    }

    int dpi = 96;
};

TEST_F(DpiTest, MainWindowControlsColumnsAndFontScale) {
    TForm1 form(WindowsSystem());
    form.QuitOnDestroy = false;
    form.Create();
    RECT outer{};
    GetWindowRect(form.Handle(), &outer);
    EXPECT_NEAR(outer.right - outer.left, S(463), 1);
    EXPECT_NEAR(outer.bottom - outer.top, S(519), 1);
    ExpectRect(RectInParent(form.Control(TForm1::kProcessViewId)), 10, 10, 417, 386, "ProcessView");
    ExpectRect(RectInParent(form.Control(TForm1::kFinalizeProcessBtnId)), 320, 403, 107, 25, "FinalizeProcessBtn");
    ExpectRect(RectInParent(form.Control(TForm1::kTaskViewId)), 10, 10, 417, 386, "TaskView");
    ExpectRect(RectInParent(form.Control(TForm1::kExecuteBtnId)), 168, 403, 83, 25, "ExecuteBtn");
    ExpectRect(RectInParent(form.Control(TForm1::kBringToFrontBtnId)), 256, 403, 83, 25, "BringToFrontBtn");
    ExpectRect(RectInParent(form.Control(TForm1::kFinalizeTaskBtnId)), 344, 403, 83, 25, "FinalizeTaskBtn");
    HWND view = form.Control(TForm1::kProcessViewId);
    const int widths[] = {197, 50, 75, 75};
    for (int column = 0; column < 4; ++column) EXPECT_NEAR(ListView_GetColumnWidth(view, column), S(widths[column]), 1);
    EXPECT_EQ(FontHeight(form.Control(TForm1::kFinalizeProcessBtnId)), -MulDiv(8, dpi, 72));

    // The minimum size scales too.
    SetWindowPos(form.Handle(), nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER);
    MINMAXINFO info{};
    SendMessageA(form.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, S(305));
    EXPECT_EQ(info.ptMinTrackSize.y, S(310));
}

TEST_F(DpiTest, RunDialogControlsScale) {
    TExecuteForm form([] { return false; });
    form.Create();
    RECT client{};
    GetClientRect(form.Handle(), &client);
    EXPECT_NEAR(client.right, S(353), 1);
    EXPECT_NEAR(client.bottom, S(137), 1);
    ExpectRect(RectInParent(form.Control(TExecuteForm::kImgId)), 5, 4, 48, 48, "img");
    ExpectRect(RectInParent(form.Control(TExecuteForm::kLbl1Id)), 63, 14, 282, 30, "lbl1");
    ExpectRect(RectInParent(form.Control(TExecuteForm::kBokId)), 64, 104, 89, 23, "bok");
    ExpectRect(RectInParent(form.Control(TExecuteForm::kBclId)), 160, 104, 89, 23, "bcl");
    ExpectRect(RectInParent(form.Control(TExecuteForm::kBbrId)), 256, 104, 89, 23, "bbr");
    RECT edt = RectInParent(form.Control(TExecuteForm::kEdtId));
    EXPECT_NEAR(edt.left, S(64), 1);
    EXPECT_NEAR(edt.right - edt.left, S(281), 1);
    EXPECT_EQ(FontHeight(form.Control(TExecuteForm::kBokId)), -MulDiv(8, dpi, 72));
}

TEST_F(DpiTest, AboutDialogClientAndButtonScale) {
    TInfoForm form;
    form.Create();
    RECT client{};
    GetClientRect(form.Handle(), &client);
    EXPECT_NEAR(client.right, S(377), 1);
    EXPECT_NEAR(client.bottom, S(393), 1);
    ExpectRect(RectInParent(form.Control(TInfoForm::kButton1Id)), 151, 360, 75, 25, "Button1");
    ExpectRect(RectInParent(form.Control(TInfoForm::kImage1Id)), 8, 12, 32, 32, "Image1");
}

}  // namespace
}  // namespace velmora
