// TSortGrid: comparison styles, sorting by one or more columns, and the row and column work.

#include "grid/SortGrid.h"

#include "grid/SortGridCompare.h"
#include "platform/Forms.h"

#include <algorithm>
#include <numeric>

namespace {

// The key columns: Col first, then the secondary columns without Col.
std::vector<int> KeyColumns(int Col, const QString& SecondaryIndex) {
    std::vector<int> keys{Col};
    for (const QString& part : SecondaryIndex.split(QLatin1Char(','))) {
        int k = -1;
        if (TryStrToInt(part.trimmed(), k) && k != Col) keys.push_back(k);
    }
    return keys;
}

} // namespace

// One run of SortByColumn. The snapshot holds the rows' stored items themselves (moved out, not
// copied); Order[i] is the snapshot row now at position i. Each grid row is written once, from
// the record at its position, also after a failure, so that no record is lost.
class TSortPass {
public:
    explicit TSortPass(TSortGrid& Grid);
    // Sorts by the key columns from the last to the first; Processed follows the column at work.
    void Run(const std::vector<int>& Keys, int& Processed);
    void WriteBack();

private:
    const QString& Text(int Position, int Col) const;
    void NoteSelection();
    void SettleStyle(int Col);
    void SortBy(int Col);
    void PlaceSelection(int Row, bool& First);

    TSortGrid& FGrid;
    TSortOptions& FOptions;
    const int FRows, FCols;
    std::vector<void*> FSnapshot;
    std::vector<int> FOrder;
    std::vector<bool> FSelected;
    std::vector<QString> FLowered;
    std::vector<TSortKey> FKeys;
    TSortStyle FAnswered = TSortStyle::ssAutomatic;
};

TSortPass::TSortPass(TSortGrid& Grid)
    : FGrid(Grid), FOptions(*Grid.SortOptions()), FRows(Grid.RowCount()), FCols(Grid.ColCount()),
      FSnapshot(size_t(FRows) * size_t(FCols), nullptr), FOrder(size_t(FRows)),
      FSelected(size_t(std::max(FRows, 1)), false), FLowered(size_t(FRows)) {
    NoteSelection();
    for (int r = 0; r < FRows; ++r)
        if (TStringSparseList* data = FGrid.RowData(r))
            for (int c = 0; c < FCols && c < data->Count(); ++c)
                FSnapshot[size_t(r) * FCols + c] = data->TakeItem(c);
    std::iota(FOrder.begin(), FOrder.end(), 0);
}

void TSortPass::NoteSelection() {
    for (int i = 0; i < FGrid.FSelectedRows.Count(); ++i) {
        int r = -1;
        if (TryStrToInt(FGrid.FSelectedRows.Strings(i), r) && r >= 0 && r < FRows)
            FSelected[size_t(r)] = true;
    }
}

const QString& TSortPass::Text(int Position, int Col) const {
    static const QString none;
    if (Col < 0 || Col >= FCols) return none;
    return TStringSparseList::ItemText(FSnapshot[size_t(FOrder[size_t(Position)]) * FCols + Col]);
}

void TSortPass::Run(const std::vector<int>& Keys, int& Processed) {
    for (size_t ki = Keys.size(); ki-- > 0;) {
        Processed = Keys[ki];
        SettleStyle(Keys[ki]);
        SortBy(Keys[ki]);
    }
}

// The handler's answer, else a detected style once while the style is automatic.
void TSortPass::SettleStyle(int Col) {
    if (FGrid.OnGetSortStyle) {
        FGrid.OnGetSortStyle(&FGrid, Col, FAnswered);
        FOptions.SetSortStyle(FAnswered);
    } else if (FOptions.SortStyle() == TSortStyle::ssAutomatic) {
        FOptions.SetSortStyle(
            DetectSortStyleOf(1, FRows - 1, [&](int Position) { return Text(Position, Col); }));
    }
}

