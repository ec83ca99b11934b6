// Construction, properties, size changes, moving rows and columns and bulk updates.

#include "grid/MyGrids.h"
#include "platform/Forms.h"

#include <algorithm>

TMyCustomGrid::TMyCustomGrid(TComponent* AOwner) : TCustomControl(AOwner), FWindowBars(this) {
    using enum TGridOption;
    FOptions = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    FDesignOptionsBoost = {goRowSizing, goColSizing};
    ControlStyle() = {TControlStyleItem::csCaptureMouse, TControlStyleItem::csOpaque,
                      TControlStyleItem::csDoubleClicks};
    FColor = clWindow;
    SetParentColor(false);
    SetTabStop(true);
    SetBounds(Left(), Top(), FColCount * FDefaultColWidth, FRowCount * FDefaultRowHeight);
    ResetView();
    // The window has the bars of the default ssBoth from the start; each shows once it has a range.
    FWindowBars.ShowScrollBar(SB_HORZ, true);
    FWindowBars.ShowScrollBar(SB_VERT, true);
    FWindowBars.SetFrame(BorderExtent());
}

// The editor is a component of the grid and goes first, with the control's children.
TMyCustomGrid::~TMyCustomGrid() = default;

void TMyCustomGrid::ResetView() {
    FTopLeft = {FFixedCols, FFixedRows};
    FCurrent = FTopLeft;
    FAnchor = FCurrent;
    if (FOptions.Contains(TGridOption::goRowSelect)) FAnchor.X = FColCount - 1;
}

// ---------------------------------------------------------------------------------------------
// Size

void TMyCustomGrid::SetColCount(int Value) {
    if (FColCount == Value) return;
    if (Value < 1) Value = 1;
    if (Value <= FFixedCols) SetFixedCols(Value - 1);
    ChangeSize(Value, FRowCount);
    if (FOptions.Contains(TGridOption::goRowSelect)) {
        FAnchor.X = FColCount - 1;
        Invalidate();
    }
}

void TMyCustomGrid::SetRowCount(int Value) {
    if (FRowCount == Value) return;
    if (Value < 1) Value = 1;
    if (Value <= FFixedRows) SetFixedRows(Value - 1);
    ChangeSize(FColCount, Value);
}

void TMyCustomGrid::ChangeSize(int NewColCount, int NewRowCount) {
    const DrawMetrics old = CalcDrawMetrics();
    const int oldCols = FColCount, oldRows = FRowCount;
    FColCount = NewColCount;
    FRowCount = NewRowCount;
    if (FFixedCols > NewColCount - 1) FFixedCols = NewColCount - 1;
    if (FFixedRows > NewRowCount - 1) FFixedRows = NewRowCount - 1;
    if (FNowUpdating) return;
    try {
        ApplySizeChange(oldCols, oldRows, &old);
    } catch (...) {
        // Put the old size back and redo the steps for it before passing the failure on.
        FColCount = oldCols;
        FRowCount = oldRows;
        ApplySizeChange(oldCols, oldRows, &old);
        Invalidate();
        throw;
    }
}

void TMyCustomGrid::ApplySizeChange(int OldColCount, int OldRowCount, const DrawMetrics* Old) {
    if (FColWidths.Exists()) FColWidths.Resize(FColCount, FDefaultColWidth);
    if (FTabStops.Exists()) FTabStops.Resize(FColCount, 1);
    if (FRowHeights.Exists()) FRowHeights.Resize(FRowCount, FDefaultRowHeight);
    TGridCoord coord = FCurrent;
    if (coord.Y >= FRowCount) coord.Y = FRowCount - 1;
    if (coord.X >= FColCount) coord.X = FColCount - 1;
    if (coord != FCurrent) SetCurrentCell(coord.X, coord.Y, true, true);
    if (FAnchor != coord) ExtendSelection(coord);
    if (!Old || FTopLeft.X != Old->Horz.FirstCell || FTopLeft.Y != Old->Vert.FirstCell) {
        Invalidate();
    } else {
        // Only from the first cell whose place may have changed onward.
        const DrawMetrics now = CalcDrawMetrics();
        const int col = std::min(Old->Horz.LastFullCell, now.Horz.LastFullCell);
        const int row = std::min(Old->Vert.LastFullCell, now.Vert.LastFullCell);
        TRect r = CellBounds(col, 0);
        InvalidateRect(Rect(r.Left, r.Top, Width(), Height()));
        r = CellBounds(0, row);
        InvalidateRect(Rect(r.Left, r.Top, Width(), Height()));
    }
    UpdateScrollRange();
    SizeChanged(OldColCount, OldRowCount);
}

