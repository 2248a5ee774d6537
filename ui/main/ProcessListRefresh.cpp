#include "ui/main/PidIndex.h"
#include "ui/main/ProcessListController.h"

#include <charconv>
#include <cstdint>
#include <string_view>
#include <vector>

namespace velmora {

namespace {

RowTexts TextsOf(const TProcess& record) {
    return {record.Name, std::to_string(record.ProcessID), std::to_string(record.Threads), record.Priority};
}

// A number's decimal text on the stack: comparing a row's texts with its
// record costs no string at all when nothing changed.
class Decimal {
public:
    template <typename T>
    explicit Decimal(T value) : end_(std::to_chars(digits_, digits_ + sizeof digits_, value).ptr) {}
    std::string_view View() const { return {digits_, static_cast<std::size_t>(end_ - digits_)}; }

private:
    char digits_[16];
    char* end_;
};

// Opens the view's update bracket at the first change only, so a refresh
// that changes nothing never makes the view repaint.
class UpdateBracket {
public:
    explicit UpdateBracket(IProcessRows& rows) : rows_(rows) {}
    ~UpdateBracket() {
        if (open_) rows_.EndUpdate();
    }
    UpdateBracket(const UpdateBracket&) = delete;
    UpdateBracket& operator=(const UpdateBracket&) = delete;

    void Open() {
        if (open_) return;
        rows_.BeginUpdate();
        open_ = true;
    }

private:
    IProcessRows& rows_;
    bool open_ = false;
};

}  // namespace

TProcessListController::TProcessListController(ISystem& system, IProcessRows& rows, IMessageBoxes& boxes)
    : system_(system), rows_(rows), boxes_(boxes) {}

bool TProcessListController::FormCloseQuery() {
    if (refreshing_) closePending_ = true;
    return !refreshing_;
}

// The one place a deferred close is handed on: the window closes once the
// rows are no longer in use, instead of asking again and again meanwhile.
void TProcessListController::EndBusy() {
    refreshing_ = false;
    if (!closePending_) return;
    closePending_ = false;
    if (OnDeferredClose) OnDeferredClose();
}

// Reconciles the rows with one snapshot: texts that differ are rewritten,
// new processes appended, rows of vanished processes removed. Rows are found
// through an identifier index, so the cost is linear in rows plus records,
// and no window messages are processed, so only our own calls change the
// rows meanwhile. A header click during the refresh only records its sort,
// done here at the end. An exception leaves the rows as far as they got,
// ends the busy state and skips the sort (a deferred one stays pending).
void TProcessListController::UpdateProcessList() {
    if (refreshing_) return;
    const TProcessList list(system_);
    const auto busy = Busy();
    UpdateBracket update(rows_);
    bool changed = false;
    bool textChanged = false;

    // Identifier -> row; the first row wins, so a duplicate row is dropped
    // below and every process ends up with exactly one row.
    const int rowCount = rows_.Count();
    PidIndex rowOf(static_cast<std::size_t>(rowCount + list.Count()));
    for (int row = 0; row < rowCount; ++row) rowOf.Add(rows_.Record(row).ProcessID, row);
    std::vector<bool> keep(static_cast<std::size_t>(rowCount), false);

    for (int i = 0; i < list.Count(); ++i) {
        const TProcess& record = list.Items(i);
        const int found = rowOf.RowOf(record.ProcessID);
        if (found < 0) {
            update.Open();
            const int row = static_cast<int>(keep.size());
            rows_.Append(TextsOf(record), TProcess::CreateCopy(record));
            rowOf.Add(record.ProcessID, row);
            keep.push_back(true);
            changed = true;
            continue;
        }
        const int row = found;
        keep[static_cast<std::size_t>(row)] = true;
        const Decimal pid(record.ProcessID);
        const Decimal threads(record.Threads);
        const std::string_view texts[kColumnCount] = {record.Name, pid.View(), threads.View(), record.Priority};
        for (int column = 0; column < kColumnCount; ++column) {
            if (rows_.Text(row, column) == texts[column]) continue;
            update.Open();
            rows_.SetText(row, column, std::string(texts[column]));
            changed = textChanged = true;
        }
    }

    // From the back, so the indices still to visit stay valid.
    for (int row = static_cast<int>(keep.size()) - 1; row >= 0; --row) {
        if (keep[static_cast<std::size_t>(row)]) continue;
        update.Open();
        rows_.Remove(row);
        changed = true;
    }

    if (changed || sortPending_) {
        update.Open();
        SortRows();
    }
    if (textChanged && OnRowTextChanged) OnRowTextChanged();
}

}  // namespace velmora
