// The shipped program's three windows moved to a screen of another DPI and
// back, told so from another process as Windows tells them: every control
// where the design puts it before, there and after, and the numbers of the
// way there and back printed.
#include "DpiChange.h"
#include "StartedProgram.h"

#include "ui/about/Info_win.h"
#include "ui/app/Layout_win.h"
#include "ui/main/Unit1_win.h"
#include "ui/run/Execute_win.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace velmora {
namespace {

LONG Height(HWND control) {
    const RECT r = wintest::RectInParent(control);
    return r.bottom - r.top;
}

void Print(const char* what, HWND window) {
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    std::printf("%-14s window (%ld, %ld) %ld x %ld, client %ld x %ld\n", what, outer.left, outer.top,
                outer.right - outer.left, outer.bottom - outer.top, client.right, client.bottom);
    for (int id : {TForm1::kProcessViewId, TForm1::kFinalizeProcessBtnId}) {
        if (HWND control = wintest::Child(window, id)) {
            const RECT r = wintest::RectInParent(control);
            std::printf("%-14s control %d (%ld, %ld) %ld x %ld\n", "", id, r.left, r.top, r.right - r.left,
                        r.bottom - r.top);
        }
    }
}

// Windows shares GDI handles between processes, Wine does not: the fonts
// are read through labels sized to their text, as high as a line of their
// font (within 3 px: "MS Sans Serif" comes in a few pixel sizes only).
TEST(StartedProgramTest, EachWindowFollowsAChangeOfDpiAndReturnsToItsLayoutExactly) {
    // The message's rectangle is written into the program's memory, which
    // is out of reach where the program runs under emulation.
    if (std::getenv("VELMORA_PROGRAM_EMULATED")) {
        GTEST_SKIP() << "the emulated program's memory is out of reach";
    }
    wintest::StartedProgram program;
    const int dpi = ScreenDpi();
    const int other = wintest::OtherDpi(dpi);
    const struct {
        const char* name;
        HWND window;
        int textSizedLabel;  // 0: none
    } windows[] = {{"main window", program.MainWindow(), 0},
                   {"run dialog", program.AnyWindow("TExecuteForm"), TExecuteForm::kLabel1Id},
                   {"about dialog", program.AnyWindow("TInfoForm"), TInfoForm::LabelId(1)}};
    for (const auto& w : windows) {
        SCOPED_TRACE(w.name);
        ASSERT_TRUE(w.window);
        Print(w.name, w.window);
        wintest::ExpectDesignedLayout(w.window, dpi);
        HWND label = w.textSizedLabel ? wintest::Child(w.window, w.textSizedLabel) : nullptr;
        const LONG lineHeight = label ? Height(label) : 0;
        wintest::ThereAndBack(w.window, dpi, other, [&](const wintest::WindowShot&) {
            std::printf("at %d DPI:\n", other);
            Print(w.name, w.window);
            wintest::ExpectDesignedLayout(w.window, other);
            if (label) {
                EXPECT_NEAR(Height(label), MulDiv(lineHeight, other, dpi), 3);
            }
        });
        std::printf("back at %d DPI:\n", dpi);
        Print(w.name, w.window);
        wintest::ExpectDesignedLayout(w.window, dpi);
    }
}

}  // namespace
}  // namespace velmora
