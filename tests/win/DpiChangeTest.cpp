// Each window moved to a screen of another DPI and back, in this process:
// what the started program's test cannot see from outside (the fonts
// themselves, columns, minimum size, that nothing but the layout changed)
// and that a hundred changes leave no font behind.
#include "DpiChange.h"
#include "Layouts.h"
#include "WinTestSupport.h"

#include "base/ProcAddress_win.h"
#include "process/WindowsSystem.h"
#include "ui/app/Application_win.h"
#include "ui/app/Layout_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>

namespace velmora {
namespace {

LONG FontHeight(HFONT font) {
    LOGFONTA lf{};
    return GetObjectA(font, sizeof lf, &lf) ? lf.lfHeight : 0;
}
LONG FontHeight(HWND control) {
    return FontHeight(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
}

class DpiChangeTest : public testing::Test {
protected:
    // There and back `rounds` times: every font seen on the way but those
    // the controls use in the end must be gone, and where the system
    // counts GDI objects (Wine gives 0), the count must be back.
    void RoundTrips(HWND window, int rounds) {
        const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        std::set<HFONT> seen;
        for (int round = 0; round < rounds; ++round) {
            wintest::ThereAndBack(window, dpi, other, [&](const wintest::WindowShot& there) {
                seen.insert(there.fonts.begin(), there.fonts.end());
            });
        }
        const wintest::WindowShot end = wintest::Shoot(window);
        const std::set<HFONT> current(end.fonts.begin(), end.fonts.end());
        int alive = 0;
        for (HFONT font : seen) alive += font && !current.count(font) && GetObjectType(font) != 0;
        EXPECT_EQ(alive, 0) << "fonts left behind";
        if (gdiBefore) {
            EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore + 2);
        }
    }
    const int dpi = ScreenDpi();
    const int other = wintest::OtherDpi(dpi);
    const LONG otherFont = -MulDiv(8, other, 72);
};

// The manifest makes the program (and this suite, which carries the same
// resources) aware of each screen's DPI. Wine tells PerMonitorV2 from
// PerMonitor not apart; the release check reads the manifest itself.
TEST_F(DpiChangeTest, TheManifestAsksForPerMonitorAwareness) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    auto context = LookupProc<HANDLE(WINAPI*)()>(user32, "GetThreadDpiAwarenessContext");
    auto awareness = LookupProc<int(WINAPI*)(HANDLE)>(user32, "GetAwarenessFromDpiAwarenessContext");
    if (!context || !awareness) {
        GTEST_SKIP() << "the system keeps no DPI awareness per thread";
    }
    EXPECT_EQ(awareness(context()), 2) << "DPI_AWARENESS_PER_MONITOR_AWARE";
}

TEST_F(DpiChangeTest, MainWindowTakesTheNewFontsColumnsAndMinimumSizeAndKeepsEverythingElse) {
    TForm1 form(WindowsSystem(), Application().MessageBoxes());
    form.Create();
    HWND main = form.Handle();
    HWND view = wintest::Child(form.Handle(), TForm1::kProcessViewId);
    const int rows = ListView_GetItemCount(view);
    ASSERT_GE(rows, 3);
    ListView_SetItemState(view, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SetFocus(view);
    const std::string firstRow = wintest::ItemText(view, 0, 1);
    const auto expectUnchanged = [&] {
        EXPECT_EQ(ListView_GetItemCount(view), rows);
        EXPECT_EQ(ListView_GetNextItem(view, -1, LVNI_SELECTED), 1);
        EXPECT_EQ(wintest::ItemText(view, 0, 1), firstRow);
        EXPECT_EQ(GetFocus(), view);
        EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_TRUE(IsWindowVisible(GetParent(view)) &&
                    !IsWindowVisible(GetParent(wintest::Child(main, TForm1::kTaskViewId))));
    };
    wintest::ThereAndBack(main, dpi, other, [&](const wintest::WindowShot& there) {
        wintest::ExpectDesignedLayout(main, other);
        for (HFONT font : there.fonts) {
            if (font) {
                EXPECT_EQ(FontHeight(font), otherFont);
            }
        }
        const wintest::Scaling s{other};
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(ListView_GetColumnWidth(view, column), s.S(wintest::kProcessColumnWidths[column])) << column;
        }
        MINMAXINFO info{};
        SendMessageA(main, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.ptMinTrackSize.x, s.S(305));
        EXPECT_EQ(info.ptMinTrackSize.y, s.S(310));
        expectUnchanged();
    });
    expectUnchanged();
    EXPECT_EQ(FontHeight(wintest::Child(form.Handle(), TForm1::kFinalizeProcessBtnId)), -MulDiv(8, dpi, 72));
    EXPECT_EQ(ListView_GetColumnWidth(view, 0), MulDiv(197, dpi, 96));

    // A width the user dragged goes with the window to the other screen.
    const int dragged = MulDiv(120, dpi, 96);
    ListView_SetColumnWidth(view, 3, dragged);
    wintest::ThereAndBack(main, dpi, other, [&](const wintest::WindowShot&) {
        EXPECT_EQ(ListView_GetColumnWidth(view, 3), MulDiv(120, other, 96));
        EXPECT_EQ(ListView_GetColumnWidth(view, 0), MulDiv(197, other, 96));
    });
    EXPECT_EQ(ListView_GetColumnWidth(view, 3), dragged);
}

TEST_F(DpiChangeTest, DialogsTakeTheNewFontsWithTheAboutDialogsArialFaces) {
    TExecuteForm run(
        Application().Shell(), Application().MessageBoxes(), [] { return false; }, ShowOpenDialog);
    run.Create();
    wintest::ThereAndBack(run.Handle(), dpi, other, [&](const wintest::WindowShot&) {
        wintest::ExpectDesignedLayout(run.Handle(), other);
        for (int id : {TExecuteForm::kBokId, TExecuteForm::kLbl1Id, TExecuteForm::kEdtId}) {
            EXPECT_EQ(FontHeight(GetDlgItem(run.Handle(), id)), otherFont) << id;
        }
        COMBOBOXINFO combo{};
        combo.cbSize = sizeof(combo);
        GetComboBoxInfo(GetDlgItem(run.Handle(), TExecuteForm::kEdtId), &combo);
        EXPECT_EQ(FontHeight(combo.hwndItem), otherFont);
    });

    TInfoForm about(Application().Shell());
    about.Create();
    wintest::ThereAndBack(about.Handle(), dpi, other, [&](const wintest::WindowShot&) {
        wintest::ExpectDesignedLayout(about.Handle(), other);
        const wintest::Scaling s{other};
        const struct {
            int label;
            LONG height;
        } fonts[] = {{1, -s.S(24)}, {10, -s.S(11)}, {15, -s.S(12)}, {3, -s.S(13)}, {4, otherFont}, {12, otherFont}};
        for (const auto& f : fonts)
            EXPECT_EQ(FontHeight(GetDlgItem(about.Handle(), TInfoForm::LabelId(f.label))), f.height);
        EXPECT_NEAR(wintest::RectInParent(GetDlgItem(about.Handle(), TInfoForm::LabelId(15))).right, s.S(368), 1);
    });
}

TEST_F(DpiChangeTest, AHundredChangesLeaveNoFontOfTheMainWindowBehind) {
    TForm1 form(WindowsSystem(), Application().MessageBoxes());
    form.Create();
    RoundTrips(form.Handle(), 100);
}

TEST_F(DpiChangeTest, AHundredChangesLeaveNoFontOfTheDialogsBehind) {
    TExecuteForm run(
        Application().Shell(), Application().MessageBoxes(), [] { return false; }, ShowOpenDialog);
    run.Create();
    RoundTrips(run.Handle(), 100);
    TInfoForm about(Application().Shell());
    about.Create();
    RoundTrips(about.Handle(), 100);
}

}  // namespace
}  // namespace velmora
