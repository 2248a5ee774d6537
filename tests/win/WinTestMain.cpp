// Entry of the Windows test suite: the application object the windows need,
// then the tests. Listing the tests (as the build does, with no display)
// creates no window.
#include "ui/app/Application_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (!testing::GTEST_FLAG(list_tests)) {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&icc);
        velmora::Application().Initialize(GetModuleHandleA(nullptr));
        velmora::Application().SetTitle("Velmora");
    }
    return RUN_ALL_TESTS();
}