void TMyCustomGrid::SetFixedCols(int Value) {
    if (FFixedCols == Value) return;
    if (Value < 0) InvalidGridOperation(GridMessages::IndexOutOfRange);
    if (Value >= FColCount) InvalidGridOperation(GridMessages::FixedColTooBig);
    FFixedCols = Value;
    ResetView();
    Invalidate();
}

void TMyCustomGrid::SetFixedRows(int Value) {
    if (FFixedRows == Value) return;
    if (Value < 0) InvalidGridOperation(GridMessages::IndexOutOfRange);
    if (Value >= FRowCount) InvalidGridOperation(GridMessages::FixedRowTooBig);
    FFixedRows = Value;
    ResetView();
    Invalidate();
}

void TMyCustomGrid::SetDefaultColWidth(int Value) {
    if (Value == FDefaultColWidth && !FColWidths.Exists()) return;
    FColWidths.Free();
    FDefaultColWidth = Value;
    ColWidthsChanged();
    Invalidate();
}

void TMyCustomGrid::SetDefaultRowHeight(int Value) {
    if (Value == FDefaultRowHeight && !FRowHeights.Exists()) return;
    FRowHeights.Free();
    FDefaultRowHeight = Value;
    RowHeightsChanged();
    Invalidate();
}

void TMyCustomGrid::SetColWidths(int Index, int Value) {
    if (!FColWidths.Exists()) FColWidths.Resize(FColCount, FDefaultColWidth);
    if (Index < 0 || Index >= FColCount) InvalidGridOperation(GridMessages::IndexOutOfRange);
    if (Value == FColWidths.Get(Index)) return;
    FColWidths.Set(Index, Value);
    Invalidate();
    ColWidthsChanged();
}

void TMyCustomGrid::SetRowHeights(int Index, int Value) {
    if (!FRowHeights.Exists()) FRowHeights.Resize(FRowCount, FDefaultRowHeight);
    if (Index < 0 || Index >= FRowCount) InvalidGridOperation(GridMessages::IndexOutOfRange);
    if (Value == FRowHeights.Get(Index)) return;
    FRowHeights.Set(Index, Value);
    Invalidate();
    RowHeightsChanged();
}

bool TMyCustomGrid::TabStops(int Index) const {
    if (!FTabStops.Exists() || Index < 0 || Index >= FTabStops.Count()) return true;
    return FTabStops.Get(Index) != 0;
}

void TMyCustomGrid::SetTabStops(int Index, bool Value) {
    if (!FTabStops.Exists()) FTabStops.Resize(FColCount, 1);
    if (Index < 0 || Index >= FColCount) InvalidGridOperation(GridMessages::IndexOutOfRange);
    FTabStops.Set(Index, Value ? 1 : 0);
}

std::vector<int> TMyCustomGrid::ColWidthsList() const {
    std::vector<int> v;
    for (int i = 0; i < FColCount; ++i) v.push_back(ColWidths(i));
    return v;
}

std::vector<int> TMyCustomGrid::RowHeightsList() const {
    std::vector<int> v;
    for (int i = 0; i < FRowCount; ++i) v.push_back(RowHeights(i));
    return v;
}

void TMyCustomGrid::ReadColWidths(const std::vector<int>& Values) {
    for (int i = 0; i < int(Values.size()) && i < FColCount; ++i) SetColWidths(i, Values[i]);
}

void TMyCustomGrid::ReadRowHeights(const std::vector<int>& Values) {
    for (int i = 0; i < int(Values.size()) && i < FRowCount; ++i) SetRowHeights(i, Values[i]);
}

// ---------------------------------------------------------------------------------------------
// Looks

void TMyCustomGrid::SetOptions(TGridOptions Value) {
    using enum TGridOption;
    if (FOptions == Value) return;
    if (Value.Contains(goRowSelect)) Value.Exclude(goAlwaysShowEditor);
    FOptions = Value;
    if (!FEditorMode) {
        if (Value.Contains(goAlwaysShowEditor))
            OpenEditor();
        else
            CloseEditor();
    }
    if (Value.Contains(goRowSelect)) SetCurrentCell(FCurrent.X, FCurrent.Y, true, false);
    Invalidate();
}

