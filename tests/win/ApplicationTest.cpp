// The application object: the default exception handler, processing of
// pending messages, minimising every window, and the hidden owner window.
#include "WinTestSupport.h"

#include "ui/app/Application_win.h"
#include "ui/app/ThreadWindows_win.h"
#include "ui/app/Window_win.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace velmora {
namespace {

constexpr UINT kThrow = WM_APP + 1;
constexpr UINT kCount = WM_APP + 2;

class TestWindow : public Window {
public:
    int counted = 0;
    void Create() { CreateHandle("TVelmoraTestWindow", "Test", WS_OVERLAPPEDWINDOW, 0, 10, 10, 200, 100, nullptr); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kThrow) throw std::runtime_error("Etwas ging schief.");
        if (message == kCount) return ++counted;
        return Default(message, wParam, lParam);
    }
};

class ApplicationTest : public testing::Test {};

// The application's own error box, answered as a user would.
TEST_F(ApplicationTest, ExceptionFromAHandlerIsShownAndMessagesGoOn) {
    TestWindow window;
    window.Create();
    wintest::BoxAnswerer answerer(IDOK);
    PostMessageA(window.Handle(), kThrow, 0, 0);
    PostMessageA(window.Handle(), kCount, 0, 0);
    Application().ProcessMessages();
    ASSERT_EQ(answerer.boxes.size(), 1u);
    EXPECT_EQ(answerer.boxes[0].text, "Etwas ging schief.");
    EXPECT_EQ(answerer.boxes[0].caption, "Velmora");
    EXPECT_FALSE(answerer.boxes[0].hasYes);
    EXPECT_FALSE(answerer.boxes[0].hasNo);
    EXPECT_EQ(window.counted, 1) << "the message after the exception was still handled";
}

TEST_F(ApplicationTest, MinimizeSendsEveryVisibleWindowToTheTaskbar) {
    TestWindow first, second;
    first.Create();
    second.Create();
    ShowWindow(first.Handle(), SW_SHOW);
    ShowWindow(second.Handle(), SW_SHOW);
    Application().Minimize();
    EXPECT_TRUE(IsIconic(first.Handle()));
    EXPECT_TRUE(IsIconic(second.Handle()));
}

TEST_F(ApplicationTest, HiddenOwnerWindowCarriesTheTitle) {
    HWND owner = Application().Handle();
    ASSERT_TRUE(IsWindow(owner));
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_EQ(wintest::WindowText(owner), "Velmora");
}

TEST_F(ApplicationTest, WindowCallbackWhoseWorkThrowsHandsTheVisitorsOwnExceptionBack) {
    const std::runtime_error thrown("voll");
    try {
        ForEachThreadWindow([&](HWND) -> bool { throw thrown; });
        ADD_FAILURE() << "the visitor's exception was swallowed";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "voll");
    }
}

TEST_F(ApplicationTest, ForEachThreadWindowRethrowsOnOurSideAndLaterEnumerationsSeeEveryWindow) {
    TestWindow first, second;
    first.Create();
    second.Create();
    int visits = 0;
    EXPECT_THROW(ForEachThreadWindow([&](HWND) -> bool {
                     ++visits;
                     throw std::runtime_error("voll");
                 }),
                 std::runtime_error);
    EXPECT_EQ(visits, 1);
    visits = 0;
    ForEachThreadWindow([&](HWND) {
        ++visits;
        return true;
    });
    EXPECT_GE(visits, 3) << "the application window and both test windows";
}

}  // namespace
}  // namespace velmora
