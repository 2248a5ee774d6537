#include "ui/main/ProcessListController.h"

#include "ui/main/ProcessOrdering.h"

namespace velmora {

void ProcessListController::ResetSort() {
    sortColumn_ = kColumnPid;
    sortAscending_ = true;
}

int ProcessListController::ProcessViewCompare(const RowRef& a, const RowRef& b) const {
    return CompareProcessRows(a, b, sortColumn_, sortAscending_);
}

// A click on the sort column flips the direction, any other column sorts
// ascending; an unknown caption counts as the current column. During a
// refresh the rows are not sorted under it: the refresh sorts when it ends.
bool ProcessListController::ProcessViewColumnClick(const std::string& columnCaption) {
    const int column = SortColumnForCaption(columnCaption).value_or(sortColumn_);
    sortAscending_ = column == sortColumn_ ? !sortAscending_ : true;
    sortColumn_ = column;
    if (refreshing_) {
        sortPending_ = true;
        return false;
    }
    {
        const auto busy = Busy();
        SortRows();
    }
    return !rows_.SelectedRows().empty();
}

void ProcessListController::SortRows() {
    const auto compare = [this](const RowRef& a, const RowRef& b) { return ProcessViewCompare(a, b); };
    sortPending_ = false;
    rows_.Sort(compare);
}

}  // namespace velmora
