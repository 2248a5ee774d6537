// Which handler each command of the main window runs: the buttons, every
// menu item, the tagged speed and priority items, and the items that do
// nothing.
#include "ui/main/CommandRouting.h"

#include "ui/main/MainMenuModel.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora {
namespace {

CommandHandler HandlerOf(int id) {
    return RouteCommand(id).handler;
}

TEST(CommandRouting, EveryButtonAndEveryEndItemEndsTheSelectedProcesses) {
    for (int id : std::initializer_list<int>{kBringToFrontBtnId, kFinalizeTaskBtnId, kFinalizeProcessBtnId,
                                             kFileFinalizeProcessItem, kProcessFinalizeItem, kTaskFinalizeItem}) {
        EXPECT_EQ(HandlerOf(id), CommandHandler::FinalizeProcessBtnClick) << id;
        EXPECT_FALSE(RouteCommand(id).withTag) << id;
    }
    EXPECT_EQ(HandlerOf(kExecuteBtnId), CommandHandler::ExecuteBtnClick);
    EXPECT_EQ(HandlerOf(kFileExecuteItem), CommandHandler::ExecuteBtnClick);
}

TEST(CommandRouting, SpeedAndPriorityItemsPassTheirTag) {
    const MainMenuModel menu;
    std::set<int> speedTags;
    for (int id :
         {kViewUpdateTimeHighItem, kViewUpdateTimeNormalItem, kViewUpdateTimeLowItem, kViewUpdateTimeStoppedItem}) {
        EXPECT_EQ(HandlerOf(id), CommandHandler::ViewUpdateTimeClick) << id;
        EXPECT_TRUE(RouteCommand(id).withTag) << id;
        speedTags.insert(menu.Tag(id));
    }
    EXPECT_EQ(speedTags, (std::set<int>{1, 2, 3, 4}));
    for (int first : {kFilePriorityFirstItem, kProcessPriorityFirstItem}) {
        for (int id = first; id < first + kPriorityItemCount; ++id) {
            EXPECT_EQ(HandlerOf(id), CommandHandler::SetPriorityItemClick) << id;
            EXPECT_TRUE(RouteCommand(id).withTag) << id;
            EXPECT_NE(menu.Tag(id), 0) << id;
        }
        EXPECT_EQ(HandlerOf(first + kPriorityItemCount), CommandHandler::None) << "one past the six";
        EXPECT_EQ(HandlerOf(first - 1), CommandHandler::None) << "one before the six";
    }
}

// Every item of the menus runs its handler, apart from menus, separators
// and the items that stand without an action.
TEST(CommandRouting, EveryMenuItemWithAnActionReachesAHandler) {
    const std::set<int> withoutAction = {kFileFinalizeTaskItem, kFileBringToFrontItem, kTaskTurnToItem,
                                         kTaskBringToFrontItem};
    const MainMenuModel menu;
    for (const MenuItem& item : menu.Items()) {
        const bool acts = !item.popup && !item.separator && !withoutAction.count(item.id);
        EXPECT_EQ(HandlerOf(item.id) != CommandHandler::None, acts) << item.id << " " << item.caption;
    }
    EXPECT_EQ(HandlerOf(kFileQuitItem), CommandHandler::FileQuitItemClick);
    EXPECT_EQ(HandlerOf(kOptionsMinimizeAfterExecutingItem), CommandHandler::OptionsMinimizeAfterExecutingItemClick);
    EXPECT_EQ(HandlerOf(kOptionsAlwaysOnTopItem), CommandHandler::OptionsAlwaysOnTopItemClick);
    EXPECT_EQ(HandlerOf(kViewUpdateItem), CommandHandler::ViewUpdateItemClick);
    EXPECT_EQ(HandlerOf(kHelpInfoItem), CommandHandler::HelpInfoItemClick);
    EXPECT_EQ(HandlerOf(kTaskViewId), CommandHandler::None);
    EXPECT_EQ(HandlerOf(kProcessViewId), CommandHandler::None);
}

}  // namespace
}  // namespace velmora
