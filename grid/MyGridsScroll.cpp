// Current cell, selection, the view's first cell and the window's scroll bars.

#include "grid/MyGrids.h"
#include "platform/Forms.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int ScrollRangeMax = 127;

// The symmetric difference of two cell blocks as at most four blocks: the bands above and below
// the common part and the bands left and right of it.
std::vector<TGridRect> XorRects(const TGridRect& A, const TGridRect& B) {
    const TGridRect i{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
                      std::min(A.Bottom, B.Bottom)};
    if (i.Left > i.Right || i.Top > i.Bottom) return {A, B};
    std::vector<TGridRect> out;
    const TGridRect& upper = A.Top < B.Top ? A : B;
    const TGridRect& lower = A.Bottom > B.Bottom ? A : B;
    const TGridRect& lefter = A.Left < B.Left ? A : B;
    const TGridRect& righter = A.Right > B.Right ? A : B;
    if (upper.Top < i.Top) out.push_back({upper.Left, upper.Top, upper.Right, i.Top - 1});
    if (lower.Bottom > i.Bottom)
        out.push_back({lower.Left, i.Bottom + 1, lower.Right, lower.Bottom});
    if (lefter.Left < i.Left) out.push_back({lefter.Left, i.Top, i.Left - 1, i.Bottom});
    if (righter.Right > i.Right) out.push_back({i.Right + 1, i.Top, righter.Right, i.Bottom});
    return out;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Current cell and selection

void TMyCustomGrid::SetCurrentCell(int ACol, int ARow, bool MoveAnchor, bool Show) {
    using enum TGridOption;
    if (ACol < 0 || ARow < 0 || ACol >= FColCount || ARow >= FRowCount)
        InvalidGridOperation(GridMessages::IndexOutOfRange);
    if (!SelectCell(ACol, ARow)) return;
    const TGridRect oldSel = SelectedRect();
    const TGridCoord oldCurrent = FCurrent;
    FCurrent = {ACol, ARow};
    if (!FOptions.Contains(goAlwaysShowEditor)) CloseEditor();
    if (MoveAnchor || !FOptions.Contains(goRangeSelect)) {
        FAnchor = FCurrent;
        if (FOptions.Contains(goRowSelect)) FAnchor.X = FColCount - 1;
    }
    if (FOptions.Contains(goRowSelect)) FCurrent.X = FFixedCols;
    if (Show) ScrollCellIntoView(FCurrent);
    SelectionMoved(oldSel);
    InvalidateCell(oldCurrent.X, oldCurrent.Y);
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TMyCustomGrid::ExtendSelection(TGridCoord NewAnchor) {
    using enum TGridOption;
    if (!FOptions.Contains(goRangeSelect) || FOptions.Contains(goEditing)) {
        SetCurrentCell(NewAnchor.X, NewAnchor.Y, true, true);
        return;
    }
    const TGridRect oldSel = SelectedRect();
    FAnchor = NewAnchor;
    if (FOptions.Contains(goRowSelect)) FAnchor.X = FColCount - 1;
    ScrollCellIntoView(NewAnchor);
    SelectionMoved(oldSel);
}

void TMyCustomGrid::SelectionMoved(const TGridRect& OldSel) {
    for (const TGridRect& r : XorRects(OldSel, SelectedRect())) InvalidateGridRectWith(r);
}

void TMyCustomGrid::CurrentCellChangedByUser() {
    RefreshEditor();
    Click();
}

void TMyCustomGrid::SetCurrentCol(int Value) {
    if (Value == FCurrent.X) return;
    SetCurrentCell(Value, FCurrent.Y, true, true);
    CurrentCellChangedByUser();
}

void TMyCustomGrid::SetCurrentRow(int Value) {
    if (Value == FCurrent.Y) return;
    SetCurrentCell(FCurrent.X, Value, true, true);
    CurrentCellChangedByUser();
}

bool TMyCustomGrid::IsActiveControl() const {
    if (TCustomForm* f = GetParentForm(this)) return f->ActiveControl() == this;
    const TWinControl* focused = FocusedWinControl();
    return focused && ContainsControl(focused);
}

// ---------------------------------------------------------------------------------------------
// The view

void TMyCustomGrid::SetFirstVisibleCol(int Value) {
    if (FTopLeft.X != Value) SetTopLeft(Value, FTopLeft.Y);
}

void TMyCustomGrid::SetFirstVisibleRow(int Value) {
    if (FTopLeft.Y != Value) SetTopLeft(FTopLeft.X, Value);
}

void TMyCustomGrid::SetTopLeft(int ALeft, int ATop) {
    if (ALeft == FTopLeft.X && ATop == FTopLeft.Y) return;
    const TGridCoord old = FTopLeft;
    Update();
    FTopLeft = {ALeft, ATop};
    TopLeftMoved(old);
}

void TMyCustomGrid::ScrollCellIntoView(TGridCoord Coord) {
    const DrawMetrics m = CalcDrawMetrics();
    const bool after = Coord.X > m.Horz.LastFullCell || Coord.Y > m.Vert.LastFullCell;
    if (!after && Coord.X >= FTopLeft.X && Coord.Y >= FTopLeft.Y) return;
    const TGridCoord old = FTopLeft;
    const TGridCoord maxTopLeft = CalcMaxTopLeft(Coord, m);
    Update();
    if (Coord.X < FTopLeft.X)
        FTopLeft.X = Coord.X;
    else if (Coord.X > m.Horz.LastFullCell)
        FTopLeft.X = maxTopLeft.X;
    if (Coord.Y < FTopLeft.Y)
        FTopLeft.Y = Coord.Y;
    else if (Coord.Y > m.Vert.LastFullCell)
        FTopLeft.Y = maxTopLeft.Y;
    if (FTopLeft != old) TopLeftMoved(old);
}

void TMyCustomGrid::TopLeftMoved(TGridCoord OldTopLeft) {
    UpdateScrollPos();
    const DrawMetrics m = CalcDrawMetrics();
    // Pixels between the old and the new first cell on an axis; positive when moving back.
    auto distance = [](const AxisMetrics& A, int Old, int New) {
        int sum = 0;
        for (int i = std::min(Old, New); i < std::max(Old, New); ++i)
            sum += A.Extent(i) + A.LineWidth;
        return Old > New ? sum : -sum;
    };
    const int dx = distance(m.Horz, OldTopLeft.X, FTopLeft.X);
    const int dy = distance(m.Vert, OldTopLeft.Y, FTopLeft.Y);
    const int w = m.Horz.ClientExtent, h = m.Vert.ClientExtent;
    const int fh = m.Horz.FixedEnd, fv = m.Vert.FixedEnd;
    if (std::abs(dx) > m.Horz.CellsEnd - fh || std::abs(dy) > m.Vert.CellsEnd - fv) {
        Invalidate();
    } else {
        const int sx = UseRightToLeftAlignment() ? -dx : dx;
        const TRect rtlCells =
            UseRightToLeftAlignment() ? Rect(0, 0, w - fh, h) : Rect(fh, 0, w, h);
        if (dx != 0 && dy == 0) {
            ScrollWindow(sx, 0, rtlCells);
        } else if (dy != 0 && dx == 0) {
            ScrollWindow(0, dy, Rect(0, fv, w, h));
        } else if (dx != 0) {
            ScrollWindow(sx, 0, Rect(rtlCells.Left, 0, rtlCells.Right, fv));
            const TRect band =
                UseRightToLeftAlignment() ? Rect(w - fh, fv, w, h) : Rect(0, fv, fh, h);
            ScrollWindow(0, dy, band);
            ScrollWindow(sx, dy, Rect(rtlCells.Left, fv, rtlCells.Right, h));
        }
    }
    if (FOptions.Contains(TGridOption::goRowSelect)) InvalidateGridRectWith(SelectedRect());
    TopLeftChanged();
}

// ---------------------------------------------------------------------------------------------
// Scroll bars

void TMyCustomGrid::SetScrollPosIfChanged(int Bar, int Value) {
    if (FWindowBars.GetScrollPos(Bar) != Value) FWindowBars.SetScrollPos(Bar, Value);
}

void TMyCustomGrid::UpdateScrollPos() {
    if (FScrollBars == TScrollStyle::ssNone) return;
    const DrawMetrics m = CalcDrawMetrics();
    const TGridCoord maxTopLeft = CalcMaxTopLeft({FColCount - 1, FRowCount - 1}, m);
    if (FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth) {
        if (FColCount == 1) {
            if (FColOffset > 0 && ClientWidth() > ColWidths(0) - FColOffset)
                ModifyColOffset(std::max(0, ColWidths(0) - ClientWidth()));
            else
                SetScrollPosIfChanged(SB_HORZ, FColOffset);
        } else {
            SetScrollPosIfChanged(SB_HORZ, MulDiv(FTopLeft.X - FFixedCols, ScrollRangeMax,
                                                  maxTopLeft.X - FFixedCols));
        }
    }
    if (FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth)
        SetScrollPosIfChanged(
            SB_VERT, MulDiv(FTopLeft.Y - FFixedRows, ScrollRangeMax, maxTopLeft.Y - FFixedRows));
}

void TMyCustomGrid::UpdateScrollRange() {
    if (FUpdatingScrollRange) return;
    FUpdatingScrollRange = true;
    const TGridCoord oldTopLeft = FTopLeft;
    const bool horz =
        FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth;
    const bool vert =
        FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth;
    TGridCoord maxTopLeft{FFixedCols, FFixedRows};
    auto setHorz = [&](int ClientW, int ClientH) {
        const DrawMetrics m = CalcDrawMetricsXY(ClientW, ClientH);
        maxTopLeft.X = CalcMaxTopLeft({FColCount - 1, FRowCount - 1}, m).X;
        if (!horz) return;
        if (FColCount == 1)
            FWindowBars.SetScrollRange(SB_HORZ, 0, std::max(0, ColWidths(0) - ClientW));
        else
            FWindowBars.SetScrollRange(SB_HORZ, 0, maxTopLeft.X > FFixedCols ? ScrollRangeMax : 0);
    };
    try {
        // The grid's own bars are left out of the first calculation.
        const TRect full = InnerRect();
        setHorz(full.Width(), full.Height());
        const int clientW = ClientWidth();
        {
            const DrawMetrics m = CalcDrawMetricsXY(clientW, ClientHeight());
            maxTopLeft.Y = CalcMaxTopLeft({FColCount - 1, FRowCount - 1}, m).Y;
            if (vert)
                FWindowBars.SetScrollRange(SB_VERT, 0,
                                           maxTopLeft.Y > FFixedRows ? ScrollRangeMax : 0);
        }
        if (ClientWidth() != full.Width()) setHorz(ClientWidth(), ClientHeight());
        FWindowBars.Layout();
    } catch (...) {
        FUpdatingScrollRange = false;
        throw;
    }
    FUpdatingScrollRange = false;
    if (FColCount > 1) FTopLeft.X = std::max(FFixedCols, std::min(FTopLeft.X, maxTopLeft.X));
    FTopLeft.Y = std::max(FFixedRows, std::min(FTopLeft.Y, maxTopLeft.Y));
    UpdateScrollPos();
    if (FTopLeft != oldTopLeft) {
        const TGridCoord clamped = FTopLeft;
        FTopLeft = oldTopLeft;
        Update();
        FTopLeft = clamped;
        TopLeftMoved(oldTopLeft);
    }
}

void TMyCustomGrid::ModifyScrollBar(int Bar, unsigned Code, int Pos, bool UseRightToLeft) {
    if (Visible() && CanFocus() && TabStop() && !IsDesigning()) SetFocus();
    const DrawMetrics m = CalcDrawMetrics();
    if (Bar == SB_HORZ && FColCount == 1) {
        ModifyPixelScrollBar(Code, Pos);
        return;
    }
    const TGridCoord maxTopLeft = CalcMaxTopLeft({FColCount - 1, FRowCount - 1}, m);
    const bool horz = Bar == SB_HORZ;
    const int rtl = horz && UseRightToLeft && UseRightToLeftAlignment() ? -1 : 1;
    const int lo = horz ? FFixedCols : FFixedRows;
    const int hi = horz ? maxTopLeft.X : maxTopLeft.Y;
    const int current = horz ? FTopLeft.X : FTopLeft.Y;
    auto step = [&](int From) {
        switch (Code) {
        case SB_LINEUP:
            return From - rtl;
        case SB_LINEDOWN:
            return From + rtl;
        case SB_PAGEUP: {
            const TGridCoord back = CalcMaxTopLeft(FTopLeft, m);
            const int page = std::max(1, current - (horz ? back.X : back.Y));
            return From - page * rtl;
        }
        case SB_PAGEDOWN: {
            const int page =
                std::max(1, (horz ? m.Horz.LastFullCell : m.Vert.LastFullCell) - current);
            return From + page * rtl;
        }
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            if (FOptions.Contains(TGridOption::goThumbTracking) || Code == SB_THUMBPOSITION) {
                if (rtl < 0) return hi - MulDiv(Pos, hi - lo, ScrollRangeMax);
                return lo + MulDiv(Pos, hi - lo, ScrollRangeMax);
            }
            return From;
        case SB_BOTTOM:
            return hi;
        case SB_TOP:
            return lo;
        default:
            return From;
        }
    };
    int next = current;
    for (;;) {
        const int before = next;
        next = step(next);
        // Hidden cells are stepped over.
        const bool hidden =
            next > lo && next < hi && (horz ? ColWidths(next) : RowHeights(next)) <= 0;
        if (!hidden || next == before) break;
    }
    next = std::max(lo, std::min(hi, next));
    if (horz)
        SetTopLeft(next, FTopLeft.Y);
    else
        SetTopLeft(FTopLeft.X, next);
}

void TMyCustomGrid::ModifyPixelScrollBar(unsigned Code, int Pos) {
    const DrawMetrics m = CalcDrawMetrics();
    const int rtl = UseRightToLeftAlignment() ? -1 : 1;
    const int maxOffset = std::max(0, ColWidths(0) - ClientWidth() - m.Horz.FixedEnd);
    int offset = FColOffset;
    switch (Code) {
    case SB_LINEUP:
        offset -= Canvas()->TextWidth("0") * rtl;
        break;
    case SB_LINEDOWN:
        offset += Canvas()->TextWidth("0") * rtl;
        break;
    case SB_PAGEUP:
        offset -= (ClientWidth() - m.Horz.FixedEnd) * rtl;
        break;
    case SB_PAGEDOWN:
        offset += (ClientWidth() - m.Horz.FixedEnd) * rtl;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        if (FOptions.Contains(TGridOption::goThumbTracking) || Code == SB_THUMBPOSITION)
            offset = rtl < 0 ? maxOffset - Pos : Pos;
        break;
    case SB_BOTTOM:
        offset = maxOffset;
        break;
    case SB_TOP:
        offset = 0;
        break;
    default:
        break;
    }
    offset = std::max(0, std::min(maxOffset, offset));
    if (offset != FColOffset) ModifyColOffset(offset);
}

void TMyCustomGrid::ModifyColOffset(int Value) {
    const int old = FColOffset;
    FColOffset = Value;
    const DrawMetrics m = CalcDrawMetrics();
    const int dx = (old - Value) * (UseRightToLeftAlignment() ? -1 : 1);
    ScrollWindow(dx, 0, ClientRect());
    InvalidateRect(Rect(0, 0, m.Horz.ClientExtent, m.Vert.FixedEnd));
    SetScrollPosIfChanged(SB_HORZ, FColOffset);
}
