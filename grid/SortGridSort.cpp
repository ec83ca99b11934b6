// TSortGrid: comparison styles, sorting by one or more columns, and the row and column work.

#include "grid/SortGrid.h"

#include "platform/Forms.h"

#include <QLocale>
#include <QVarLengthArray>
#include <algorithm>
#include <numeric>

namespace {

// "h:nn" or "h:nn:ss", as a fraction of a day.
bool TryStrToTime(const QString& S, double& Value) {
    const QStringList parts = S.trimmed().split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 3) return false;
    int v[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i)
        if (!TryStrToInt(parts[i], v[i]) || parts[i].isEmpty() || v[i] < 0) return false;
    TDateTime t = 0;
    if (!TryEncodeTime(v[0], v[1], v[2], 0, t)) return false;
    Value = t;
    return true;
}

int StrComp(const QString& A, const QString& B) {
    const int r = QString::compare(A, B, Qt::CaseSensitive);
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

QString LowerAscii(const QString& S) {
    QString r = S;
    for (QChar& c : r)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + 32);
    return r;
}

bool IsDigit(QChar C) {
    return C >= QLatin1Char('0') && C <= QLatin1Char('9');
}

int CompareNumericExtended(const QString& A, const QString& B) {
    if (A.isEmpty() || B.isEmpty()) return -1;
    const qsizetype n = std::min(A.size(), B.size());
    // Built in place: this runs for every pair the sort compares.
    QVarLengthArray<QChar, 64> a, b;
    for (qsizetype i = 0; i < n; ++i) {
        if (i == n - 1) {
            a.append(A.constData() + i, A.size() - i);
            b.append(B.constData() + i, B.size() - i);
        } else if (!(A[i] == B[i] && !IsDigit(A[i]))) {
            a.append(A[i]);
            b.append(B[i]);
        }
    }
    const qsizetype shorter = std::min(a.size(), b.size());
    for (qsizetype k = 0; k < shorter; ++k) {
        const QChar ca = a.back(), cb = b.back();
        if (ca != cb || IsDigit(ca)) break;
        a.removeLast();
        b.removeLast();
    }
    const QString sa = QString::fromRawData(a.constData(), a.size());
    const QString sb = QString::fromRawData(b.constData(), b.size());
    if (sa == sb) return 0;
    int ia = 0, ib = 0;
    if (TryStrToInt(sa, ia) && TryStrToInt(sb, ib)) return ia < ib ? -1 : 1;
    return StrComp(sa, sb);
}

// A sort key with its conversion done once; the comparison stays the per-pair rule. Text points
// at the cell's own text, or at a lower-cased copy kept by the caller.
struct TKey {
    const QString* Text = nullptr;
    bool Ok = false;
    double Value = 0;
    int Row = 0;
    int Source = 0; // snapshot row
};

bool HasUpperAscii(const QString& S) {
    for (QChar c : S)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) return true;
    return false;
}

TKey MakeKey(const QString& S, TSortStyle Style, bool CaseSensitive, QString& Lowered) {
    TKey k;
    k.Text = &S;
    if (!CaseSensitive && HasUpperAscii(S)) {
        Lowered = LowerAscii(S);
        k.Text = &Lowered;
    }
    switch (Style) {
    case TSortStyle::ssNumeric:
        k.Ok = TryStrToFloat(*k.Text, k.Value);
        break;
    case TSortStyle::ssDateTime: {
        TDateTime d = 0;
        k.Ok = TryStrToDateTime(*k.Text, d);
        k.Value = d;
        break;
    }
    case TSortStyle::ssTime:
        k.Ok = TryStrToTime(*k.Text, k.Value);
        break;
    default:
        break;
    }
    return k;
}

int CompareKeys(const TKey& A, const TKey& B, const TSortOptions& O) {
    switch (O.SortStyle()) {
    case TSortStyle::ssNumeric:
    case TSortStyle::ssDateTime:
    case TSortStyle::ssTime:
        if (A.Ok && B.Ok) return A.Value < B.Value ? -1 : A.Value > B.Value ? 1 : 0;
        return StrComp(*A.Text, *B.Text);
    case TSortStyle::ssNumericExtended:
        return CompareNumericExtended(*A.Text, *B.Text);
    case TSortStyle::ssCustom:
        return O.CompareProc() ? O.CompareProc()(*A.Text, *B.Text) : 0;
    default:
        return StrComp(*A.Text, *B.Text);
    }
}

int Directed(int Result, int RowA, int RowB, const TSortOptions& O) {
    if (Result == 0) return RowA < RowB ? -1 : RowA > RowB ? 1 : 0;
    return O.SortDirection() == TSortDirection::sdDescending ? -Result : Result;
}

} // namespace

int TSortGrid::CompareItems(const TSortItem& A, const TSortItem& B) {
    const TSortOptions& o = *A.SortOptions;
    QString la, lb;
    const TKey a = MakeKey(A.Str, o.SortStyle(), o.SortCaseSensitive(), la);
    const TKey b = MakeKey(B.Str, o.SortStyle(), o.SortCaseSensitive(), lb);
    return Directed(CompareKeys(a, b, o), A.RowNum, B.RowNum, o);
}

TSortStyle TSortGrid::DetectSortStyle(int Col) const {
    bool numbers = true, times = true, dates = true;
    for (int r = 1; r < RowCount() && (numbers || times || dates); ++r) {
        const QString s = CellText(Col, r);
        double v = 0;
        TDateTime d = 0;
        numbers = numbers && TryStrToFloat(s, v);
        times = times && TryStrToTime(s, v);
        dates = dates && TryStrToDateTime(s, d);
    }
    if (numbers) return TSortStyle::ssNumeric;
    if (dates) return TSortStyle::ssDateTime;
    if (times) return TSortStyle::ssTime;
    return TSortStyle::ssNormal;
}

