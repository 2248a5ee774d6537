#include "ui/main/CommandRouting.h"

#include "ui/main/MainMenuModel.h"

namespace velmora {

namespace {

struct RouteRow {
    int id;
    CommandHandler handler;
};

// Every button and every "beenden" item ends the selected processes, as
// the applications page has no commands of its own. Items not listed
// (the task page's "Wechseln zu" items, "&Task beenden" in the file menu)
// do nothing.
constexpr RouteRow kRoutes[] = {
    {kExecuteBtnId, CommandHandler::ExecuteBtnClick},
    {kBringToFrontBtnId, CommandHandler::FinalizeProcessBtnClick},
    {kFinalizeTaskBtnId, CommandHandler::FinalizeProcessBtnClick},
    {kFinalizeProcessBtnId, CommandHandler::FinalizeProcessBtnClick},
    {kFileExecuteItem, CommandHandler::ExecuteBtnClick},
    {kFileFinalizeProcessItem, CommandHandler::FinalizeProcessBtnClick},
    {kFileQuitItem, CommandHandler::FileQuitItemClick},
    {kOptionsMinimizeAfterExecutingItem, CommandHandler::OptionsMinimizeAfterExecutingItemClick},
    {kOptionsAlwaysOnTopItem, CommandHandler::OptionsAlwaysOnTopItemClick},
    {kViewUpdateItem, CommandHandler::ViewUpdateItemClick},
    {kViewUpdateTimeHighItem, CommandHandler::ViewUpdateTimeClick},
    {kViewUpdateTimeNormalItem, CommandHandler::ViewUpdateTimeClick},
    {kViewUpdateTimeLowItem, CommandHandler::ViewUpdateTimeClick},
    {kViewUpdateTimeStoppedItem, CommandHandler::ViewUpdateTimeClick},
    {kHelpInfoItem, CommandHandler::HelpInfoItemClick},
    {kProcessFinalizeItem, CommandHandler::FinalizeProcessBtnClick},
    {kTaskFinalizeItem, CommandHandler::FinalizeProcessBtnClick},
};

bool InRange(int id, int first, int count) {
    return id >= first && id < first + count;
}

}  // namespace

CommandRoute RouteCommand(int id) {
    if (InRange(id, kFilePriorityFirstItem, kPriorityItemCount) ||
        InRange(id, kProcessPriorityFirstItem, kPriorityItemCount)) {
        return {CommandHandler::SetPriorityItemClick, true};
    }
    for (const RouteRow& row : kRoutes) {
        if (row.id == id) return {row.handler, row.handler == CommandHandler::ViewUpdateTimeClick};
    }
    return {};
}

}  // namespace velmora
