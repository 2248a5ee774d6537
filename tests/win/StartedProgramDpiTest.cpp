// The shipped program's three windows moved to a screen of another DPI and
// back, told so from another process as Windows tells them: each takes the
// suggested rectangle and the layout and fonts of the new DPI, and back at
// the first DPI every rectangle is the one before.
#include "DpiChange.h"
#include "Layouts.h"
#include "StartedProgram.h"

#include "ui/about/Info_win.h"
#include "ui/main/Unit1_win.h"
#include "ui/run/Execute_win.h"

#include "ui/app/Layout_win.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>

namespace velmora {
namespace {

using wintest::SameRect;
using wintest::Shoot;
using wintest::StartedProgram;
using wintest::WindowShot;

// A font's height read in this process. Windows shares GDI handles between
// processes, so a font the program made can be read from here; Wine does
// not, and gives 0.
LONG FontHeight(HWND control) {
    LOGFONTA lf{};
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    return GetObjectA(font, sizeof lf, &lf) ? lf.lfHeight : 0;
}

// A control of `window`, found by its identifier.
HWND Child(HWND window, int id) {
    std::pair<int, HWND> search{id, nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<std::pair<int, HWND>*>(param);
            if (GetDlgCtrlID(child) != s.first) return TRUE;
            s.second = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

void ExpectSameLayout(const WindowShot& before, const WindowShot& after) {
    EXPECT_TRUE(SameRect(after.window, before.window)) << "window";
    EXPECT_TRUE(SameRect(after.client, before.client)) << "client area";
    ASSERT_EQ(after.places.size(), before.places.size());
    for (std::size_t i = 0; i < before.places.size(); ++i) {
        EXPECT_TRUE(SameRect(after.places[i], before.places[i])) << "control " << GetDlgCtrlID(before.controls[i]);
    }
}

void Print(const char* what, const RECT& r) {
    std::printf("  %-28s (%ld, %ld) %ld x %ld\n", what, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void PrintWindow(const char* what, HWND window) {
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    std::printf("%s\n", what);
    Print("window", outer);
    Print("client", client);
}

// Tells `window` it moved to `other` DPI, checks what `atOther` says, and
// tells it back; every rectangle must then be the one before.
template <typename Check>
void ThereAndBack(HWND window, int dpi, int other, bool fontsReadable, const char* name, Check atOther) {
    SCOPED_TRACE(name);
    const WindowShot before = Shoot(window);
    const RECT suggested = wintest::Suggested(window, dpi, other);
    ASSERT_TRUE(wintest::SendDpiChanged(window, other, suggested));
    RECT now{};
    GetWindowRect(window, &now);
    EXPECT_TRUE(SameRect(now, wintest::Reachable(suggested))) << "the suggested rectangle";
    atOther(wintest::Scaling{other});
    const WindowShot there = Shoot(window);
    // The fonts of the first DPI are gone once no control uses them.
    const std::set<HFONT> current(there.fonts.begin(), there.fonts.end());
    for (HFONT font : before.fonts) {
        if (fontsReadable && font && !current.count(font)) {
            EXPECT_EQ(GetObjectType(font), 0u) << "an old font still exists";
        }
    }
    ASSERT_TRUE(wintest::SendDpiChanged(window, dpi, before.window));
    ExpectSameLayout(before, Shoot(window));
}

// A label sized to its text is as high as a line of its font: its height
// at the new DPI tells, from any process, which font the label has. Within
// 3 px: "MS Sans Serif" comes in a few pixel sizes only.
void ExpectTextHeightScaled(HWND label, LONG heightBefore, int dpi, int other) {
    const RECT r = wintest::RectInParent(label);
    EXPECT_NEAR(r.bottom - r.top, MulDiv(heightBefore, other, dpi), 3) << "control " << GetDlgCtrlID(label);
}

LONG Height(HWND control) {
    const RECT r = wintest::RectInParent(control);
    return r.bottom - r.top;
}

TEST(StartedProgramTest, EachWindowFollowsAChangeOfDpiAndReturnsToItsLayoutExactly) {
    // The rectangle of the message travels by pointer; an emulated program's
    // memory is out of reach of this process.
    if (std::getenv("VELMORA_PROGRAM_EMULATED")) {
        GTEST_SKIP() << "the emulated program's memory is out of reach";
    }
    StartedProgram program;
    const int dpi = ScreenDpi();
    const int other = wintest::OtherDpi(dpi);
    const LONG otherFont = -MulDiv(8, other, 72);
    HWND main = program.MainWindow();
    HWND run = program.AnyWindow("TExecuteForm");
    HWND about = program.AnyWindow("TInfoForm");
    ASSERT_TRUE(run && about);
    // GDI handles are the system's, so this process reads the program's
    // fonts; where it could not, the fonts go unchecked.
    const bool fontsReadable = FontHeight(program.Control(TForm1::kFinalizeProcessBtnId)) != 0;
    std::printf("%d DPI to %d and back; fonts %sreadable from here\n", dpi, other, fontsReadable ? "" : "not ");

    PrintWindow("main window", main);
    ThereAndBack(main, dpi, other, fontsReadable, "main window", [&](const wintest::Scaling& s) {
        PrintWindow("main window, changed", main);
        for (const wintest::DesignedRect& d : wintest::kMainWindowLayout) {
            HWND control = Child(main, d.id);
            ASSERT_TRUE(control) << d.name;
            RECT page{};
            GetClientRect(GetParent(control), &page);
            const RECT r = wintest::RectInParent(control);
            Print(d.name, r);
            s.ExpectOnPage(r, d, page, wintest::kMainPage);
            if (fontsReadable) {
                EXPECT_EQ(FontHeight(control), otherFont) << d.name;
            }
        }
    });
    for (int id : {TForm1::kProcessViewId, TForm1::kFinalizeProcessBtnId}) {
        Print(id == TForm1::kProcessViewId ? "ProcessView" : "FinalizeProcessBtn",
              wintest::RectInParent(Child(main, id)));
    }

    PrintWindow("run dialog", run);
    const LONG openHeight = Height(Child(run, TExecuteForm::kLabel1Id));
    ThereAndBack(run, dpi, other, fontsReadable, "run dialog", [&](const wintest::Scaling& s) {
        PrintWindow("run dialog, changed", run);
        for (const wintest::DesignedRect& d : wintest::kRunDialogLayout) {
            s.ExpectRect(wintest::RectInParent(Child(run, d.id)), d);
        }
        ExpectTextHeightScaled(Child(run, TExecuteForm::kLabel1Id), openHeight, dpi, other);
        if (fontsReadable) {
            EXPECT_EQ(FontHeight(Child(run, TExecuteForm::kBokId)), otherFont);
        }
    });

    PrintWindow("about dialog", about);
    const LONG titleHeight = Height(Child(about, TInfoForm::LabelId(1)));
    const LONG headingHeight = Height(Child(about, TInfoForm::LabelId(3)));
    ThereAndBack(about, dpi, other, fontsReadable, "about dialog", [&](const wintest::Scaling& s) {
        PrintWindow("about dialog, changed", about);
        for (const wintest::DesignedRect& d : wintest::kAboutDialogLayout) {
            s.ExpectRect(wintest::RectInParent(Child(about, d.id)), d);
        }
        ExpectTextHeightScaled(Child(about, TInfoForm::LabelId(1)), titleHeight, dpi, other);
        ExpectTextHeightScaled(Child(about, TInfoForm::LabelId(3)), headingHeight, dpi, other);
        EXPECT_NEAR(wintest::RectInParent(Child(about, TInfoForm::LabelId(15))).right, s.S(368), 1);
        if (fontsReadable) {
            EXPECT_EQ(FontHeight(Child(about, TInfoForm::LabelId(1))), -s.S(24));
        }
    });
}

}  // namespace
}  // namespace velmora