void TSortGrid::SortByColumn(int Col) {
    if (!FSortOptions.CanSort()) return;
    FSortOptions.SetSortCol(Col);
    FSorting = true;
    BeginUpdate();
    if (BeforeSort) BeforeSort(this, Col);

    std::vector<bool> selected(size_t(std::max(RowCount(), 1)), false);
    for (int i = 0; i < FSelectedRows.Count(); ++i) {
        int r = -1;
        if (TryStrToInt(FSelectedRows.Strings(i), r) && r >= 0 && r < RowCount())
            selected[size_t(r)] = true;
    }
    std::vector<int> keys{Col};
    for (const QString& part : FSortOptions.SecondaryIndex().split(QLatin1Char(','))) {
        int k = -1;
        if (TryStrToInt(part.trimmed(), k) && k != Col) keys.push_back(k);
    }

    // The snapshot holds the rows' stored items themselves (moved out, not copied); order[i]
    // is the snapshot row now at position i.
    const int rows = RowCount(), cols = ColCount();
    std::vector<void*> snapshot(static_cast<size_t>(rows) * size_t(cols), nullptr);
    for (int r = 0; r < rows; ++r)
        if (TStringSparseList* data = RowData(r))
            for (int c = 0; c < cols && c < data->Count(); ++c)
                snapshot[size_t(r) * cols + c] = data->TakeItem(c);
    std::vector<int> order(static_cast<size_t>(rows));
    std::iota(order.begin(), order.end(), 0);

    // Each grid row written once, from the record now at its position; also after a failure,
    // so that no record is lost.
    const auto writeBack = [&] {
        bool first = true;
        for (int row = 1; row < rows; ++row) {
            const int src = order[size_t(row)];
            TStringSparseList* data = EnsureDataRow(row);
            for (int c = 0; c < cols; ++c) {
                void*& item = snapshot[size_t(src) * cols + c];
                data->PlaceItem(c, item);
                item = nullptr;
            }
            if (selected[size_t(src)]) {
                if (first) {
                    SetCurrentRow(row);
                    FSelectionOrder.Clear();
                    FSelectedRows.Clear();
                    first = false;
                }
                FSelectionOrder.Add(QString::number(row));
                FSelectedRows.Add(QString::number(row));
            }
        }
        // The header stays where it was.
        if (rows > 0)
            if (TStringSparseList* header = RowData(0))
                for (int c = 0; c < cols; ++c) header->PlaceItem(c, snapshot[size_t(c)]);
    };
    const auto finish = [&] {
        FSorting = false;
        FSortOptions.SetCompareProc(nullptr);
    };

    TSortStyle answered = TSortStyle::ssAutomatic;
    int processed = Col;
    try {
        std::vector<QString> lowered(static_cast<size_t>(rows));
        std::vector<TKey> keysOfRows;
        for (size_t ki = keys.size(); ki-- > 0;) {
            const int k = keys[ki];
            processed = k;
            const auto text = [&](int Position) -> const QString& {
                static const QString none;
                return k >= 0 && k < cols
                           ? TStringSparseList::ItemText(
                                 snapshot[size_t(order[size_t(Position)]) * cols + k])
                           : none;
            };
            if (OnGetSortStyle) {
                OnGetSortStyle(this, k, answered);
                FSortOptions.SetSortStyle(answered);
            } else if (FSortOptions.SortStyle() == TSortStyle::ssAutomatic) {
                bool numbers = true, times = true, dates = true;
                for (int i = 1; i < rows && (numbers || times || dates); ++i) {
                    double v = 0;
                    TDateTime d = 0;
                    numbers = numbers && TryStrToFloat(text(i), v);
                    times = times && TryStrToTime(text(i), v);
                    dates = dates && TryStrToDateTime(text(i), d);
                }
                FSortOptions.SetSortStyle(numbers ? TSortStyle::ssNumeric
                                          : dates ? TSortStyle::ssDateTime
                                          : times ? TSortStyle::ssTime
                                                  : TSortStyle::ssNormal);
            }
            keysOfRows.clear();
            keysOfRows.reserve(size_t(std::max(0, rows - 1)));
            for (int i = 1; i < rows; ++i) {
                TKey key = MakeKey(text(i), FSortOptions.SortStyle(),
                                   FSortOptions.SortCaseSensitive(), lowered[size_t(i)]);
                key.Row = i;
                key.Source = order[size_t(i)];
                keysOfRows.push_back(key);
            }
            std::sort(keysOfRows.begin(), keysOfRows.end(), [this](const TKey& x, const TKey& y) {
                return Directed(CompareKeys(x, y, FSortOptions), x.Row, y.Row, FSortOptions) < 0;
            });
            for (size_t i = 0; i < keysOfRows.size(); ++i) order[i + 1] = keysOfRows[i].Source;
        }
    } catch (...) {
        writeBack();
        finish();
        EndUpdate();
        throw;
    }

    writeBack();
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
        if (r == 0 && Col == FSortOptions.SortCol() && FSortOptions.CanSort()) w += 12;
        widest = std::max(widest, w);
    }
    SetColWidths(Col, widest > 0 ? widest + c->TextWidth(QStringLiteral("X"))
                                 : c->TextWidth(QStringLiteral("xx")));
}