void TMyCustomGrid::SetFixedColor(TColor Value) {
    if (FFixedColor == Value) return;
    FFixedColor = Value;
    Invalidate();
}

void TMyCustomGrid::SetGridLineWidth(int Value) {
    if (FGridLineWidth == Value) return;
    FGridLineWidth = Value;
    Invalidate();
}

// The window's bars follow the style; what the platform did by re-creating the window.
void TMyCustomGrid::ApplyScrollBarStyle() {
    FWindowBars.ShowScrollBar(SB_HORZ, FScrollBars == TScrollStyle::ssHorizontal ||
                                           FScrollBars == TScrollStyle::ssBoth);
    FWindowBars.ShowScrollBar(SB_VERT, FScrollBars == TScrollStyle::ssVertical ||
                                           FScrollBars == TScrollStyle::ssBoth);
    UpdateScrollRange();
    Invalidate();
}

void TMyCustomGrid::SetScrollBars(TScrollStyle Value) {
    if (FScrollBars == Value) return;
    FScrollBars = Value;
    ApplyScrollBarStyle();
}

void TMyCustomGrid::SetBorderStyle(TBorderStyle Value) {
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    BorderChanged();
}

void TMyCustomGrid::SetCtl3D(bool Value) {
    if (FCtl3D == Value) return;
    FCtl3D = Value;
    BorderChanged();
}

int TMyCustomGrid::BorderExtent() const {
    if (FBorderStyle != TBorderStyle::bsSingle) return 0;
    return FCtl3D ? 2 : 1;
}

// The client area moved and changed size: what a window gets when its frame changes.
void TMyCustomGrid::BorderChanged() {
    FWindowBars.SetFrame(BorderExtent());
    FWindowBars.Layout();
    ClientOffsetChanged(); // the editor moves with the client area; the whole window repaints
    UpdateScrollRange();
}

void TMyCustomGrid::SetDefaultDrawing(bool Value) {
    if (FDefaultDrawing == Value) return;
    FDefaultDrawing = Value;
    Invalidate();
}

void TMyCustomGrid::SetBiDiMode(TBiDiMode Value) {
    if (FBiDiMode == Value) return;
    FBiDiMode = Value;
    Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Moving and removing rows and columns

namespace {

// Where an index lands when the cell at From moves to To.
void MoveAdjust(int& Pos, int From, int To) {
    if (Pos == From) {
        Pos = To;
        return;
    }
    const int lo = std::min(From, To), hi = std::max(From, To);
    if (Pos >= lo && Pos <= hi) Pos += From > To ? 1 : -1;
}

} // namespace

void TMyCustomGrid::MoveColumnTo(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex) return;
    const bool stored = FColWidths.Exists();
    if (stored) {
        FColWidths.Move(FromIndex, ToIndex);
        FTabStops.Move(FromIndex, ToIndex);
    }
    MoveAdjust(FCurrent.X, FromIndex, ToIndex);
    MoveAdjust(FAnchor.X, FromIndex, ToIndex);
    MoveAdjust(FInplaceCol, FromIndex, ToIndex);
    InvalidateGridRect(
        {std::min(FromIndex, ToIndex), 0, std::max(FromIndex, ToIndex), FRowCount - 1});
    ColumnMoved(FromIndex, ToIndex);
    if (stored) ColWidthsChanged();
    RefreshEditor();
}

void TMyCustomGrid::MoveRowTo(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex) return;
    const bool stored = FRowHeights.Exists();
    if (stored) FRowHeights.Move(FromIndex, ToIndex);
    MoveAdjust(FCurrent.Y, FromIndex, ToIndex);
    MoveAdjust(FAnchor.Y, FromIndex, ToIndex);
    MoveAdjust(FInplaceRow, FromIndex, ToIndex);
    RowMoved(FromIndex, ToIndex);
    if (stored) RowHeightsChanged();
    RefreshEditor();
}

void TMyCustomGrid::RemoveColumn(int Index) {
    MoveColumnTo(Index, FColCount - 1);
    SetColCount(FColCount - 1);
}

void TMyCustomGrid::RemoveRow(int Index) {
    MoveRowTo(Index, FRowCount - 1);
    SetRowCount(FRowCount - 1);
}

