// The string grid: cells, row and column views, and the engine operations it overrides.

#include "grid/MyGridsStrings.h"

#include <vector>

// ---- TMyStringGridStrings ----

QString TMyStringGridStrings::Get(int Index) const {
    if (FIndex == 0) return QString();
    return FIndex > 0 ? FGrid->CellText(Index, FIndex - 1) : FGrid->CellText(~FIndex, Index);
}

int TMyStringGridStrings::GetCount() const {
    if (FIndex == 0) return 0;
    return FIndex > 0 ? FGrid->ColCount() : FGrid->RowCount();
}

TObject* TMyStringGridStrings::GetObject(int Index) const {
    if (FIndex == 0) return nullptr;
    return FIndex > 0 ? FGrid->CellObject(Index, FIndex - 1) : FGrid->CellObject(~FIndex, Index);
}

void TMyStringGridStrings::Put(int Index, const QString& S) {
    if (FIndex > 0)
        FGrid->SetCellText(Index, FIndex - 1, S);
    else if (FIndex < 0)
        FGrid->SetCellText(~FIndex, Index, S);
}

void TMyStringGridStrings::PutObject(int Index, TObject* AObject) {
    if (FIndex > 0)
        FGrid->SetCellObject(Index, FIndex - 1, AObject);
    else if (FIndex < 0)
        FGrid->SetCellObject(~FIndex, Index, AObject);
}

int TMyStringGridStrings::Add(const QString& S) {
    for (int i = 0, n = GetCount(); i < n; ++i)
        if (Get(i).isEmpty()) {
            Put(i, S.isEmpty() ? QStringLiteral(" ") : S);
            return i;
        }
    return -1;
}

void TMyStringGridStrings::Insert(int, const QString&) {
    InvalidGridOperation("Invalid string grid operation");
}

void TMyStringGridStrings::Delete(int) {
    InvalidGridOperation("Invalid string grid operation");
}

void TMyStringGridStrings::Clear() {
    if (FIndex > 0) {
        TStringSparseList* row = FGrid->RowData(FIndex - 1);
        if (!row) return;
        std::vector<int> stored;
        row->Sparse().ForAll([&stored](int Index, void*) {
            stored.push_back(Index);
            return 0;
        });
        for (int col : stored) {
            FGrid->SetCellText(col, FIndex - 1, QString());
            FGrid->SetCellObject(col, FIndex - 1, nullptr);
        }
    } else if (FIndex < 0) {
        for (int row = FGrid->RowCount() - 1; row >= 0; --row) {
            FGrid->SetCellObject(~FIndex, row, nullptr);
            FGrid->SetCellText(~FIndex, row, QString());
        }
    }
}

