// A modal form undoes its modality on every way out of ShowModal, also when
// something in it throws.
#include "WinTestSupport.h"

#include "ui/app/Application_win.h"
#include "ui/app/ModalForm_win.h"
#include "ui/app/Window_win.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace velmora {
namespace {

class OwnerWindow : public Window {
public:
    void Create() {
        CreateHandle("TVelmoraModalOwner", "Besitzer", WS_OVERLAPPEDWINDOW, 0, 10, 10, 200, 100, nullptr);
        ShowWindow(Handle(), SW_SHOW);
    }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override { return Default(message, wParam, lParam); }
};

class TestForm : public ModalForm {
public:
    TestForm() { CreateForm("TVelmoraTestForm", "Test", {200, 100}, false); }
    bool throwOnShow = true;
    int shown = 0;

protected:
    void FormShow() override {
        ++shown;
        if (throwOnShow) throw std::runtime_error("FormShow ging schief.");
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
    }
    void OnCommand(int, int, HWND) override {}
};

TEST(ModalFormTest, FormShowThatThrowsLeavesTheOtherWindowsEnabledAndTheFormNotShowing) {
    OwnerWindow owner;
    owner.Create();
    TestForm form;
    wintest::Closer watchdog(
        "the test form", [] {}, 10000);

    EXPECT_THROW(form.ShowModal(), std::runtime_error);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle())) << "the owner was left disabled";

    // It no longer counts as shown: shown again, it runs as a modal form
    // once more and closes.
    form.throwOnShow = false;
    form.ShowModal();
    EXPECT_EQ(form.shown, 2) << "the second ShowModal returned without showing";
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

}  // namespace
}  // namespace velmora
