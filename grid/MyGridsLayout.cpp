// Extent arrays and the layout arithmetic: visible metrics, hit testing and cell rectangles.

#include "grid/MyGrids.h"

#include <algorithm>
#include <cstring>

void InvalidGridOperation(const char* Message) {
    throw EInvalidGridOperation(QString::fromUtf8(Message));
}

// ---------------------------------------------------------------------------------------------
// ExtentArray

void ExtentArray::Modify(int Index, int Amount, int Default) {
    const int oldCount = Count();
    if (Index < 0 || Index > oldCount) InvalidGridOperation(GridMessages::IndexOutOfRange);
    const int64_t newCount = int64_t(oldCount) + Amount;
    if (newCount < 0) InvalidGridOperation(GridMessages::TooManyDeleted);
    if (newCount > MaxCount) InvalidGridOperation(GridMessages::GridTooLarge);
    if (newCount == 0) {
        FBlock.reset();
        return;
    }
    auto block = std::make_unique<int32_t[]>(size_t(newCount) + 1);
    block[0] = int32_t(newCount);
    const int keep = std::min(oldCount, int(newCount));
    if (keep > 0) std::memcpy(&block[1], &FBlock[1], size_t(keep) * sizeof(int32_t));
    std::fill(&block[1] + keep, &block[1] + newCount, Default);
    FBlock = std::move(block);
}

void ExtentArray::Move(int From, int To) {
    if (!FBlock || From == To) return;
    const int v = Get(From);
    if (From < To)
        std::memmove(&FBlock[From + 1], &FBlock[From + 2], size_t(To - From) * sizeof(int32_t));
    else
        std::memmove(&FBlock[To + 2], &FBlock[To + 1], size_t(From - To) * sizeof(int32_t));
    Set(To, v);
}

bool ExtentArray::operator==(const ExtentArray& Other) const {
    if (Count() != Other.Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != Other.Get(i)) return false;
    return true;
}

// ---------------------------------------------------------------------------------------------
// Metrics

int AxisMetrics::Extent(int Index) const {
    return Columns ? Grid->ColWidths(Index) : Grid->RowHeights(Index);
}

void TMyCustomGrid::CalcAxis(AxisMetrics& A, int FixedCount, int FirstCell, int CellCount,
                             int ClientExtent) const {
    A.Grid = this;
    A.FixedCount = FixedCount;
    A.FirstCell = FirstCell;
    A.CellCount = CellCount;
    A.ClientExtent = ClientExtent;
    A.FixedEnd = 0;
    for (int i = 0; i < FixedCount; ++i) A.FixedEnd += A.Extent(i) + A.LineWidth;
    A.CellsEnd = A.FixedEnd;
    A.FullEnd = A.FixedEnd;
    A.LastFullCell = FirstCell;
    for (int i = FirstCell; i < CellCount; ++i) {
        A.CellsEnd += A.Extent(i) + A.LineWidth;
        if (A.CellsEnd > ClientExtent + A.LineWidth) {
            A.CellsEnd = ClientExtent;
            break;
        }
        A.LastFullCell = i;
        A.FullEnd = A.CellsEnd;
    }
}

DrawMetrics TMyCustomGrid::CalcDrawMetricsXY(int ClientWidth, int ClientHeight) const {
    using enum TGridOption;
    DrawMetrics m;
    m.Horz.Columns = true;
    m.Vert.Columns = false;
    m.Horz.LineWidth =
        FOptions.Contains(goFixedVertLine) || FOptions.Contains(goVertLine) ? FGridLineWidth : 0;
    m.Vert.LineWidth =
        FOptions.Contains(goFixedHorzLine) || FOptions.Contains(goHorzLine) ? FGridLineWidth : 0;
    CalcAxis(m.Horz, FFixedCols, FTopLeft.X, FColCount, ClientWidth);
    CalcAxis(m.Vert, FFixedRows, FTopLeft.Y, FRowCount, ClientHeight);
    return m;
}

DrawMetrics TMyCustomGrid::CalcDrawMetrics() const {
    const TRect c = ClientRect();
    return CalcDrawMetricsXY(c.Width(), c.Height());
}

TRect TMyCustomGrid::InnerRect() const {
    const int b = BorderExtent();
    return Rect(0, 0, std::max(0, Width() - 2 * b), std::max(0, Height() - 2 * b));
}

TRect TMyCustomGrid::ClientRect() const {
    return FWindowBars.ClientRect(InnerRect());
}

int TMyCustomGrid::VisibleColCount() const {
    const DrawMetrics m = CalcDrawMetrics();
    return m.Horz.LastFullCell - FTopLeft.X + 1;
}

int TMyCustomGrid::VisibleRowCount() const {
    const DrawMetrics m = CalcDrawMetrics();
    return m.Vert.LastFullCell - FTopLeft.Y + 1;
}

