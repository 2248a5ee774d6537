// Which handler of the main window a command runs: the buttons' and the menu
// items' WM_COMMAND identifiers as data. The window dispatches through it;
// nothing here knows about windows.
#pragma once

namespace velmora {

// The main window's controls that send commands or notifications.
constexpr int kTaskViewId = 1001;
constexpr int kExecuteBtnId = 1002;
constexpr int kBringToFrontBtnId = 1003;
constexpr int kFinalizeTaskBtnId = 1004;
constexpr int kProcessViewId = 1005;
constexpr int kFinalizeProcessBtnId = 1006;

// TForm1's command handlers.
enum class CommandHandler {
    None,  // a command without an action
    ExecuteBtnClick,
    FinalizeProcessBtnClick,
    FileQuitItemClick,
    OptionsMinimizeAfterExecutingItemClick,
    OptionsAlwaysOnTopItemClick,
    ViewUpdateItemClick,
    ViewUpdateTimeClick,   // with the item's tag
    SetPriorityItemClick,  // with the item's tag
    HelpInfoItemClick,
};

struct CommandRoute {
    CommandHandler handler = CommandHandler::None;
    bool withTag = false;  // the handler takes the menu item's tag
};

CommandRoute RouteCommand(int id);

}  // namespace velmora
