// The program's entry: the application object, the main window and the two
// dialogs, then the message loop.
#include "ui/app/Application_win.h"
#include "process/WindowsSystem.h"
#include "ui/main/Unit1_win.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace velmora;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    try {
        TApplication& app = Application();
        app.Initialize(instance);
        app.SetTitle("Velmora");
        TForm1 form1(WindowsSystem());
        form1.Create();
        return app.Run();
    } catch (...) {
        Application().HandleException(std::current_exception());
        return 1;
    }
}
