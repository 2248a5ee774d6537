// Entry of the Windows test suite: the application object the windows need,
// then every test.
#include "ui/app/Application_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    velmora::Application().Initialize(GetModuleHandleA(nullptr));
    velmora::Application().SetTitle("Velmora");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
