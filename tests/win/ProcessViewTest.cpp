// The list view rows: a comparison that throws inside the list view's sort
// comes back out of Sort, and the rows stay as they were and sortable.
#include "WinTestSupport.h"

#include "ui/app/Window_win.h"
#include "ui/main/ProcessView_win.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace velmora {
namespace {

// A window holding one list view whose text requests reach the rows, as the
// main window's do; deletions are not reported to the rows.
class ListHost : public Window {
public:
    ProcessView rows;
    void Create() {
        CreateHandle("TVelmoraListHost", "Liste", WS_OVERLAPPEDWINDOW, 0, 10, 10, 300, 200, nullptr);
        rows.Attach(CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 280, 180, Handle(),
                                    nullptr, nullptr, nullptr));
    }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NOTIFY) {
            auto& header = *reinterpret_cast<NMHDR*>(lParam);
            if (header.code == LVN_GETDISPINFOW) rows.GetDispInfo(*reinterpret_cast<NMLVDISPINFOW*>(lParam));
            return 0;
        }
        return Default(message, wParam, lParam);
    }
};

TEST(ProcessViewTest, ComparisonThatThrowsComesBackOutOfSortAndTheRowsStay) {
    ListHost host;
    host.Create();
    for (std::uint32_t pid : {30u, 10u, 20u}) {
        TProcess record;
        record.ProcessID = pid;
        host.rows.Append({"p" + std::to_string(pid) + ".exe", std::to_string(pid), "1", "Normal"},
                         TProcess::CreateCopy(record));
    }
    int calls = 0;
    EXPECT_THROW(host.rows.Sort([&](const RowRef&, const RowRef&) -> int {
        ++calls;
        throw std::runtime_error("Vergleich ging schief.");
    }),
                 std::runtime_error);
    EXPECT_EQ(calls, 1) << "comparisons after the failed one do not run the comparison again";
    ASSERT_EQ(host.rows.Count(), 3);
    EXPECT_EQ(ListView_GetItemCount(host.rows.Handle()), 3);

    host.rows.Sort([](const RowRef& a, const RowRef& b) {
        return a.record.ProcessID < b.record.ProcessID ? -1 : a.record.ProcessID > b.record.ProcessID;
    });
    EXPECT_EQ(host.rows.Record(0).ProcessID, 10u);
    EXPECT_EQ(host.rows.Record(1).ProcessID, 20u);
    EXPECT_EQ(host.rows.Record(2).ProcessID, 30u);
    EXPECT_EQ(wintest::ItemText(host.rows.Handle(), 0, 0), "p10.exe") << "the control's order is the mirror's";

    host.rows.Remove(1);
    EXPECT_EQ(host.rows.Count(), 2);
    EXPECT_EQ(host.rows.Record(1).ProcessID, 30u);
    // The control's remaining items still lead to their own rows.
    EXPECT_EQ(ListView_GetItemCount(host.rows.Handle()), 2);
    EXPECT_EQ(wintest::ItemText(host.rows.Handle(), 1, 0), "p30.exe");
}

// Names in any script reach the control whole, a character beyond U+FFFF
// as its surrogate pair; a buffer too small for the whole text is filled up
// to a whole character, never half a pair.
TEST(ProcessViewTest, TextsInAnyScriptReachTheControlWholeAndAreCutOnlyBetweenCharacters) {
    ListHost host;
    host.Create();
    const std::string names[] = {"Müller.exe", "Łódź.exe", "Ωμέγα.exe", "日本語.exe", "a😀b.exe"};
    for (const std::string& name : names) {
        host.rows.Append({name, "1", "1", "Normal"}, std::make_unique<TProcess>());
    }
    for (int row = 0; row < 5; ++row) EXPECT_EQ(wintest::ItemText(host.rows.Handle(), row, 0), names[row]);

    wchar_t buffer[3] = {L'?', L'?', L'?'};
    NMLVDISPINFOW info{};
    info.item.mask = LVIF_TEXT;
    info.item.iItem = 4;
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = 4;
    ASSERT_TRUE(SendMessageW(host.rows.Handle(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    info.item.lParam = item.lParam;
    info.item.pszText = buffer;
    info.item.cchTextMax = 3;  // "a", the first half of the emoji, the terminator
    host.rows.GetDispInfo(info);
    EXPECT_EQ(buffer[0], L'a');
    EXPECT_EQ(buffer[1], L'\0');
}

}  // namespace
}  // namespace velmora
