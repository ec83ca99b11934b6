// TSortGrid: filtering. Rejected rows are moved past the last row and stay stored there until
// the filter is switched off.

#include "grid/SortGrid.h"

bool TSortGrid::RowEmpty(int Row) const {
    if (Row >= RowCount()) return true;
    for (int c = 0; c < ColCount(); ++c)
        if (!CellText(c, Row).isEmpty()) return false;
    return true;
}

void TSortGrid::SetFiltered(bool Value) {
    FFiltered = Value;
    if (Value ? RowEmpty(1) : FHiddenRowCount == 0) return;
    ValidateCell();
    HideEditorWindow();
    const bool outer = !NowUpdating();
    const bool modified = FModified;
    if (outer) BeginUpdate();
    try {
        Value ? FilterOn() : FilterOff();
    } catch (...) {
        FModified = modified;
        if (outer) EndUpdate();
        throw;
    }
    FModified = modified;
    if (outer) EndUpdate();
    // Sorting runs its own bulk update; nested inside ours it would end ours early.
    if (!Value || !FFilterBlankRow) SortByColumn(FSortOptions.SortCol());
    if (Value) GoToCell(0, 1, true);
    RefreshEditor();
    RememberCell();
}

void TSortGrid::FilterOn() {
    const int data = RowCount() - 1, cols = ColCount();
    std::vector<int> accepted, rejected;
    TStringList texts;
    for (int r = 1; r <= data; ++r) {
        texts.Clear();
        for (int c = 0; c < cols; ++c) texts.Add(CellText(c, r));
        bool accept = false;
        if (OnSetFilter) OnSetFilter(&texts, accept);
        (accept ? accepted : rejected).push_back(r);
    }
    // New order from row 1: accepted rows, an empty row when there are none, the rejected rows,
    // then the rows an earlier filter hid.
    std::vector<int> order = accepted;
    if (accepted.empty()) order.push_back(-1);
    order.insert(order.end(), rejected.begin(), rejected.end());
    for (int r = data + 1; r <= data + FHiddenRowCount; ++r) order.push_back(r);
    MoveRows(1, order);
    FHiddenRowCount += int(rejected.size());
    FFilterBlankRow = accepted.empty();
    SetRowCount(accepted.empty() ? 2 : int(accepted.size()) + 1);
}

void TSortGrid::FilterOff() {
    SetRowCount(RowCount() + FHiddenRowCount);
    FHiddenRowCount = 0;
    if (!FFilterBlankRow) return;
    FFilterBlankRow = false;
    if (!RowEmpty(1)) return;
    std::vector<int> order;
    for (int r = 2; r < RowCount(); ++r) order.push_back(r);
    order.push_back(-1);
    MoveRows(1, order);
    SetRowCount(RowCount() - 1);
}

// Rewrites rows First.. from the rows Order names (all within the rewritten block; -1 gives an
// empty row), moving the stored items rather than copying texts. The row format text one past
// the last column moves with its row; a row nobody takes is freed by being overwritten.
void TSortGrid::MoveRows(int First, const std::vector<int>& Order) {
    const int cols = ColCount() + 1;
    const size_t n = Order.size();
    std::vector<bool> taken(n, false);
    for (int src : Order)
        if (src >= 0) taken[size_t(src - First)] = true;
    std::vector<void*> items(n * size_t(cols), nullptr);
    for (size_t i = 0; i < n; ++i)
        if (TStringSparseList* data = taken[i] ? RowData(First + int(i)) : nullptr)
            for (int c = 0; c < cols && c < data->Count(); ++c)
                items[i * cols + c] = data->TakeItem(c);
    for (size_t i = 0; i < n; ++i) {
        const int src = Order[i];
        if (src < 0 && !RowData(First + int(i))) continue;
        TStringSparseList* data = EnsureDataRow(First + int(i));
        for (int c = 0; c < cols; ++c) {
            void* item = nullptr;
            if (src >= 0) std::swap(item, items[size_t(src - First) * cols + c]);
            data->PlaceItem(c, item);
        }
    }
}
