// The process list view as rows for the portable logic. Each item's data is
// a RowData (record plus the four texts), owned here and lent to the list
// view as the item's LPARAM; the list view asks for the texts on demand
// (LPSTR_TEXTCALLBACKW), so a text lives in one place only, and writing an
// unchanged text never reaches the control.
#pragma once

#include "ui/main/ProcessRows.h"

#include <windows.h>
#include <commctrl.h>

#include <exception>
#include <memory>
#include <vector>

namespace velmora {

class ProcessView : public IProcessRows {
public:
    ProcessView() = default;
    ~ProcessView() override = default;
    ProcessView(const ProcessView&) = delete;
    ProcessView& operator=(const ProcessView&) = delete;
    void Attach(HWND listView) { view_ = listView; }
    HWND Handle() const { return view_; }

    int Count() const override { return static_cast<int>(rows_.size()); }
    const TProcess& Record(int row) const override { return rows_.at(row)->record; }
    TProcess& Record(int row) override { return rows_.at(row)->record; }
    const std::string& Text(int row, int column) const override { return rows_.at(row)->texts.at(column); }
    void SetText(int row, int column, const std::string& text) override;
    void Append(const RowTexts& texts, std::unique_ptr<TProcess> record) override;
    void Remove(int row) override;
    using RowCompare = std::function<int(const RowRef&, const RowRef&)>;
    void Sort(const RowCompare& compare) override;
    std::vector<int> SelectedRows() const override;
    void BeginUpdate() override;
    void EndUpdate() override;

    // Answers LVN_GETDISPINFO from the row data.
    void GetDispInfo(NMLVDISPINFOW& info) const;

private:
    struct RowData {
        TProcess record;
        RowTexts texts;
    };

    struct SortContext {
        const RowCompare& compare;
        std::exception_ptr error;
    };

    static int CALLBACK CompareRows(LPARAM a, LPARAM b, LPARAM sort);

    HWND view_ = nullptr;
    // The items' data in the list view's order: every change of order goes
    // through this class, so the mirror stays exact and a refresh needs no
    // message to the control to read a row. A row is freed when it leaves
    // the mirror; the control never frees one. Items the control still
    // holds when this object goes are never read again: the window that
    // hosts the control no longer reaches this object then.
    std::vector<std::unique_ptr<RowData>> rows_;
    int updateDepth_ = 0;
};

}  // namespace velmora
