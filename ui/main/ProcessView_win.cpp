#include "ui/main/ProcessView_win.h"

#include "base/Wide_win.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

namespace velmora {

void ProcessView::SetText(int row, int column, const std::string& text) {
    RowData* data = rows_.at(row).get();
    std::string& current = data->texts.at(column);
    if (current == text) return;
    current = text;
    // The control holds no copy; a repaint of the row fetches the new text.
    ListView_RedrawItems(view_, row, row);
}

void ProcessView::Append(const RowTexts& texts, std::unique_ptr<TProcess> record) {
    auto data = std::make_unique<RowData>(RowData{std::move(*record), texts});
    // Room first (growing as push_back would), so that once the list view
    // holds the row the mirror takes it without throwing.
    if (rows_.size() == rows_.capacity()) rows_.reserve(std::max<std::size_t>(16, 2 * rows_.capacity()));
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = Count();
    item.pszText = LPSTR_TEXTCALLBACKW;
    item.lParam = reinterpret_cast<LPARAM>(data.get());
    int index = static_cast<int>(SendMessageW(view_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (index < 0) throw std::runtime_error("Die Zeile konnte nicht eingefügt werden.");
    rows_.insert(rows_.begin() + index, std::move(data));
    for (int column = 1; column < kColumnCount; ++column) {
        LVITEMW sub{};
        sub.iSubItem = column;
        sub.pszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(view_, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&sub));
    }
}

void ProcessView::Remove(int row) {
    if (row < 0 || row >= Count()) throw std::out_of_range("Zeilenindex außerhalb des gültigen Bereichs");
    SendMessageW(view_, LVM_DELETEITEM, row, 0);
    rows_.erase(rows_.begin() + row);
}

// Called by the list view inside LVM_SORTITEMS: an exception from the
// comparison must not cross its frames. The first one is kept for Sort to
// rethrow; the remaining comparisons answer "equal".
int CALLBACK ProcessView::CompareRows(LPARAM a, LPARAM b, LPARAM param) {
    auto& sort = *reinterpret_cast<SortContext*>(param);
    if (sort.error) return 0;
    auto* ra = reinterpret_cast<RowData*>(a);
    auto* rb = reinterpret_cast<RowData*>(b);
    try {
        return sort.compare(RowRef{ra->record, ra->texts[kColumnName]}, RowRef{rb->record, rb->texts[kColumnName]});
    } catch (...) {
        sort.error = std::current_exception();
        return 0;
    }
}

void ProcessView::Sort(const RowCompare& compare) {
    SortContext sort{compare, nullptr};
    SendMessageW(view_, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&sort), reinterpret_cast<LPARAM>(&CompareRows));
    // Read the new order back once and put the mirror in it; everything
    // else works on the mirror.
    std::unordered_map<const RowData*, int> position(rows_.size());
    for (int i = 0; i < Count(); ++i) {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = i;
        SendMessageW(view_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        position[reinterpret_cast<const RowData*>(item.lParam)] = i;
    }
    std::sort(rows_.begin(), rows_.end(),
              [&position](const auto& a, const auto& b) { return position[a.get()] < position[b.get()]; });
    if (sort.error) std::rethrow_exception(sort.error);
}

std::vector<int> ProcessView::SelectedRows() const {
    std::vector<int> rows;
    int index = -1;
    while ((index = static_cast<int>(SendMessageW(view_, LVM_GETNEXTITEM, index, LVNI_SELECTED))) >= 0) {
        rows.push_back(index);
    }
    return rows;
}

void ProcessView::BeginUpdate() {
    if (updateDepth_++ == 0) SendMessageW(view_, WM_SETREDRAW, FALSE, 0);
}

void ProcessView::EndUpdate() {
    if (updateDepth_ > 0 && --updateDepth_ == 0) {
        SendMessageW(view_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(view_, nullptr, FALSE);
    }
}

// The text goes out as UTF-16, cut at a whole code point where the
// control's buffer is too small.
void ProcessView::GetDispInfo(NMLVDISPINFOW& info) const {
    if (!(info.item.mask & LVIF_TEXT) || !info.item.pszText || info.item.cchTextMax <= 0) return;
    auto* data = reinterpret_cast<const RowData*>(info.item.lParam);
    if (!data || info.item.iSubItem < 0 || info.item.iSubItem >= kColumnCount) {
        info.item.pszText[0] = '\0';
        return;
    }
    const std::wstring text = Wide(data->texts[info.item.iSubItem]);
    size_t n = std::min(text.size(), static_cast<size_t>(info.item.cchTextMax - 1));
    // Never half a surrogate pair.
    if (n > 0 && n < text.size() && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;
    text.copy(info.item.pszText, n);
    info.item.pszText[n] = L'\0';
}

}  // namespace velmora
