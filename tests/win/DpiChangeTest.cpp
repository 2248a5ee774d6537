// Each window moved to a screen of another DPI and back, as Windows tells
// it with WM_DPICHANGED: it takes the suggested rectangle, its controls and
// fonts those of the new DPI, and back at the first DPI every rectangle is
// the one before, with nothing else changed and no font left behind.
#include "DpiChange.h"
#include "Layouts.h"
#include "WinTestSupport.h"

#include "base/ProcAddress_win.h"
#include "process/WindowsSystem.h"
#include "ui/app/Layout_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>

namespace velmora {
namespace {

using wintest::RectInParent;
using wintest::SameRect;
using wintest::Shoot;
using wintest::WindowShot;

LONG FontHeight(HWND control) {
    LOGFONTA lf{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf.lfHeight;
}

void ExpectSameLayout(const WindowShot& before, const WindowShot& after) {
    EXPECT_TRUE(SameRect(after.window, before.window)) << "window";
    EXPECT_TRUE(SameRect(after.client, before.client)) << "client area";
    ASSERT_EQ(after.places.size(), before.places.size());
    for (std::size_t i = 0; i < before.places.size(); ++i) {
        char name[64] = {};
        GetClassNameA(before.controls[i], name, sizeof name);
        EXPECT_TRUE(SameRect(after.places[i], before.places[i]))
            << name << " " << GetDlgCtrlID(before.controls[i]) << ": " << after.places[i].left << ","
            << after.places[i].top << " " << after.places[i].right << "," << after.places[i].bottom << " was "
            << before.places[i].left << "," << before.places[i].top << " " << before.places[i].right << ","
            << before.places[i].bottom;
    }
}

// Every font a control used before the change is gone, unless a control
// still uses it.
void ExpectRetired(const WindowShot& before, const WindowShot& after) {
    const std::set<HFONT> current(after.fonts.begin(), after.fonts.end());
    for (HFONT font : before.fonts) {
        if (!font || current.count(font)) continue;
        EXPECT_EQ(GetObjectType(font), 0u) << "an old font still exists";
    }
}

class DpiChangeTest : public testing::Test {
protected:
    void SetUp() override {
        dpi = ScreenDpi();
        other = wintest::OtherDpi(dpi);
        std::printf("from %d to %d DPI and back\n", dpi, other);
    }
    // To `other` and back `rounds` times; every font seen on the way but
    // those the controls use in the end must be gone.
    void RoundTrips(HWND window, int rounds) {
        const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        const WindowShot start = Shoot(window);
        std::set<HFONT> seen(start.fonts.begin(), start.fonts.end());
        for (int round = 0; round < rounds; ++round) {
            wintest::SendDpiChanged(window, other, wintest::Suggested(window, dpi, other));
            const WindowShot there = Shoot(window);
            seen.insert(there.fonts.begin(), there.fonts.end());
            wintest::SendDpiChanged(window, dpi, start.window);
        }
        const WindowShot end = Shoot(window);
        ExpectSameLayout(start, end);
        const std::set<HFONT> current(end.fonts.begin(), end.fonts.end());
        int alive = 0;
        for (HFONT font : seen) {
            if (font && !current.count(font) && GetObjectType(font) != 0) ++alive;
        }
        EXPECT_EQ(alive, 0) << "fonts left behind after " << rounds << " round trips";
        // Wine counts no GDI objects (0); Windows does.
        const DWORD gdiAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        std::printf("GDI objects %lu before, %lu after\n", gdiBefore, gdiAfter);
        if (gdiBefore) {
            EXPECT_LE(gdiAfter, gdiBefore + 2);
        }
    }
    int dpi = 96;
    int other = 144;
};

// The manifest makes the program (and this suite, which carries the same
// resources) aware of each screen's DPI where the system knows the setting.
TEST_F(DpiChangeTest, TheManifestAsksForPerMonitorAwareness) {
    using GetContextFn = HANDLE(WINAPI*)();
    using AwarenessFn = int(WINAPI*)(HANDLE);
    HMODULE user32 = GetModuleHandleA("user32.dll");
    auto getContext = LookupProc<GetContextFn>(user32, "GetThreadDpiAwarenessContext");
    auto awareness = LookupProc<AwarenessFn>(user32, "GetAwarenessFromDpiAwarenessContext");
    if (!getContext || !awareness) {
        GTEST_SKIP() << "the system keeps no DPI awareness per thread";
    }
    EXPECT_EQ(awareness(getContext()), 2) << "DPI_AWARENESS_PER_MONITOR_AWARE";
}

TEST_F(DpiChangeTest, MainWindowLaysOutForTheNewDpiKeepsItsStateAndReturnsExactly) {
    TForm1 form(WindowsSystem());
    form.QuitOnDestroy = false;
    form.Create();
    HWND main = form.Handle();
    HWND view = form.Control(TForm1::kProcessViewId);
    HWND button = form.Control(TForm1::kFinalizeProcessBtnId);
    const int rows = ListView_GetItemCount(view);
    ASSERT_GE(rows, 3);
    ListView_SetItemState(view, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SetFocus(view);
    const std::string firstRow = wintest::ItemText(view, 0, 1);
    const WindowShot before = Shoot(main);

    const RECT suggested = wintest::Suggested(main, dpi, other);
    wintest::SendDpiChanged(main, other, suggested);
    RECT now{};
    GetWindowRect(main, &now);
    EXPECT_TRUE(SameRect(now, wintest::Reachable(suggested))) << "the suggested rectangle";
    const wintest::Scaling s{other};
    for (const wintest::DesignedRect& d : wintest::kMainWindowLayout) {
        HWND control = form.Control(d.id);
        RECT page{};
        GetClientRect(GetParent(control), &page);
        s.ExpectOnPage(RectInParent(control), d, page, wintest::kMainPage);
        EXPECT_EQ(FontHeight(control), -MulDiv(8, other, 72)) << d.name;
    }
    EXPECT_EQ(FontHeight(form.PageControl()), -MulDiv(8, other, 72));
    for (int column = 0; column < 4; ++column) {
        EXPECT_NEAR(ListView_GetColumnWidth(view, column), s.S(wintest::kProcessColumnWidths[column]), s.Slack());
    }
    MINMAXINFO info{};
    SendMessageA(main, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, s.S(305));
    EXPECT_EQ(info.ptMinTrackSize.y, s.S(310));
    ExpectRetired(before, Shoot(main));
    // Nothing but the layout changed.
    EXPECT_EQ(ListView_GetItemCount(view), rows);
    EXPECT_EQ(ListView_GetNextItem(view, -1, LVNI_SELECTED), 1);
    EXPECT_EQ(wintest::ItemText(view, 0, 1), firstRow);
    EXPECT_EQ(GetFocus(), view);
    EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(form.Page(1)));
    EXPECT_FALSE(IsWindowVisible(form.Page(0)));

    wintest::SendDpiChanged(main, dpi, before.window);
    ExpectSameLayout(before, Shoot(main));
    EXPECT_EQ(FontHeight(button), -MulDiv(8, dpi, 72));
    for (int column = 0; column < 4; ++column) {
        EXPECT_NEAR(ListView_GetColumnWidth(view, column), MulDiv(wintest::kProcessColumnWidths[column], dpi, 96), 1);
    }
    EXPECT_EQ(ListView_GetNextItem(view, -1, LVNI_SELECTED), 1);
    EXPECT_EQ(GetFocus(), view);
}

TEST_F(DpiChangeTest, RunDialogLaysOutForTheNewDpiAndReturnsExactly) {
    TExecuteForm form([] { return false; });
    form.Create();
    HWND dialog = form.Handle();
    const WindowShot before = Shoot(dialog);
    const RECT suggested = wintest::Suggested(dialog, dpi, other);
    wintest::SendDpiChanged(dialog, other, suggested);
    RECT now{};
    GetWindowRect(dialog, &now);
    EXPECT_TRUE(SameRect(now, wintest::Reachable(suggested)));
    const wintest::Scaling s{other};
    for (const wintest::DesignedRect& d : wintest::kRunDialogLayout) s.ExpectRect(RectInParent(form.Control(d.id)), d);
    const RECT edt = RectInParent(form.Control(TExecuteForm::kEdtId));
    EXPECT_NEAR(edt.left, s.S(64), 1);
    EXPECT_NEAR(edt.right - edt.left, s.S(281), 1);
    for (int id : {TExecuteForm::kBokId, TExecuteForm::kLbl1Id, TExecuteForm::kEdtId}) {
        EXPECT_EQ(FontHeight(form.Control(id)), -MulDiv(8, other, 72)) << id;
    }
    EXPECT_EQ(FontHeight(form.EditField()), -MulDiv(8, other, 72));
    ExpectRetired(before, Shoot(dialog));

    wintest::SendDpiChanged(dialog, dpi, before.window);
    ExpectSameLayout(before, Shoot(dialog));
    EXPECT_EQ(FontHeight(form.Control(TExecuteForm::kBokId)), -MulDiv(8, dpi, 72));
}

TEST_F(DpiChangeTest, AboutDialogLaysOutForTheNewDpiWithItsArialFacesAndReturnsExactly) {
    TInfoForm form;
    form.Create();
    HWND dialog = form.Handle();
    const WindowShot before = Shoot(dialog);
    const RECT suggested = wintest::Suggested(dialog, dpi, other);
    wintest::SendDpiChanged(dialog, other, suggested);
    RECT now{};
    GetWindowRect(dialog, &now);
    EXPECT_TRUE(SameRect(now, wintest::Reachable(suggested)));
    const wintest::Scaling s{other};
    for (const wintest::DesignedRect& d : wintest::kAboutDialogLayout) {
        s.ExpectRect(RectInParent(form.Control(d.id)), d);
    }
    const struct {
        int label;
        int height;
    } fonts[] = {{1, -s.S(24)},
                 {10, -s.S(11)},
                 {15, -s.S(12)},
                 {3, -s.S(13)},
                 {4, -MulDiv(8, other, 72)},
                 {12, -MulDiv(8, other, 72)}};
    for (const auto& f : fonts) EXPECT_EQ(FontHeight(form.Control(TInfoForm::LabelId(f.label))), f.height) << f.label;
    // Right-aligned labels keep their right edge.
    EXPECT_NEAR(RectInParent(form.Control(TInfoForm::LabelId(15))).right, s.S(368), 1);
    EXPECT_NEAR(RectInParent(form.Control(TInfoForm::LabelId(2))).right, s.S(166), 1);
    ExpectRetired(before, Shoot(dialog));

    wintest::SendDpiChanged(dialog, dpi, before.window);
    ExpectSameLayout(before, Shoot(dialog));
    EXPECT_EQ(FontHeight(form.Control(TInfoForm::LabelId(1))), -MulDiv(24, dpi, 96));
}

// A hundred round trips per window, each window in a test of its own.
TEST_F(DpiChangeTest, AHundredChangesLeaveNoFontOfTheMainWindowBehind) {
    TForm1 form(WindowsSystem());
    form.QuitOnDestroy = false;
    form.Create();
    RoundTrips(form.Handle(), 100);
}

TEST_F(DpiChangeTest, AHundredChangesLeaveNoFontOfTheRunDialogBehind) {
    TExecuteForm form([] { return false; });
    form.Create();
    RoundTrips(form.Handle(), 100);
}

TEST_F(DpiChangeTest, AHundredChangesLeaveNoFontOfTheAboutDialogBehind) {
    TInfoForm form;
    form.Create();
    RoundTrips(form.Handle(), 100);
}

}  // namespace
}  // namespace velmora
