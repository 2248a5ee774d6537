#include "ui/main/PidIndex.h"
#include "ui/main/ProcessListController.h"

#include <charconv>
#include <cstdint>
#include <string_view>
#include <vector>

namespace velmora {

namespace {

// A number's decimal text on the stack.
class Decimal {
public:
    template <typename T>
    explicit Decimal(T value) : end_(std::to_chars(digits_, digits_ + sizeof digits_, value).ptr) {}
    std::string_view View() const { return {digits_, static_cast<std::size_t>(end_ - digits_)}; }

private:
    char digits_[16];
    char* end_;
};

// The texts a record shows in the four columns, the one place they are
// made. The numbers stay on the stack, so comparing a row's texts with its
// record costs no string at all when nothing changed.
class RecordTexts {
public:
    explicit RecordTexts(const TProcess& record) : record_(record), pid_(record.ProcessID), threads_(record.Threads) {}

    std::string_view operator[](int column) const {
        switch (column) {
            case kColumnName: return record_.Name;
            case kColumnPid: return pid_.View();
            case kColumnThreads: return threads_.View();
            default: return record_.Priority;
        }
    }
    RowTexts Strings() const {
        RowTexts texts;
        for (int column = 0; column < kColumnCount; ++column)
            texts[static_cast<std::size_t>(column)] = std::string((*this)[column]);
        return texts;
    }

private:
    const TProcess& record_;
    Decimal pid_;
    Decimal threads_;
};

}  // namespace

ProcessListController::ProcessListController(ISystem& system, IProcessRows& rows, IMessageBoxes& boxes)
    : system_(system), rows_(rows), boxes_(boxes) {}

bool ProcessListController::FormCloseQuery() {
    if (refreshing_) closePending_ = true;
    return !refreshing_;
}

// The one place a deferred close is handed on: the window closes once the
// rows are no longer in use, instead of asking again and again meanwhile.
void ProcessListController::EndBusy() {
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
void ProcessListController::UpdateProcessList() {
    if (refreshing_) return;
    const TProcessList list(system_);
    const auto busy = Busy();
    // The view's update bracket opens at the first change only, so a refresh
    // that changes nothing never makes the view repaint.
    bool updating = false;
    const ScopeExit endUpdate([&] {
        if (updating) rows_.EndUpdate();
    });
    const auto beginUpdate = [&] {
        if (!updating) rows_.BeginUpdate();
        updating = true;
    };
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
        const RecordTexts texts(record);
        const int found = rowOf.RowOf(record.ProcessID);
        if (found < 0) {
            beginUpdate();
            const int row = static_cast<int>(keep.size());
            rows_.Append(texts.Strings(), TProcess::CreateCopy(record));
            rowOf.Add(record.ProcessID, row);
            keep.push_back(true);
            changed = true;
            continue;
        }
        const int row = found;
        keep[static_cast<std::size_t>(row)] = true;
        for (int column = 0; column < kColumnCount; ++column) {
            if (rows_.Text(row, column) == texts[column]) continue;
            beginUpdate();
            rows_.SetText(row, column, std::string(texts[column]));
            changed = textChanged = true;
        }
    }

    // From the back, so the indices still to visit stay valid.
    for (int row = static_cast<int>(keep.size()) - 1; row >= 0; --row) {
        if (keep[static_cast<std::size_t>(row)]) continue;
        beginUpdate();
        rows_.Remove(row);
        changed = true;
    }

    if (changed || sortPending_) {
        beginUpdate();
        SortRows();
    }
    if (textChanged && OnRowTextChanged) OnRowTextChanged();
}

}  // namespace velmora