void TSortPass::SortBy(int Col) {
    FKeys.clear();
    FKeys.reserve(size_t(std::max(0, FRows - 1)));
    for (int i = 1; i < FRows; ++i) {
        TSortKey key = MakeSortKey(Text(i, Col), FOptions.SortStyle(), FOptions.SortCaseSensitive(),
                                   FLowered[size_t(i)]);
        key.Row = i;
        key.Source = FOrder[size_t(i)];
        FKeys.push_back(key);
    }
    const TSortStyle style = FOptions.SortStyle();
    const TSortCompareProc& custom = FOptions.CompareProc();
    const auto less = [&](const TSortKey& x, const TSortKey& y) {
        return DirectedCompare(CompareSortKeys(x, y, style, custom), x.Row, y.Row,
                               FOptions.SortDirection()) < 0;
    };
    // Our own styles are orderings; an application's comparison may not be, and our merge sort
    // stays inside its range whatever the answers.
    if (style == TSortStyle::ssCustom)
        MergeSort(FKeys, less);
    else
        std::sort(FKeys.begin(), FKeys.end(), less);
    for (size_t i = 0; i < FKeys.size(); ++i) FOrder[i + 1] = FKeys[i].Source;
}

void TSortPass::WriteBack() {
    bool first = true;
    for (int row = 1; row < FRows; ++row) {
        const int src = FOrder[size_t(row)];
        TStringSparseList* data = FGrid.EnsureDataRow(row);
        for (int c = 0; c < FCols; ++c) {
            void*& item = FSnapshot[size_t(src) * FCols + c];
            data->PlaceItem(c, item);
            item = nullptr;
        }
        if (FSelected[size_t(src)]) PlaceSelection(row, first);
    }
    // The header stays where it was.
    if (FRows > 0)
        if (TStringSparseList* header = FGrid.RowData(0))
            for (int c = 0; c < FCols; ++c) {
                header->PlaceItem(c, FSnapshot[size_t(c)]);
                FSnapshot[size_t(c)] = nullptr;
            }
}

// The selection follows its records: the first one found becomes the current row.
void TSortPass::PlaceSelection(int Row, bool& First) {
    if (First) {
        FGrid.SetCurrentRow(Row);
        FGrid.FSelectionOrder.Clear();
        FGrid.FSelectedRows.Clear();
        First = false;
    }
    FGrid.FSelectionOrder.Add(QString::number(Row));
    FGrid.FSelectedRows.Add(QString::number(Row));
}

int TSortGrid::CompareItems(const TSortItem& A, const TSortItem& B) {
    const TSortOptions& o = *A.SortOptions;
    QString la, lb;
    const TSortKey a = MakeSortKey(A.Str, o.SortStyle(), o.SortCaseSensitive(), la);
    const TSortKey b = MakeSortKey(B.Str, o.SortStyle(), o.SortCaseSensitive(), lb);
    return DirectedCompare(CompareSortKeys(a, b, o.SortStyle(), o.CompareProc()), A.RowNum,
                           B.RowNum, o.SortDirection());
}

TSortStyle TSortGrid::DetectSortStyle(int Col) const {
    return DetectSortStyleOf(1, RowCount() - 1, [&](int Row) { return CellText(Col, Row); });
}

void TSortGrid::SortByColumn(int Col) {
    if (!FSortOptions.CanSort()) return;
    FSortOptions.SetSortCol(Col);
    FSorting = true;
    BeginUpdate();
    if (BeforeSort) BeforeSort(this, Col);
    TSortPass pass(*this);
    const auto finish = [&] {
        pass.WriteBack();
        FSorting = false;
        FSortOptions.SetCompareProc(nullptr); // a custom comparison serves one sort
    };
    int processed = Col;
    try {
        pass.Run(KeyColumns(Col, FSortOptions.SecondaryIndex()), processed);
    } catch (...) {
        finish();
        EndUpdate();
        throw;
    }
    finish();
    if (AfterSort) AfterSort(this, processed);
    EndUpdate();
}

// ---- Rows and columns ----

void TSortGrid::InsertRowAt(int Row) {
    SetRowCount(RowCount() + 1);
    if (Row < RowCount() - 2)
        MoveRowTo(RowCount() - 1, Row);
    else
        Row = RowCount() - 1;
    RowStrings(Row)->Clear();
    SetCurrentRow(Row);
    ResetSelection(Row);
    if (OnRowInsert) OnRowInsert(this, Row);
}

void TSortGrid::InsertColumnAt(int Col) {
    SetColCount(ColCount() + 1);
    MoveColumnTo(ColCount() - 1, Col);
    ColStrings(Col)->Clear();
    SetCurrentCol(Col);
    if (OnColumnInsert) OnColumnInsert(this, Col);
}

