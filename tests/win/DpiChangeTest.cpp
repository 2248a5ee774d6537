// Each window moved to a screen of another DPI and back, in this process:
// what the started program's test cannot see from outside (the fonts
// themselves, columns, minimum size, that nothing but the layout changed),
// that a hundred changes leave no font behind, a change nested in the move,
// that the layout check catches a control left behind, and that a dialog's
// controls go before its font.
#include "DpiChange.h"
#include "Layouts.h"
#include "WinTestSupport.h"

#include "base/ProcAddress_win.h"
#include "process/WindowsSystem.h"
#include "ui/app/Application_win.h"
#include "ui/app/Layout_win.h"

#include <commctrl.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>

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

// The failures `check` reports, caught rather than counted, one a line.
std::string FailuresOf(const std::function<void()>& check) {
    testing::TestPartResultArray results;
    {
        testing::ScopedFakeTestPartResultReporter reporter(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        check();
    }
    std::string all;
    for (int i = 0; i < results.size(); ++i) all += std::string(results.GetTestPartResult(i).message()) + "\n";
    return all;
}

// Tells `window` it moved to a screen of `dpi`, suggesting its designed
// outer size there.
void MoveTo(HWND window, int dpi) {
    RECT r{};
    GetWindowRect(window, &r);
    const SIZE size = wintest::DesignedOuterSize(window, dpi);
    ASSERT_TRUE(wintest::SendDpiChanged(window, dpi, {r.left, r.top, r.left + size.cx, r.top + size.cy}));
}

// After a change of DPI, one control put back where the old DPI had it:
// the layout check must name it. Before that, it must find nothing.
void ExpectLeftBehindCaught(HWND window, int id, const char* name, int other) {
    HWND control = wintest::Child(window, id);
    ASSERT_TRUE(control) << name;
    const RECT old = wintest::RectInParent(control);
    MoveTo(window, other);
    EXPECT_EQ(FailuresOf([&] { wintest::ExpectDesignedLayout(window, other); }), "") << name;
    MoveWindow(control, old.left, old.top, old.right - old.left, old.bottom - old.top, FALSE);
    const std::string failures = FailuresOf([&] { wintest::ExpectDesignedLayout(window, other); });
    EXPECT_NE(failures.find(name), std::string::npos) << name << " left behind was not caught:\n" << failures;
}

TEST_F(DpiChangeTest, TheLayoutCheckCatchesAControlLeftAtItsOldPlaceAndOneInNoTable) {
    TExecuteForm run(Application().Shell(), Application().MessageBoxes(), [] { return false; }, ShowOpenDialog);
    run.Create();
    ExpectLeftBehindCaught(run.Handle(), TExecuteForm::kEdtId, "edt", other);
    CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, run.Handle(),
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(999)), GetModuleHandleA(nullptr), nullptr);
    const std::string failures = FailuresOf([&] { wintest::ExpectDesignedLayout(run.Handle(), other); });
    EXPECT_NE(failures.find("control 999 (Static) is in no table"), std::string::npos) << failures;

    TInfoForm about(Application().Shell());
    about.Create();
    ExpectLeftBehindCaught(about.Handle(), TInfoForm::LabelId(12), "Label12", other);

    TForm1 form(WindowsSystem(), Application().MessageBoxes());
    form.Create();
    ExpectLeftBehindCaught(form.Handle(), TForm1::kFinalizeProcessBtnId, "FinalizeProcessBtn", other);
}

