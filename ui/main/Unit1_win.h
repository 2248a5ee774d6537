// The main window: two pages (applications, processes), the menus, the
// refresh timer, and the wiring of controls to the process list's logic.
#pragma once

#include "base/Handles_win.h"
#include "process/SystemExt.h"
#include "ui/app/Layout_win.h"
#include "ui/app/ScaledWindow_win.h"
#include "ui/main/CommandRouting.h"
#include "ui/main/MainMenu_win.h"
#include "ui/main/ProcessListController.h"
#include "ui/main/ProcessView_win.h"
#include "ui/main/UpdateSpeed.h"

#include <functional>
#include <memory>

namespace velmora {

class TabPage;

class TForm1 : public ScaledWindow {
public:
    // The process commands act through `system` and ask through `boxes`.
    TForm1(ISystem& system, IMessageBoxes& boxes);
    ~TForm1() override;

    // Creates the window and runs FormCreate.
    void Create();

    // Opens the run and the about dialog; set by the program's entry.
    std::function<void()> ShowExecuteForm;
    std::function<void()> ShowInfoForm;

    // Handlers, named after the control and the event.
    void FormCreate();
    void PageControlChange();
    void UpdateProcessList();
    void UpdateTimeTimer();
    void ViewUpdateItemClick();
    void ViewUpdateTimeClick(int tag);
    void ProcessViewColumnClick(int column);
    void ProcessViewChange();
    void FinalizeProcessBtnClick();
    void ProcessMenuPopup();
    void FilePriorityItemClick();
    void SetPriorityItemClick(int tag);
    void ExecuteBtnClick();
    void HelpInfoItemClick();
    void FileQuitItemClick();
    void OptionsAlwaysOnTopItemClick();
    void OptionsMinimizeAfterExecutingItemClick();

    // The option the run dialog reads when it has started a program.
    bool MinimizeAfterExecuting() const { return menu_.Model().Checked(kOptionsMinimizeAfterExecutingItem); }

    static constexpr int kTaskViewId = velmora::kTaskViewId;
    static constexpr int kExecuteBtnId = velmora::kExecuteBtnId;
    static constexpr int kBringToFrontBtnId = velmora::kBringToFrontBtnId;
    static constexpr int kFinalizeTaskBtnId = velmora::kFinalizeTaskBtnId;
    static constexpr int kProcessViewId = velmora::kProcessViewId;
    static constexpr int kFinalizeProcessBtnId = velmora::kFinalizeProcessBtnId;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Centred on the whole desktop; the column widths carried to a new DPI;
    // the pages laid out (Unit1Layout_win.cpp).
    POINT Centre(LayoutSize outer) const override;
    void CarryOver(int oldDpi) override;
    void LayoutControls() override { LayoutPages(); }

private:
    bool ProcessPageVisible() const;
    HWND Control(int id) const;
    HWND Page(int index) const;

    // Construction and layout (Unit1Layout_win.cpp).
    void CreateControls();
    void LayoutPages();
    // The extended style the window is created with.
    DWORD FirstExStyle() const;
    POINT MinimumTrackSize() const;
    void ShowActivePage();
    void SelectPage(int index);
    void ArmTimer();
    void OnSize(WPARAM kind);
    void OnCommand(int id);
    void OnShortcut(int command);
    LRESULT OnNotify(NMHDR& header);
    void OnContextMenu(HWND control, int x, int y);

    ProcessView processView_;
    ProcessListController controller_;
    MainMenu menu_;

    HWND bevel_ = nullptr;
    HWND pageControl_ = nullptr;
    std::unique_ptr<TabPage> tasksPage_;
    std::unique_ptr<TabPage> processesPage_;
    FocusMemory focus_;

    RefreshTimer timer_;
};

}  // namespace velmora