void TSortGrid::RemoveRow(int Index) {
    SetModified(true);
    if (RowCount() < 3)
        RowStrings(1)->Clear();
    else
        TMyStringGrid::RemoveRow(Index);
    if (Index >= 0 && Index < int(FRowSettings.size()))
        FRowSettings.erase(FRowSettings.begin() + Index);
    if (OnRowDelete) OnRowDelete(this, Index);
}

void TSortGrid::RemoveColumn(int Index) {
    ColStrings(Index)->Clear();
    TMyStringGrid::RemoveColumn(Index);
    if (OnColumnDelete) OnColumnDelete(this, Index);
}

void TSortGrid::SwapRows(int A, int B) {
    if (A < B) {
        MoveRowTo(B, A);
        MoveRowTo(A + 1, B);
    } else if (B < A) {
        MoveRowTo(A, B);
        MoveRowTo(B + 1, A);
    }
}

void TSortGrid::ColumnMoved(int FromIndex, int ToIndex) {
    const bool always = SuspendAlwaysShowEditor();
    TMyStringGrid::ColumnMoved(FromIndex, ToIndex);
    ResumeAlwaysShowEditor(always);
    if (std::max(FromIndex, ToIndex) < int(FColSettings.size()))
        std::swap(FColSettings[size_t(FromIndex)], FColSettings[size_t(ToIndex)]);
    SetModified(true);
    const int sortCol = FSortOptions.SortCol();
    if (sortCol == FromIndex)
        FSortOptions.SetSortCol(ToIndex);
    else if (FromIndex > sortCol && ToIndex <= sortCol)
        FSortOptions.SetSortCol(sortCol + 1);
    else if (FromIndex < sortCol && ToIndex >= sortCol)
        FSortOptions.SetSortCol(sortCol - 1);
}

void TSortGrid::RowMoved(int FromIndex, int ToIndex) {
    const bool always = SuspendAlwaysShowEditor();
    TMyStringGrid::RowMoved(FromIndex, ToIndex);
    ResumeAlwaysShowEditor(always);
    if (std::max(FromIndex, ToIndex) < int(FRowSettings.size()))
        std::swap(FRowSettings[size_t(FromIndex)], FRowSettings[size_t(ToIndex)]);
}

void TSortGrid::SizeChanged(int OldColCount, int OldRowCount) {
    TMyStringGrid::SizeChanged(OldColCount, OldRowCount);
    // The engine also reports the end of a bulk update this way; only real changes count.
    if (OldColCount == ColCount() && OldRowCount == RowCount()) return;
    SetModified(true);
    UpdateProportionalBars();
    if (FSortOptions.UpdateOnSizeChange()) SortByColumn(FSortOptions.SortCol());
    if (!NowUpdating()) {
        try {
            GoToCell(0, 1, true);
        } catch (const Exception&) {
        }
    }
    FColSettings.resize(size_t(ColCount()));
    FRowSettings.resize(size_t(RowCount()));
    if (RowCount() < 2)
        Application->MessageBox(QStringLiteral("Rowsize too small"), Application->Title(), MB_OK);
    if (OnSizeChanged) OnSizeChanged(this, OldColCount, OldRowCount);
}

void TSortGrid::BeginUpdate() {
    TMyStringGrid::BeginUpdate();
    FSavedUpdateOnSizeChange = FSortOptions.UpdateOnSizeChange();
    FSortOptions.SetUpdateOnSizeChange(false);
}

void TSortGrid::EndUpdate() {
    TMyStringGrid::EndUpdate();
    FSortOptions.SetUpdateOnSizeChange(FSavedUpdateOnSizeChange);
    if (OnEndUpdate) OnEndUpdate(this);
}

void TSortGrid::AutoSizeColumn(int Col, bool Force) {
    if (ColWidths(Col) == -1 && !Force) return;
    TCanvas* c = Canvas();
    int widest = 0;
    for (int r = 0; r < RowCount(); ++r) {
        c->SetFont(*Font());
        bool checkBox = false, combobox = false, ellipsis = false;
        GetCellFormat(Col, r, {}, checkBox, combobox, ellipsis);
        int w = c->TextWidth(CellText(Col, r));
        if (r == 0 && Col == FSortOptions.SortCol() && FSortOptions.CanSort()) w += SortArrowRoom;
        widest = std::max(widest, w);
    }
    SetColWidths(Col, widest > 0 ? widest + c->TextWidth(QStringLiteral("X"))
                                 : c->TextWidth(QStringLiteral("xx")));
}
