// Keyboard and mouse: navigation, range selection with automatic scrolling, sizing and moving of
// rows and columns, the lines drawn meanwhile, cursors, cancel mode and the wheel.

#include "grid/MyGrids.h"
#include "platform/Forms.h"

#include <algorithm>

namespace {

constexpr unsigned ScrollTimerId = 1;
constexpr int ScrollTimerInterval = 60;

// Draws with a dotted XOR pen and gives the canvas its pen back afterwards.
class TXorPen {
public:
    TXorPen(TCanvas* Canvas, int Width) : FCanvas(Canvas), FSaved(*Canvas->Pen()) {
        TPen* p = Canvas->Pen();
        p->SetStyle(TPenStyle::psDot);
        p->SetMode(TPenMode::pmXor);
        p->SetWidth(Width);
        p->SetColor(clWhite);
    }
    ~TXorPen() { FCanvas->Pen()->Assign(FSaved); }
    TXorPen(const TXorPen&) = delete;
    TXorPen& operator=(const TXorPen&) = delete;

private:
    TCanvas* FCanvas;
    TPen FSaved;
};

} // namespace

// ---------------------------------------------------------------------------------------------
// Messages

void TMyCustomGrid::WndProc(TMessage& Message) {
    if (!EditorMessage(Message) && !FocusMessage(Message) && !MouseMessage(Message) &&
        !WindowMessage(Message))
        TCustomControl::WndProc(Message);
}

// Each of these answers true when it has handled the message whole; false passes it on.
bool TMyCustomGrid::EditorMessage(TMessage& Message) {
    using enum TGridOption;
    switch (Message.Msg) {
    case WM_GETDLGCODE: {
        unsigned code = DLGC_WANTARROWS;
        if (!FOptions.Contains(goRowSelect)) {
            if (FOptions.Contains(goTabs)) code |= DLGC_WANTTAB;
            if (FOptions.Contains(goEditing)) code |= DLGC_WANTCHARS;
        }
        Message.Result = code;
        return true;
    }
    case WM_CHAR: {
        const unsigned ch = unsigned(Message.WParam);
        if (!FOptions.Contains(goEditing) || (ch != 8 && ch < 32)) return false;
        OpenEditor();
        PostCharToEditor(QChar(char16_t(ch)));
        return true;
    }
    case WM_COMMAND:
        if (!FInplaceEdit || Message.LParam != LPARAM(FInplaceEdit) ||
            HiWord(LPARAM(Message.WParam)) != EN_CHANGE)
            return false;
        if (!FInplaceEdit->Loading() && FInplaceCol != -1 && FInplaceRow != -1)
            SetEditText(FInplaceCol, FInplaceRow, FInplaceEdit->Text());
        return true;
    case CM_WANTSPECIALKEY:
        if (!FOptions.Contains(goEditing) || Message.WParam != VK_RETURN) return false;
        Message.Result = 1;
        return true;
    case CM_FONTCHANGED:
        TCustomControl::WndProc(Message);
        if (FInplaceEdit) FInplaceEdit->SetFont(*Font());
        return true;
    default:
        return false;
    }
}

bool TMyCustomGrid::FocusMessage(TMessage& Message) {
    switch (Message.Msg) {
    case WM_KILLFOCUS:
        TCustomControl::WndProc(Message);
        InvalidateGridRect(SelectedRect());
        if (!EditorFocused()) HideEditorWindow();
        return true;
    case WM_SETFOCUS: {
        const bool fromEditor = FFocusFromEditor;
        FFocusFromEditor = false;
        TCustomControl::WndProc(Message);
        if (!fromEditor) {
            InvalidateGridRect(SelectedRect());
            RefreshEditor();
        }
        return true;
    }
    default:
        return false;
    }
}

bool TMyCustomGrid::MouseMessage(TMessage& Message) {
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // Stamped after the press made the editor, so its next press can be a double click.
        TCustomControl::WndProc(Message);
        if (FInplaceEdit) FInplaceEdit->SetClickTime(GridMessageTime());
        return true;
    case WM_MOUSEMOVE:
        // Every mouse message is preceded by a hit test at its point.
        FHitTest = PointFromLParam(Message.LParam);
        TCustomControl::WndProc(Message);
        Perform(WM_SETCURSOR, 0, MakeLParam(HTCLIENT, WM_MOUSEMOVE));
        return true;
    case WM_NCHITTEST:
        FHitTest = ScreenToClient(PointFromLParam(Message.LParam));
        return false;
    case WM_SETCURSOR:
        if (LoWordSigned(Message.LParam) != HTCLIENT) return false;
        UpdateCursor();
        Message.Result = 1;
        return true;
    case WM_MOUSEWHEEL:
        DoWheel(HiWordSigned(LPARAM(Message.WParam)) < 0, Message.WParam, Message.LParam,
                Message.Result);
        return Message.Result != 0;
    default:
        return false;
    }
}

