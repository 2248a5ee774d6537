// Every window keeps its designed layout on the session's screen: the 96-DPI
// figures times DPI / 96, exactly, whatever frame the system draws around
// the main window. Runs in the normal session, at 144 DPI and under Windows
// 10 frames.
#include "DpiChange.h"
#include "Layouts.h"
#include "StartedProgram.h"
#include "WinTestSupport.h"

#include "process/WindowsSystem.h"
#include "ui/app/Application_win.h"
#include "ui/app/Layout_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace velmora {
namespace {

using wintest::RectInParent;

class LayoutTest : public testing::Test, protected wintest::Scaling {
protected:
    void SetUp() override {
        dpi = ScreenDpi();
        std::printf("screen DPI %d, %s frame\n", dpi, wintest::SessionFrame());
        // The session tells which DPI it was set to; the scaling must have
        // reached the program.
        if (const char* expected = std::getenv("VELMORA_EXPECT_DPI")) {
            ASSERT_EQ(dpi, std::atoi(expected));
        }
    }
    static LONG FontHeight(HWND window) {
        LOGFONTA lf{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
        return lf.lfHeight;
    }
    // A page of the designed size; at other DPIs the tab control's own
    // metrics (its tab row follows the font) leave a few pixels more or less.
    void ExpectPage(HWND page) const {
        RECT r{};
        GetClientRect(page, &r);
        if (dpi == 96) return ExpectSize(r, wintest::kMainPage, "page");
        EXPECT_NEAR(r.right, S(wintest::kMainPage.cx), S(8)) << "page";
        EXPECT_NEAR(r.bottom, S(wintest::kMainPage.cy), S(8)) << "page";
    }
    // The outer size the frame adds to the designed client area.
    void ExpectFrameAroundClient(HWND window) const {
        RECT outer{}, client{};
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        RECT expected{0, 0, client.right, client.bottom};
        AdjustWindowRectEx(&expected, GetWindowLongA(window, GWL_STYLE), TRUE, GetWindowLongA(window, GWL_EXSTYLE));
        std::printf("outer %ld x %ld around a client area of %ld x %ld\n", outer.right - outer.left,
                    outer.bottom - outer.top, client.right, client.bottom);
        EXPECT_EQ(outer.right - outer.left, expected.right - expected.left);
        EXPECT_EQ(outer.bottom - outer.top, expected.bottom - expected.top);
        if (dpi == 96 && std::strcmp(wintest::SessionFrame(), "classic") == 0) {
            EXPECT_EQ(outer.right - outer.left, 463);
            EXPECT_EQ(outer.bottom - outer.top, 519);
        }
        if (std::strcmp(wintest::SessionFrame(), "win10") == 0) {
            // The thicker frame makes the window larger, not the pages smaller.
            EXPECT_GT(outer.right - outer.left, S(463));
            EXPECT_GT(outer.bottom - outer.top, S(519));
        }
    }
};

TEST_F(LayoutTest, MainWindowHasItsDesignedClientAreaPagesControlsColumnsAndFont) {
    TForm1 form(WindowsSystem(), Application().MessageBoxes());
    form.Create();
    RECT client{};
    GetClientRect(form.Handle(), &client);
    ExpectSize(client, wintest::kMainClient, "client area");
    ExpectFrameAroundClient(form.Handle());
    for (int id : {TForm1::kTaskViewId, TForm1::kProcessViewId})
        ExpectPage(GetParent(wintest::Child(form.Handle(), id)));
    wintest::ExpectDesignedLayout(form.Handle(), dpi);
    HWND view = wintest::Child(form.Handle(), TForm1::kProcessViewId);
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(ListView_GetColumnWidth(view, column), S(wintest::kProcessColumnWidths[column])) << column;
    }
    EXPECT_EQ(FontHeight(wintest::Child(form.Handle(), TForm1::kFinalizeProcessBtnId)), -MulDiv(8, dpi, 72));

    // The minimum size scales too.
    SetWindowPos(form.Handle(), nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER);
    MINMAXINFO info{};
    SendMessageA(form.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, S(305));
    EXPECT_EQ(info.ptMinTrackSize.y, S(310));
}

TEST_F(LayoutTest, RunDialogHasItsDesignedClientAreaAndControls) {
    TExecuteForm form(
        Application().Shell(), Application().MessageBoxes(), [] { return false; }, ShowOpenDialog);
    form.Create();
    RECT client{};
    GetClientRect(form.Handle(), &client);
    ExpectSize(client, wintest::kRunClient, "client area");
    wintest::ExpectDesignedLayout(form.Handle(), dpi);
    EXPECT_EQ(FontHeight(wintest::Child(form.Handle(), TExecuteForm::kBokId)), -MulDiv(8, dpi, 72));
}

TEST_F(LayoutTest, AboutDialogHasItsDesignedClientAreaAndControls) {
    TInfoForm form(Application().Shell());
    form.Create();
    RECT client{};
    GetClientRect(form.Handle(), &client);
    ExpectSize(client, wintest::kAboutClient, "client area");
    wintest::ExpectDesignedLayout(form.Handle(), dpi);
}

// The same read from outside, on the program as users start it.
struct FoundControl {
    int id;
    HWND window;
};
BOOL CALLBACK FindById(HWND child, LPARAM param) {
    auto* found = reinterpret_cast<FoundControl*>(param);
    if (GetDlgCtrlID(child) == found->id && IsWindowVisible(child)) {
        found->window = child;
        return FALSE;
    }
    return TRUE;
}

TEST_F(LayoutTest, TheStartedProgramShowsTheDesignedClientAreaAndProcessPage) {
    wintest::StartedProgram program;
    HWND main = program.MainWindow();
    RECT client{};
    GetClientRect(main, &client);
    ExpectSize(client, wintest::kMainClient, "client area");
    ExpectFrameAroundClient(main);
    for (const wintest::DesignedRect& d : wintest::kMainWindowLayout) {
        if (d.id != TForm1::kProcessViewId && d.id != TForm1::kFinalizeProcessBtnId) continue;  // the shown page
        FoundControl found{d.id, nullptr};
        EnumChildWindows(main, FindById, reinterpret_cast<LPARAM>(&found));
        ASSERT_TRUE(found.window) << d.name;
        RECT page{};
        GetClientRect(GetParent(found.window), &page);
        ExpectPage(GetParent(found.window));
        ExpectOnPage(RectInParent(found.window), d, page, wintest::kMainPage);
    }
}

}  // namespace
}  // namespace velmora
