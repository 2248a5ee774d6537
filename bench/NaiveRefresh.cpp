#include "NaiveRefresh.h"

#include "process/SystemExt.h"

#include <string>
#include <vector>

namespace velmora::bench {

namespace {

// A list of n + 1 snapshots: the identifiers from one, each record from a
// snapshot of its own.
std::vector<TProcess> NaiveList(ISystem& system) {
    std::vector<TProcess> list;
    TProcessList ids(system);
    list.reserve(ids.Count());
    for (int i = 0; i < ids.Count(); ++i) list.push_back(TProcess::Create(system, ids.Items(i).ProcessID));
    return list;
}

}  // namespace

void NaiveRefresh(ISystem& system, IProcessRows& rows) {
    std::vector<TProcess> list = NaiveList(system);
    bool changed = false;
    for (const TProcess& r : list) {
        const RowTexts texts = {r.Name, std::to_string(r.ProcessID), std::to_string(r.Threads), r.Priority};
        bool found = false;
        for (int row = 0; row < rows.Count(); ++row) {
            if (rows.Record(row).ProcessID != r.ProcessID) continue;
            for (int column = 0; column < kColumnCount; ++column) {
                if (rows.Text(row, column) != texts[column]) {
                    rows.SetText(row, column, texts[column]);
                    changed = true;
                }
            }
            found = true;
            break;
        }
        if (!found) {
            rows.Append(texts, TProcess::CreateCopy(r));
            changed = true;
        }
    }
    for (bool removed = true; removed;) {
        removed = false;
        for (int row = 0; row < rows.Count() && !removed; ++row) {
            bool present = false;
            for (const TProcess& r : list) present = present || r.ProcessID == rows.Record(row).ProcessID;
            if (!present) {
                rows.Remove(row);
                removed = changed = true;
            }
        }
    }
    if (changed) {
        rows.Sort([](const RowRef& a, const RowRef& b) {
            auto pa = static_cast<std::int32_t>(a.record.ProcessID), pb = static_cast<std::int32_t>(b.record.ProcessID);
            return pa < pb ? -1 : pa > pb ? 1 : 0;
        });
    }
}

}  // namespace velmora::bench
