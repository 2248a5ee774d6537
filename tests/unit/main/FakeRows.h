// In-memory process rows: a vector of rows, each with its four texts, its
// record and a selection flag that moves with the row when sorting. Counts
// every writing call, and offers hooks that run inside the operations so
// tests can call back into the controller at those points.
#pragma once

#include "ui/main/ProcessRows.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::fakes {

class FakeRows : public IProcessRows {
public:
    struct Row {
        RowTexts texts;
        std::unique_ptr<TProcess> record;
        bool selected = false;
    };

    std::vector<Row> rows;

    int setTextCalls = 0;
    int appendCalls = 0;
    int removeCalls = 0;
    int sortCalls = 0;
    int beginUpdateCalls = 0;
    int endUpdateCalls = 0;
    std::vector<std::uint32_t> removedPids;

    // Run inside the operation, after its effect.
    std::function<void()> onSetText;
    std::function<void()> onAppend;
    std::function<void()> onRemove;
    // Runs inside Sort, before the rows are reordered.
    std::function<void()> onSort;
    // Runs inside every Text read, which changes nothing.
    std::function<void()> onText;

    int Count() const override { return static_cast<int>(rows.size()); }
    const TProcess& Record(int row) const override { return *rows.at(Index(row)).record; }
    TProcess& Record(int row) override { return *rows.at(Index(row)).record; }
    const std::string& Text(int row, int column) const override {
        if (onText) onText();
        return rows.at(Index(row)).texts.at(static_cast<std::size_t>(column));
    }
    void SetText(int row, int column, const std::string& text) override {
        ++setTextCalls;
        rows.at(Index(row)).texts.at(static_cast<std::size_t>(column)) = text;
        if (onSetText) onSetText();
    }
    void Append(const RowTexts& texts, std::unique_ptr<TProcess> record) override {
        ++appendCalls;
        rows.push_back({texts, std::move(record), false});
        if (onAppend) onAppend();
    }
    void Remove(int row) override {
        ++removeCalls;
        removedPids.push_back(Record(row).ProcessID);
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(Index(row)));
        if (onRemove) onRemove();
    }
    void Sort(const std::function<int(const RowRef&, const RowRef&)>& compare) override {
        ++sortCalls;
        if (onSort) onSort();
        std::stable_sort(rows.begin(), rows.end(), [&compare](const Row& a, const Row& b) {
            return compare(RowRef{*a.record, a.texts[kColumnName]}, RowRef{*b.record, b.texts[kColumnName]}) < 0;
        });
    }
    std::vector<int> SelectedRows() const override {
        std::vector<int> selected;
        for (int row = 0; row < Count(); ++row)
            if (rows[Index(row)].selected) selected.push_back(row);
        return selected;
    }
    void BeginUpdate() override { ++beginUpdateCalls; }
    void EndUpdate() override { ++endUpdateCalls; }

    // Test helpers.
    int WriteCalls() const { return setTextCalls + appendCalls + removeCalls + sortCalls; }
    void ResetCounts() {
        setTextCalls = appendCalls = removeCalls = sortCalls = 0;
        beginUpdateCalls = endUpdateCalls = 0;
        removedPids.clear();
    }
    int RowOf(std::uint32_t pid) const {
        for (int row = 0; row < Count(); ++row)
            if (rows[Index(row)].record->ProcessID == pid) return row;
        return -1;
    }
    void Select(std::uint32_t pid) {
        const int row = RowOf(pid);
        if (row < 0) throw std::logic_error("no row for pid " + std::to_string(pid));
        rows[Index(row)].selected = true;
    }
    std::vector<std::uint32_t> Pids() const {
        std::vector<std::uint32_t> pids;
        for (const Row& row : rows) pids.push_back(row.record->ProcessID);
        return pids;
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const Row& row : rows) captions.push_back(row.texts[kColumnName]);
        return captions;
    }

private:
    static std::size_t Index(int row) {
        if (row < 0) throw std::out_of_range("negative row");
        return static_cast<std::size_t>(row);
    }
};

}  // namespace velmora::fakes