// Windows sends WM_DPICHANGED from inside the move to the suggested
// rectangle when that rectangle lies on a screen of a third DPI. The column
// widths must be carried once per change, each from the DPI they are at.
struct Nested {
    int dpi;
    bool armed = true;
};
LRESULT CALLBACK NestChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto& nested = *reinterpret_cast<Nested*>(data);
    if (message == WM_WINDOWPOSCHANGED && nested.armed) {
        nested.armed = false;
        RECT r{};
        GetWindowRect(window, &r);
        wintest::SendDpiChanged(window, nested.dpi, r);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(DpiChangeTest, AChangeNestedInTheMoveCarriesEachColumnWidthFromTheDpiItIsAt) {
    TForm1 form(WindowsSystem(), Application().MessageBoxes());
    form.Create();
    HWND main = form.Handle();
    HWND view = wintest::Child(main, TForm1::kProcessViewId);
    Nested nested{120};
    SetWindowSubclass(main, NestChange, 1, reinterpret_cast<DWORD_PTR>(&nested));
    MoveTo(main, other);
    RemoveWindowSubclass(main, NestChange, 1);
    ASSERT_FALSE(nested.armed);
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(ListView_GetColumnWidth(view, column), MulDiv(wintest::kProcessColumnWidths[column], 120, 96))
            << column;
    }
    EXPECT_EQ(FontHeight(view), -MulDiv(8, 120, 72));
}

// No control draws during the change: whenever a control takes its new
// font or its new place, it is not visible (the window itself is).
struct SeenVisible {
    int messages = 0;
    int visible = 0;
};
LRESULT CALLBACK WatchVisible(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto& seen = *reinterpret_cast<SeenVisible*>(data);
    if (message == WM_SETFONT || message == WM_WINDOWPOSCHANGED) {
        ++seen.messages;
        seen.visible += IsWindowVisible(control) ? 1 : 0;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

TEST_F(DpiChangeTest, NoControlIsVisibleWhileItTakesItsNewFontAndPlace) {
    TExecuteForm run(Application().Shell(), Application().MessageBoxes(), [] { return false; }, ShowOpenDialog);
    run.Create();
    ShowWindow(run.Handle(), SW_SHOWNA);
    TForm1 form(WindowsSystem(), Application().MessageBoxes());
    form.Create();
    for (const auto& [window, id] :
         {std::pair{run.Handle(), int{TExecuteForm::kBokId}}, std::pair{form.Handle(), int{TForm1::kProcessViewId}}}) {
        HWND control = wintest::Child(window, id);
        ASSERT_TRUE(IsWindowVisible(control)) << id;
        SeenVisible seen;
        SetWindowSubclass(control, WatchVisible, 1, reinterpret_cast<DWORD_PTR>(&seen));
        MoveTo(window, other);
        RemoveWindowSubclass(control, WatchVisible, 1);
        EXPECT_GE(seen.messages, 2) << id;
        EXPECT_EQ(seen.visible, 0) << id;
        EXPECT_TRUE(IsWindowVisible(window) && IsWindowVisible(control)) << id;
    }
    EXPECT_FALSE(IsWindowVisible(wintest::Child(form.Handle(), TForm1::kTaskViewId))) << "the hidden page";
}

// The controls of a dialog are destroyed while the font they show exists.
struct FontAtDestroy {
    bool destroyed = false;
    bool fontAlive = false;
};
LRESULT CALLBACK WatchDestroy(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto& seen = *reinterpret_cast<FontAtDestroy*>(data);
    if (message == WM_DESTROY) {
        seen.destroyed = true;
        seen.fontAlive = GetObjectType(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0))) == OBJ_FONT;
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, WatchDestroy, 1);
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

TEST_F(DpiChangeTest, ADialogsControlsAreDestroyedBeforeTheFontTheyShow) {
    FontAtDestroy seen;
    {
        TExecuteForm run(Application().Shell(), Application().MessageBoxes(), [] { return false; }, ShowOpenDialog);
        run.Create();
        SetWindowSubclass(wintest::Child(run.Handle(), TExecuteForm::kBokId), WatchDestroy, 1,
                          reinterpret_cast<DWORD_PTR>(&seen));
    }
    EXPECT_TRUE(seen.destroyed);
    EXPECT_TRUE(seen.fontAlive) << "bok was destroyed after its font";
}

}  // namespace
}  // namespace velmora