namespace {

int CellAtAxis(const AxisMetrics& A, int N) {
    int start = 0, line = 0;
    if (N >= A.FixedEnd) {
        start = A.FirstCell;
        line = A.FixedEnd;
    }
    for (int i = start; i < A.CellCount; ++i) {
        line += A.Extent(i) + A.LineWidth;
        if (N < line) return i;
        if (line > A.ClientExtent + A.LineWidth && i >= A.FixedCount) break;
    }
    return -1;
}

// Pixel start of a cell on an axis; 0 when it is not visible.
int LinePos(const AxisMetrics& A, int Line) {
    int result = 0, start;
    if (Line < A.FixedCount) {
        start = 0;
    } else {
        if (Line >= A.FirstCell) result = A.FixedEnd;
        start = A.FirstCell;
    }
    for (int i = start; i < Line; ++i) {
        result += A.Extent(i) + A.LineWidth;
        if (result > A.ClientExtent) return 0;
    }
    return result;
}

bool CalcAxisRange(const AxisMetrics& A, int Min, int Max, int& ScreenMin, int& ScreenMax,
                   bool IncludeLine) {
    if (Min >= A.FixedCount && Min < A.FirstCell) {
        if (Max < A.FirstCell) return false;
        Min = A.FirstCell;
    }
    if (Max > A.LastFullCell) {
        Max = A.LastFullCell;
        if (Max < A.CellCount - 1) ++Max;
        if (LinePos(A, Max) == 0) --Max;
    }
    ScreenMin = LinePos(A, Min);
    ScreenMax = LinePos(A, Max);
    if (ScreenMax == 0)
        ScreenMax = ScreenMin + A.Extent(Min);
    else
        ScreenMax += A.Extent(Max);
    if (ScreenMax > A.ClientExtent) ScreenMax = A.ClientExtent;
    if (IncludeLine) ScreenMax += A.LineWidth;
    return true;
}

} // namespace

TGridCoord TMyCustomGrid::CellAtPoint(int X, int Y) const {
    const DrawMetrics m = CalcDrawMetrics();
    if (UseRightToLeftAlignment()) X = m.Horz.ClientExtent - X - 1;
    TGridCoord c{CellAtAxis(m.Horz, X), CellAtAxis(m.Vert, Y)};
    if (c.X < 0 || c.Y < 0) return {-1, -1};
    return c;
}

TRect TMyCustomGrid::GridRectToScreenRect(TGridRect R, bool IncludeLine) const {
    TRect s;
    if (R.Left > R.Right || R.Top > R.Bottom) return s;
    const DrawMetrics m = CalcDrawMetrics();
    if (R.Left > m.Horz.LastFullCell + 1 || R.Top > m.Vert.LastFullCell + 1) return s;
    if (!CalcAxisRange(m.Horz, R.Left, R.Right, s.Left, s.Right, IncludeLine)) return {};
    if (!CalcAxisRange(m.Vert, R.Top, R.Bottom, s.Top, s.Bottom, IncludeLine)) return {};
    if (UseRightToLeftAlignment()) {
        const int hold = s.Left;
        s.Left = m.Horz.ClientExtent - s.Right;
        s.Right = m.Horz.ClientExtent - hold;
    }
    return s;
}

TRect TMyCustomGrid::CellBounds(int ACol, int ARow) const {
    return GridRectToScreenRect({ACol, ARow, ACol, ARow}, false);
}

TGridRect TMyCustomGrid::SelectedRect() const {
    return {std::min(FCurrent.X, FAnchor.X), std::min(FCurrent.Y, FAnchor.Y),
            std::max(FCurrent.X, FAnchor.X), std::max(FCurrent.Y, FAnchor.Y)};
}

void TMyCustomGrid::InvalidateGridRectWith(const TGridRect& R) {
    InvalidateRect(GridRectToScreenRect(R, true));
}

void TMyCustomGrid::InvalidateGridRect(const TGridRect& R) {
    InvalidateGridRectWith(R);
}

void TMyCustomGrid::InvalidateCell(int ACol, int ARow) {
    InvalidateGridRectWith({ACol, ARow, ACol, ARow});
}

void TMyCustomGrid::InvalidateColumn(int ACol) {
    InvalidateGridRectWith({ACol, 0, ACol, FRowCount - 1});
}

void TMyCustomGrid::InvalidateRow(int ARow) {
    InvalidateGridRectWith({0, ARow, FColCount - 1, ARow});
}

TGridCoord TMyCustomGrid::CalcMaxTopLeft(TGridCoord Coord, const DrawMetrics& M) const {
    auto maxCell = [](const AxisMetrics& A, int Start) {
        int result = Start;
        int line = A.ClientExtent + A.LineWidth;
        for (int i = Start; i >= A.FixedCount; --i) {
            const int extent = A.Extent(i);
            if (extent <= 0) continue;
            line -= extent + A.LineWidth;
            if (line < A.FixedEnd) {
                if (result == Start && A.Extent(Start) <= 0) result = i;
                break;
            }
            result = i;
        }
        return result;
    };
    return {maxCell(M.Horz, Coord.X), maxCell(M.Vert, Coord.Y)};
}