void TMyStringGridStrings::Assign(const TStrings& Source) {
    BeginUpdate();
    try {
        const int n = std::min(Source.Count(), GetCount());
        for (int i = 0; i < n; ++i) {
            Put(i, Source.Strings(i));
            PutObject(i, Source.Objects(i));
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TMyStringGridStrings::SetUpdateState(bool Updating) {
    FGrid->FUpdating = Updating;
    if (!Updating && FGrid->FNeedsUpdating) {
        FGrid->Invalidate();
        FGrid->FNeedsUpdating = false;
    }
}

// ---- TMyStringGrid ----

TMyStringGrid::TMyStringGrid(TComponent* AOwner) : TMyDrawGrid(AOwner) {
    using enum TSPAQuantum;
    FCols = std::make_unique<TSparseList>(ColCount() > 512 ? SPALarge : SPASmall);
    const TSPAQuantum rows = RowCount() > 256 ? SPALarge : SPASmall;
    FRows = std::make_unique<TSparseList>(rows);
    FData = std::make_unique<TSparseList>(rows);
}

TMyStringGrid::~TMyStringGrid() {
    FCols->ForAll([](int, void* p) {
        delete static_cast<TMyStringGridStrings*>(p);
        return 0;
    });
    FRows->ForAll([](int, void* p) {
        delete static_cast<TMyStringGridStrings*>(p);
        return 0;
    });
    FData->ForAll([](int, void* p) {
        delete static_cast<TStringSparseList*>(p);
        return 0;
    });
}

QString TMyStringGrid::CellText(int ACol, int ARow) const {
    const TStringSparseList* row = RowData(ARow);
    return row ? row->Get(ACol) : QString();
}

TObject* TMyStringGrid::CellObject(int ACol, int ARow) const {
    const TStringSparseList* row = RowData(ARow);
    return row ? row->GetObject(ACol) : nullptr;
}

TStringSparseList* TMyStringGrid::EnsureDataRow(int ARow) {
    auto* row = static_cast<TStringSparseList*>(FData->Get(ARow));
    if (!row) {
        row =
            new TStringSparseList(ColCount() > 512 ? TSPAQuantum::SPALarge : TSPAQuantum::SPASmall);
        FData->Put(ARow, row);
    }
    return row;
}

TMyStringGridStrings* TMyStringGrid::EnsureView(TSparseList& Views, int Index, int Code) {
    auto* view = static_cast<TMyStringGridStrings*>(Views.Get(Index));
    if (!view) {
        view = new TMyStringGridStrings(this, Code);
        Views.Put(Index, view);
    }
    return view;
}

void TMyStringGrid::SetCellText(int ACol, int ARow, const QString& Value) {
    EnsureDataRow(ARow)->Put(ACol, Value);
    EnsureView(*FCols, ACol, ~ACol);
    EnsureView(*FRows, ARow, ARow + 1);
    CellUpdate(ACol, ARow);
}

void TMyStringGrid::SetCellObject(int ACol, int ARow, TObject* Value) {
    EnsureDataRow(ARow)->PutObject(ACol, Value);
    EnsureView(*FCols, ACol, ~ACol);
    EnsureView(*FRows, ARow, ARow + 1);
    CellUpdate(ACol, ARow);
}

TStrings* TMyStringGrid::RowStrings(int ARow) {
    return EnsureView(*FRows, ARow, ARow + 1);
}

TStrings* TMyStringGrid::ColStrings(int ACol) {
    return EnsureView(*FCols, ACol, ~ACol);
}

void TMyStringGrid::CellUpdate(int ACol, int ARow) {
    if (FUpdating) {
        FNeedsUpdating = true;
        return;
    }
    InvalidateCell(ACol, ARow);
    if (ACol == CurrentCol() && ARow == CurrentRow() && FEditUpdate == 0) ForceEditorReload();
}

QString TMyStringGrid::GetEditText(int ACol, int ARow) {
    QString v = CellText(ACol, ARow);
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, v);
    return v;
}

void TMyStringGrid::SetEditText(int ACol, int ARow, const QString& Value) {
    ++FEditUpdate;
    try {
        if (Value != CellText(ACol, ARow)) SetCellText(ACol, ARow, Value);
    } catch (...) {
        --FEditUpdate;
        throw;
    }
    --FEditUpdate;
    TMyDrawGrid::SetEditText(ACol, ARow, Value);
}

void TMyStringGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    if (DefaultDrawing())
        Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, CellText(ACol, ARow));
    TMyDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

void TMyStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
    FData->ForAll([FromIndex, ToIndex](int, void* p) {
        auto* row = static_cast<TStringSparseList*>(p);
        const QString text = row->Get(FromIndex);
        TObject* object = row->GetObject(FromIndex);
        row->Delete(FromIndex);
        row->InsertObject(ToIndex, text, object);
        return 0;
    });
    Invalidate();
    TMyDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TMyStringGrid::RowMoved(int FromIndex, int ToIndex) {
    FData->Move(FromIndex, ToIndex);
    Invalidate();
    TMyDrawGrid::RowMoved(FromIndex, ToIndex);
}