bool TMyCustomGrid::WindowMessage(TMessage& Message) {
    switch (Message.Msg) {
    case WM_TIMER:
        if (Message.WParam == ScrollTimerId) OnTimerTick();
        return true;
    case WM_HSCROLL:
    case WM_VSCROLL:
        ModifyScrollBar(Message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT,
                        LoWord(LPARAM(Message.WParam)), HiWord(LPARAM(Message.WParam)), true);
        return true;
    case WM_SIZE:
        TCustomControl::WndProc(Message);
        FWindowBars.Layout();
        UpdateScrollRange();
        if (UseRightToLeftAlignment()) Invalidate();
        return true;
    case WM_CANCELMODE:
        CancelMode();
        return false;
    case CM_CANCELMODE:
        if (FInplaceEdit) FInplaceEdit->Perform(CM_CANCELMODE, Message.WParam, Message.LParam);
        CancelMode();
        return false;
    case CM_SHOWINGCHANGED:
        TCustomControl::WndProc(Message);
        if (Showing()) UpdateScrollRange();
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------------------------
// Keyboard

void TMyCustomGrid::KeyDown(unsigned& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (!CanGridAcceptKey(Key, Shift)) Key = 0;
    const DrawMetrics m = CalcDrawMetrics();
    TGridCoord topLeft = FTopLeft, current = FCurrent;
    if (Shift.Contains(TShiftStateItem::ssCtrl))
        CtrlKeyMove(Key, m, topLeft, current);
    else
        PlainKeyMove(Key, Shift, m, topLeft, current);
    ApplyKeyMove(topLeft, current, Shift, m);
}

int TMyCustomGrid::PageWidth(const DrawMetrics& M) const {
    return std::max(1, M.Horz.LastFullCell - FTopLeft.X);
}

int TMyCustomGrid::PageHeight(const DrawMetrics& M) const {
    return std::max(1, M.Vert.LastFullCell - FTopLeft.Y);
}

// With Ctrl the arrows scroll the view and the paging keys jump to its edges.
void TMyCustomGrid::CtrlKeyMove(unsigned Key, const DrawMetrics& M, TGridCoord& TopLeft,
                                TGridCoord& Current) {
    const int rtl = UseRightToLeftAlignment() ? -1 : 1;
    switch (Key) {
    case VK_UP:
        --TopLeft.Y;
        break;
    case VK_DOWN:
        ++TopLeft.Y;
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (!FOptions.Contains(TGridOption::goRowSelect)) {
            const int d = (Key == VK_LEFT ? -PageWidth(M) : PageWidth(M)) * rtl;
            Current.X += d;
            TopLeft.X += d;
        }
        break;
    case VK_PRIOR:
        Current.Y = FTopLeft.Y;
        break;
    case VK_NEXT:
        Current.Y = M.Vert.LastFullCell;
        break;
    case VK_HOME:
        Current = {FFixedCols, FFixedRows};
        if (rtl < 0) Invalidate();
        break;
    case VK_END:
        Current = {FColCount - 1, FRowCount - 1};
        if (rtl < 0) Invalidate();
        break;
    default:
        break;
    }
}

void TMyCustomGrid::PlainKeyMove(unsigned Key, TShiftState& Shift, const DrawMetrics& M,
                                 TGridCoord& TopLeft, TGridCoord& Current) {
    const bool rowSelect = FOptions.Contains(TGridOption::goRowSelect);
    switch (Key) {
    case VK_UP:
        --Current.Y;
        break;
    case VK_DOWN:
        ++Current.Y;
        break;
    case VK_LEFT:
    case VK_RIGHT: {
        const int d = (Key == VK_LEFT ? -1 : 1) * (UseRightToLeftAlignment() ? -1 : 1);
        (rowSelect ? Current.Y : Current.X) += d;
        break;
    }
    case VK_NEXT:
    case VK_PRIOR: {
        const int d = Key == VK_NEXT ? PageHeight(M) : -PageHeight(M);
        Current.Y += d;
        TopLeft.Y += d;
        break;
    }
    case VK_HOME:
        (rowSelect ? Current.Y : Current.X) = rowSelect ? FFixedRows : FFixedCols;
        break;
    case VK_END:
        (rowSelect ? Current.Y : Current.X) = rowSelect ? FRowCount - 1 : FColCount - 1;
        break;
    case VK_TAB:
        if (!Shift.Contains(TShiftStateItem::ssAlt)) TabMove(Shift, Current);
        break;
    case VK_F2:
        SetEditorActive(true);
        break;
    default:
        break;
    }
}

// Steps to the next column that is a tab stop and visible, wrapping through the rows; a Shift
// step goes back once, and the anchor then follows the current cell.
void TMyCustomGrid::TabMove(TShiftState& Shift, TGridCoord& Current) {
    using enum TShiftStateItem;
    do {
        if (Shift.Contains(ssShift)) {
            if (--Current.X < FFixedCols) {
                Current.X = FColCount - 1;
                if (--Current.Y < FFixedRows) Current.Y = FRowCount - 1;
            }
            Shift.Exclude(ssShift);
        } else if (++Current.X >= FColCount) {
            Current.X = FFixedCols;
            if (++Current.Y >= FRowCount) Current.Y = FFixedRows;
        }
    } while (!((TabStops(Current.X) && ColWidths(Current.X) > 0) || Current.X == FCurrent.X));
}

void TMyCustomGrid::ApplyKeyMove(TGridCoord TopLeft, TGridCoord Current, TShiftState Shift,
                                 const DrawMetrics& M) {
    const TGridCoord maxTopLeft = CalcMaxTopLeft({FColCount - 1, FRowCount - 1}, M);
    TopLeft.X = std::max(FFixedCols, std::min(maxTopLeft.X, TopLeft.X));
    TopLeft.Y = std::max(FFixedRows, std::min(maxTopLeft.Y, TopLeft.Y));
    if (TopLeft != FTopLeft) SetTopLeft(TopLeft.X, TopLeft.Y);
    Current.X = std::max(FFixedCols, std::min(FColCount - 1, Current.X));
    Current.Y = std::max(FFixedRows, std::min(FRowCount - 1, Current.Y));
    if (Current != FCurrent) {
        SetCurrentCell(Current.X, Current.Y, !Shift.Contains(TShiftStateItem::ssShift), true);
        CurrentCellChangedByUser();
    }
}

void TMyCustomGrid::KeyPress(QChar& Key) {
    TCustomControl::KeyPress(Key);
    if (!FOptions.Contains(TGridOption::goAlwaysShowEditor) && Key == QChar('\r')) {
        if (FEditorMode)
            CloseEditor();
        else
            OpenEditor();
        Key = QChar();
    }
}

void TMyCustomGrid::DoExit() {
    TCustomControl::DoExit();
    if (!FOptions.Contains(TGridOption::goAlwaysShowEditor)) CloseEditor();
}

// ---------------------------------------------------------------------------------------------
// Mouse

TGridState TMyCustomGrid::CalcSizingState(int X, int Y, int& Index, int& SizingPos, int& SizingOfs,
                                          const DrawMetrics& M) {
    using enum TGridOption;
    Index = -1;
    TGridOptions options = FOptions;
    if (IsDesigning()) options += FDesignOptionsBoost;
    auto axisState = [&](const AxisMetrics& A, int Pos, TGridState NewState) {
        if (NewState == TGridState::gsColSizing && UseRightToLeftAlignment())
            Pos = A.ClientExtent - Pos - 1;
        int range = A.LineWidth, back = 0;
        if (range < 7) {
            range = 7;
            back = (range - A.LineWidth) / 2;
        }
        int line = A.FixedEnd;
        for (int i = A.FirstCell; i < A.CellCount; ++i) {
            line += A.Extent(i);
            if (line > A.CellsEnd) break;
            if (Pos >= line - back && Pos < line - back + range) {
                Index = i;
                SizingPos = line;
                SizingOfs = line - Pos;
                return NewState;
            }
            line += A.LineWidth;
        }
        if (A.CellsEnd == A.ClientExtent && Pos >= A.ClientExtent - back && Pos <= A.ClientExtent) {
            Index = A.LastFullCell + 1;
            SizingPos = A.ClientExtent;
            SizingOfs = A.ClientExtent - Pos;
            return NewState;
        }
        return TGridState::gsNormal;
    };
    if (X > M.Horz.FixedEnd && options.Contains(goColSizing)) {
        if (Y >= M.Vert.FixedEnd) return TGridState::gsNormal;
        return axisState(M.Horz, X, TGridState::gsColSizing);
    }
    if (Y > M.Vert.FixedEnd && options.Contains(goRowSizing)) {
        if (X >= M.Horz.FixedEnd) return TGridState::gsNormal;
        return axisState(M.Vert, Y, TGridState::gsRowSizing);
    }
    return TGridState::gsNormal;
}

void TMyCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    using enum TGridOption;
    HideEditorWindow();
    if (!IsDesigning() && (CanFocus() || !GetParentForm(this))) {
        SetFocus();
        if (!IsActiveControl()) {
            SetMouseCapture(false);
            return;
        }
    }
    if (Button == TMouseButton::mbLeft && Shift.Contains(TShiftStateItem::ssDouble)) {
        DblClick();
    } else if (Button == TMouseButton::mbLeft) {
        const DrawMetrics m = CalcDrawMetrics();
        FGridState = CalcSizingState(X, Y, FSizingIndex, FSizingPos, FSizingOfs, m);
        if (FGridState != TGridState::gsNormal) {
            DrawSizingLine(m);
        } else if (const TGridCoord cell = CellAtPoint(X, Y); cell.X >= 0) {
            const TPoint pt{X, Y};
            if (cell.X < FFixedCols || cell.Y < FFixedRows) {
                const bool rows =
                    FOptions.Contains(goRowMoving) && cell.X < FFixedCols && cell.Y >= FFixedRows;
                const bool cols = !rows && FOptions.Contains(goColMoving) && cell.Y < FFixedRows &&
                                  cell.X >= FFixedCols;
                if (rows || cols) {
                    FMoveIndex = FMovePos = rows ? cell.Y : cell.X;
                    if (rows ? BeginRowDrag(FMoveIndex, FMovePos, pt)
                             : BeginColumnDrag(FMoveIndex, FMovePos, pt)) {
                        FGridState = rows ? TGridState::gsRowMoving : TGridState::gsColMoving;
                        Update();
                        DrawMoveLine();
                        SetTimer(ScrollTimerId, ScrollTimerInterval);
                    }
                }
            } else if (FOptions.Contains(goEditing)) {
                if (cell == FCurrent) {
                    OpenEditor();
                } else {
                    SetCurrentCell(cell.X, cell.Y, true, true);
                    RefreshEditor();
                }
                Click();
            } else {
                FGridState = TGridState::gsSelecting;
                SetTimer(ScrollTimerId, ScrollTimerInterval);
                if (Shift.Contains(TShiftStateItem::ssShift))
                    ExtendSelection(cell);
                else
                    SetCurrentCell(cell.X, cell.Y, true, true);
            }
        }
    }
    try {
        TCustomControl::MouseDown(Button, Shift, X, Y);
    } catch (...) {
        if (FMoveLineShown) DrawMoveLine();
        throw;
    }
}

void TMyCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
    const DrawMetrics m = CalcDrawMetrics();
    switch (FGridState) {
    case TGridState::gsSelecting:
    case TGridState::gsRowMoving:
    case TGridState::gsColMoving: {
        const TGridCoord cell = CellAtPoint(X, Y);
        if (cell.X >= FFixedCols && cell.Y >= FFixedRows && cell.X <= m.Horz.LastFullCell + 1 &&
            cell.Y <= m.Vert.LastFullCell + 1) {
            if (FGridState == TGridState::gsSelecting) {
                if (cell != FAnchor) ExtendSelection(cell);
            } else {
                UpdateMoveTarget({X, Y});
            }
        }
        break;
    }
    case TGridState::gsRowSizing:
    case TGridState::gsColSizing:
        DrawSizingLine(m);
        FSizingPos = (FGridState == TGridState::gsRowSizing ? Y : X) + FSizingOfs;
        DrawSizingLine(m);
        break;
    default:
        break;
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TMyCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    struct TBackToNormal {
        TGridState& State;
        ~TBackToNormal() { State = TGridState::gsNormal; }
    } backToNormal{FGridState};
    const DrawMetrics m = CalcDrawMetrics();
    // Pixel start of the sized cell: where its new extent is measured from.
    auto sizedStart = [&](const AxisMetrics& A) {
        int start = A.FixedEnd;
        for (int i = A.FirstCell; i < FSizingIndex; ++i) start += A.Extent(i) + A.LineWidth;
        return start;
    };
    switch (FGridState) {
    case TGridState::gsSelecting:
        MouseMove(Shift, X, Y);
        KillTimer(ScrollTimerId);
        RefreshEditor();
        Click();
        break;
    case TGridState::gsRowSizing:
    case TGridState::gsColSizing: {
        DrawSizingLine(m);
        int pos = FSizingPos;
        if (UseRightToLeftAlignment() && FGridState == TGridState::gsColSizing)
            pos = m.Horz.ClientExtent - pos;
        if (FGridState == TGridState::gsColSizing) {
            const int size = pos - sizedStart(m.Horz);
            if (size > 1 && ColWidths(FSizingIndex) != -1) SetColWidths(FSizingIndex, size);
        } else {
            const int size = pos - sizedStart(m.Vert);
            if (size > 1) SetRowHeights(FSizingIndex, size);
        }
        break;
    }
    case TGridState::gsRowMoving:
    case TGridState::gsColMoving: {
        const bool rows = FGridState == TGridState::gsRowMoving;
        DrawMoveLine();
        KillTimer(ScrollTimerId);
        const TPoint pt{X, Y};
        if ((rows ? EndRowDrag(FMoveIndex, FMovePos, pt)
                  : EndColumnDrag(FMoveIndex, FMovePos, pt)) &&
            FMoveIndex != FMovePos) {
            if (rows)
                MoveRowTo(FMoveIndex, FMovePos);
            else
                MoveColumnTo(FMoveIndex, FMovePos);
        }
        RefreshEditor();
        break;
    }
    default:
        RefreshEditor();
        break;
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TMyCustomGrid::UpdateMoveTarget(TPoint MousePt) {
    const bool rows = FGridState == TGridState::gsRowMoving;
    DrawMetrics m = CalcDrawMetrics();
    const TGridCoord hit = CellAtPoint(MousePt.X, MousePt.Y);
    MoveAndScroll(rows ? MousePt.Y : MousePt.X, rows ? hit.Y : hit.X, rows ? m.Vert : m.Horz,
                  rows ? SB_VERT : SB_HORZ, MousePt);
}

void TMyCustomGrid::MoveAndScroll(int Mouse, int CellHit, const AxisMetrics& Axis, int ScrollBar,
                                  TPoint MousePt) {
    if (CellHit == FMovePos) return;
    if (FMovePos == Axis.FixedCount && Mouse < Axis.FixedEnd) return;
    if (FMovePos == Axis.CellCount - 1 && Mouse > Axis.CellsEnd) return;
    DrawMoveLine();
    const bool rows = ScrollBar == SB_VERT;
    auto axisNow = [&] {
        const DrawMetrics m = CalcDrawMetrics();
        return rows ? m.Vert : m.Horz;
    };
    if (Mouse < Axis.FixedEnd) {
        if (Axis.FirstCell > Axis.FixedCount) {
            ModifyScrollBar(ScrollBar, SB_LINEUP, 0, false);
            Update();
        }
        CellHit = axisNow().FirstCell;
    } else if (Mouse >= Axis.FullEnd) {
        if (FMovePos == Axis.LastFullCell && FMovePos < Axis.CellCount - 1) {
            ModifyScrollBar(ScrollBar, SB_LINEDOWN, 0, false);
            Update();
        }
        CellHit = axisNow().LastFullCell;
    } else if (CellHit < 0) {
        CellHit = FMovePos;
    }
    if (rows ? CheckRowDrag(FMoveIndex, CellHit, MousePt)
             : CheckColumnDrag(FMoveIndex, CellHit, MousePt))
        FMovePos = CellHit;
    DrawMoveLine();
}

void TMyCustomGrid::OnTimerTick() {
    const TPoint p = ScreenToClient(Env().CursorPos());
    switch (FGridState) {
    case TGridState::gsRowMoving:
    case TGridState::gsColMoving:
        UpdateMoveTarget(p);
        break;
    case TGridState::gsSelecting: {
        const DrawMetrics m = CalcDrawMetrics();
        TGridScrollDirections dir;
        const int x = UseRightToLeftAlignment() ? m.Horz.ClientExtent - p.X - 1 : p.X;
        if (x < m.Horz.FixedEnd)
            dir.Include(TGridScrollDirection::sdLeft);
        else if (x > m.Horz.FullEnd)
            dir.Include(TGridScrollDirection::sdRight);
        if (p.Y < m.Vert.FixedEnd)
            dir.Include(TGridScrollDirection::sdUp);
        else if (p.Y > m.Vert.FullEnd)
            dir.Include(TGridScrollDirection::sdDown);
        if (!dir.Empty()) TimedScroll(dir);
        break;
    }
    default:
        break;
    }
}

void TMyCustomGrid::TimedScroll(TGridScrollDirections Direction) {
    using enum TGridScrollDirection;
    TGridCoord anchor = FAnchor;
    if (Direction.Contains(sdLeft) && FAnchor.X > FFixedCols) --anchor.X;
    if (Direction.Contains(sdRight) && FAnchor.X < FColCount - 1) ++anchor.X;
    if (Direction.Contains(sdUp) && FAnchor.Y > FFixedRows) --anchor.Y;
    if (Direction.Contains(sdDown) && FAnchor.Y < FRowCount - 1) ++anchor.Y;
    if (anchor != FAnchor) ExtendSelection(anchor);
}

void TMyCustomGrid::CancelMode() {
    switch (FGridState) {
    case TGridState::gsSelecting:
        KillTimer(ScrollTimerId);
        break;
    case TGridState::gsRowSizing:
    case TGridState::gsColSizing:
        DrawSizingLine(CalcDrawMetrics());
        break;
    case TGridState::gsRowMoving:
    case TGridState::gsColMoving:
        DrawMoveLine();
        KillTimer(ScrollTimerId);
        break;
    default:
        break;
    }
    FGridState = TGridState::gsNormal;
}

// ---------------------------------------------------------------------------------------------
// Lines drawn outside a paint pass: drawing one twice takes it away. Such drawing is in window
// coordinates, so it starts inside the frame.

void TMyCustomGrid::DrawSizingLine(const DrawMetrics& M) {
    TCanvas* c = Canvas();
    const TXorPen pen(c, 1);
    const int b = BorderExtent();
    c->MoveOrigin(b, b);
    if (FGridState == TGridState::gsRowSizing) {
        c->MoveTo(0, FSizingPos);
        c->LineTo(M.Horz.FixedEnd, FSizingPos);
    } else {
        c->MoveTo(FSizingPos, 0);
        c->LineTo(FSizingPos, M.Vert.ClientExtent);
    }
    c->MoveOrigin(-b, -b);
}

void TMyCustomGrid::DrawMoveLine() {
    TCanvas* c = Canvas();
    const TXorPen pen(c, 5);
    const int b = BorderExtent();
    c->MoveOrigin(b, b);
    if (FGridState == TGridState::gsRowMoving) {
        const TRect r = CellBounds(FFixedCols > 0 ? 0 : FTopLeft.X, FMovePos);
        const int pos = FMovePos > FMoveIndex ? r.Bottom : r.Top;
        c->MoveTo(0, pos);
        c->LineTo(ClientWidth(), pos);
    } else {
        const TRect r = CellBounds(FMovePos, FFixedRows > 0 ? 0 : FTopLeft.Y);
        const bool right = (FMovePos > FMoveIndex) != UseRightToLeftAlignment();
        const int pos = right ? r.Right : r.Left;
        c->MoveTo(pos, 0);
        c->LineTo(pos, ClientHeight());
    }
    c->MoveOrigin(-b, -b);
    FMoveLineShown = !FMoveLineShown;
}

// ---------------------------------------------------------------------------------------------
// Cursor and wheel

void TMyCustomGrid::UpdateCursor() {
    TGridState state = FGridState;
    if (state == TGridState::gsNormal) {
        int index, pos, ofs;
        state = CalcSizingState(FHitTest.X, FHitTest.Y, index, pos, ofs, CalcDrawMetrics());
    }
    if (state == TGridState::gsRowSizing)
        SetShownCursor(crVSplit);
    else if (state == TGridState::gsColSizing)
        SetShownCursor(crHSplit);
    else
        SetShownCursor(Cursor());
}

void TMyCustomGrid::DoWheel(bool Down, WPARAM WParam, LPARAM LParam, LRESULT& Result) {
    const TShiftState shift = KeysToShiftState(LoWord(LPARAM(WParam)));
    const TPoint pos = PointFromLParam(LParam);
    Result = (Down ? DoMouseWheelDown(shift, pos) : DoMouseWheelUp(shift, pos)) ? 1 : 0;
}

bool TMyCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
    if (!handled && FCurrent.Y < FRowCount - 1) SetCurrentRow(FCurrent.Y + 1);
    return true;
}

bool TMyCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
    if (!handled && FCurrent.Y > FFixedRows) SetCurrentRow(FCurrent.Y - 1);
    return true;
}