// ---------------------------------------------------------------------------------------------
// Bulk updates

void TMyCustomGrid::BeginUpdate() {
    // Not nested: a second BeginUpdate takes no second lock, one EndUpdate ends it.
    if (!FNowUpdating) LockUpdates();
    FNowUpdating = true;
    Screen->SetCursor(crHourGlass);
    SetEnabled(false);
    if (OnBeginUpdate) OnBeginUpdate(this);
}

void TMyCustomGrid::EndUpdate() {
    const bool locked = FNowUpdating;
    FNowUpdating = false;
    const auto release = [&](bool Repaint) {
        if (locked) UnlockUpdates();
        if (Repaint) Invalidate();
        SetEnabled(true);
        Screen->SetCursor(crDefault);
    };
    try {
        ApplySizeChange(FColCount, FRowCount, nullptr);
    } catch (...) {
        release(false);
        throw;
    }
    release(true);
}

// ---------------------------------------------------------------------------------------------
// Default answers of the overridable operations

bool TMyCustomGrid::SelectCell(int, int) {
    return true;
}
bool TMyCustomGrid::CanEditAcceptKey(QChar) {
    return true;
}
bool TMyCustomGrid::CanGridAcceptKey(unsigned, TShiftState) {
    return true;
}
bool TMyCustomGrid::CanEditModify() {
    return FCanEditModify;
}
QString TMyCustomGrid::GetEditText(int, int) {
    return {};
}
void TMyCustomGrid::SetEditText(int, int, const QString&) {}
QString TMyCustomGrid::GetEditMask(int, int) {
    return {};
}
int TMyCustomGrid::GetEditLimit() {
    return 0;
}
void TMyCustomGrid::ColumnMoved(int, int) {}
void TMyCustomGrid::RowMoved(int, int) {}
void TMyCustomGrid::SizeChanged(int, int) {}

void TMyCustomGrid::TopLeftChanged() {
    if (FEditorMode && FInplaceEdit)
        FInplaceEdit->PlaceAt(CellBounds(FCurrent.X, FCurrent.Y), false);
}

void TMyCustomGrid::ColWidthsChanged() {
    UpdateScrollRange();
    RefreshEditor();
}

void TMyCustomGrid::RowHeightsChanged() {
    UpdateScrollRange();
    RefreshEditor();
}

bool TMyCustomGrid::BeginColumnDrag(int&, int&, const TPoint&) {
    return true;
}
bool TMyCustomGrid::CheckColumnDrag(int&, int&, const TPoint&) {
    return true;
}
bool TMyCustomGrid::EndColumnDrag(int&, int&, const TPoint&) {
    return true;
}
bool TMyCustomGrid::BeginRowDrag(int&, int&, const TPoint&) {
    return true;
}
bool TMyCustomGrid::CheckRowDrag(int&, int&, const TPoint&) {
    return true;
}
bool TMyCustomGrid::EndRowDrag(int&, int&, const TPoint&) {
    return true;
}

// ---------------------------------------------------------------------------------------------
// TMyCustomDrawGrid

void TMyCustomDrawGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    if (!OnDrawCell) return;
    const bool rtl = UseRightToLeftAlignment();
    if (rtl) {
        // The handler works in plain client coordinates.
        const int w = ClientWidth();
        const int hold = ARect.Left;
        ARect.Left = w - ARect.Right;
        ARect.Right = w - hold;
        MirrorCanvas(false);
    }
    OnDrawCell(this, ACol, ARow, ARect, AState);
    if (rtl) MirrorCanvas(true);
}

bool TMyCustomDrawGrid::SelectCell(int ACol, int ARow) {
    bool can = true;
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
    return can;
}

QString TMyCustomDrawGrid::GetEditText(int ACol, int ARow) {
    QString v;
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, v);
    return v;
}

void TMyCustomDrawGrid::SetEditText(int ACol, int ARow, const QString& Value) {
    if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

QString TMyCustomDrawGrid::GetEditMask(int ACol, int ARow) {
    QString v;
    if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, v);
    return v;
}

void TMyCustomDrawGrid::ColumnMoved(int FromIndex, int ToIndex) {
    if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TMyCustomDrawGrid::RowMoved(int FromIndex, int ToIndex) {
    if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

void TMyCustomDrawGrid::TopLeftChanged() {
    TMyCustomGrid::TopLeftChanged();
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}
