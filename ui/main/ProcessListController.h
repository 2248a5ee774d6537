// The process page's logic: reconciling the rows with the process table,
// their ordering, and the commands that end processes and set priorities.
// The main window turns messages into these calls and the returned states
// into controls; nothing here knows about windows.
#pragma once

#include "base/ScopeExit.h"
#include "process/SystemExt.h"
#include "ui/app/Dialogs.h"
#include "ui/main/ProcessRows.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace velmora {

// Captions and enabled states of the process commands for a selection.
struct ProcessCommandState {
    bool buttonEnabled = false;                // FinalizeProcessBtn
    std::optional<std::string> buttonCaption;  // nullopt: keep the caption
    std::string menuCaption;                   // ProcessFinalizeItem, FileFinalizeProcessItem
    bool menuEnabled = false;
    bool priorityEnabled = false;  // FilePriorityItem, ProcessSetPriorityItem
};

// Radio marks of a priority submenu when it opens.
struct PriorityMarks {
    bool change = false;                        // false: leave all six marks as they are
    std::optional<std::uint32_t> checkedClass;  // tag of the item to check, after clearing all six
};

class ProcessListController {
public:
    ProcessListController(ISystem& system, IProcessRows& rows, IMessageBoxes& boxes);
    ProcessListController(const ProcessListController&) = delete;
    ProcessListController& operator=(const ProcessListController&) = delete;

    // Refresh (ProcessListRefresh.cpp)
    void UpdateProcessList();
    // Whether the window may close now. Not while a refresh or a sort runs:
    // the rows must not go under it. The request is then remembered, and
    // OnDeferredClose runs once when the refresh or sort has ended, however
    // it ended.
    bool FormCloseQuery();
    // Must not throw: it runs while the refresh unwinds.
    std::function<void()> OnDeferredClose;
    // Runs once at the end of a refresh that rewrote a text of an existing
    // row, as a list view reports a row whose text changed (the process
    // commands then follow the selection again).
    std::function<void()> OnRowTextChanged;

    // Ordering (ProcessListSorting.cpp)
    void ResetSort();
    int ProcessViewCompare(const RowRef& a, const RowRef& b) const;
    // True when the rows were sorted now and a row is selected: the window
    // then scrolls the first selected row near the top.
    bool ProcessViewColumnClick(const std::string& columnCaption);

    // Commands (ProcessCommands.cpp)
    void FinalizeProcessBtnClick();
    ProcessCommandState ProcessViewChange() const;
    static ProcessCommandState SetProcessCommandsEnabled(bool enabled);
    PriorityMarks ProcessMenuPopup() const;
    PriorityMarks FilePriorityItemClick() const { return ProcessMenuPopup(); }
    void SetPriorityItemClick(std::uint32_t tag);

private:
    // Marks the rows busy until the returned guard goes out of scope, which
    // then hands on a close requested meanwhile.
    auto Busy() {
        refreshing_ = true;
        return ScopeExit([this] { EndBusy(); });
    }
    void EndBusy();

    void FinalizeOne(int row);
    void FinalizeSeveral(const std::vector<int>& selected);
    // Runs with refreshing_ set, so no refresh can change the rows under
    // the sort.
    void SortRows();

    ISystem& system_;
    IProcessRows& rows_;
    IMessageBoxes& boxes_;

    bool refreshing_ = false;
    bool sortPending_ = false;   // a header click arrived during a refresh
    bool closePending_ = false;  // a close was requested during a refresh
    int sortColumn_ = kColumnPid;
    bool sortAscending_ = true;
};

}  // namespace velmora
