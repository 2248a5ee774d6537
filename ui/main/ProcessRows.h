// The process list view as the portable logic sees it: rows of four texts,
// each row owning one TProcess record. The Win32 side is the list view
// (row data = record plus caption); tests use an in-memory vector.
#pragma once

#include "process/SystemExt.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

// Columns of the process list, in display order.
constexpr int kColumnName = 0;      // caption: the executable name
constexpr int kColumnPid = 1;       // identifier, unsigned decimal
constexpr int kColumnThreads = 2;   // thread count, signed decimal
constexpr int kColumnPriority = 3;  // priority name
constexpr int kColumnCount = 4;

using RowTexts = std::array<std::string, kColumnCount>;

// One row handed to a comparison: its record and its current caption.
struct RowRef {
    const TProcess& record;
    const std::string& caption;
};

class IProcessRows {
public:
    virtual ~IProcessRows() = default;

    virtual int Count() const = 0;
    virtual const TProcess& Record(int row) const = 0;
    virtual TProcess& Record(int row) = 0;
    virtual const std::string& Text(int row, int column) const = 0;
    virtual void SetText(int row, int column, const std::string& text) = 0;
    // Adds a row at the end; the row takes ownership of the record.
    virtual void Append(const RowTexts& texts, std::unique_ptr<TProcess> record) = 0;
    // Removes the row and releases its record.
    virtual void Remove(int row) = 0;
    // Reorders the rows; compare returns <0, 0 or >0 like strcmp.
    virtual void Sort(const std::function<int(const RowRef&, const RowRef&)>& compare) = 0;
    // Selected rows in ascending row order.
    virtual std::vector<int> SelectedRows() const = 0;

    // Bracket a refresh that changes something, so the view can suspend
    // redrawing. Never called when a refresh changes nothing.
    virtual void BeginUpdate() {}
    virtual void EndUpdate() {}
};

}  // namespace velmora
