// The program's entry: the process's hardening, the application object, the
// main window and the two dialogs, in that order, then the message loop.
#include "process/WindowsSystem.h"
#include "ui/about/Info_win.h"
#include "ui/app/Application_win.h"
#include "ui/app/ProcessHardening_win.h"
#include "ui/main/Unit1_win.h"
#include "ui/run/Execute_win.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    using namespace velmora;
    HardenProcess();
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    try {
        ApplicationObject& app = Application();
        app.Initialize(instance);
        app.SetTitle("Velmora");

        TForm1 Form1(WindowsSystem(), app.MessageBoxes());
        Form1.Create();
        TInfoForm InfoForm(app.Shell());
        InfoForm.Create();
        TExecuteForm ExecuteForm(
            app.Shell(), app.MessageBoxes(), [&Form1] { return Form1.MinimizeAfterExecuting(); }, ShowOpenDialog);
        ExecuteForm.Create();
        Form1.ShowInfoForm = [&InfoForm] { InfoForm.ShowModal(); };
        Form1.ShowExecuteForm = [&ExecuteForm] { ExecuteForm.ShowModal(); };

        return app.Run();
    } catch (...) {
        Application().HandleException(std::current_exception());
        return 1;
    }
}
