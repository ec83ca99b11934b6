// TSortGrid: several selected rows by mouse and keyboard, dragging them, the cell-selection rule,
// type-ahead search and the row and column shortcuts.

#include "grid/SortGrid.h"

#include "platform/DragDrop.h"
#include "platform/Environment.h"

namespace {

using enum TShiftStateItem;

// Moving more than this many pixels from a press on a selected row starts a drag.
constexpr int DragThreshold = 10;

bool IsNavigationKey(unsigned Key) {
    switch (Key) {
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

// Only the left button, and no Shift, Ctrl or Alt.
bool PlainLeft(TShiftState Shift) {
    Shift.Exclude(ssDouble);
    return Shift == TShiftState{ssLeft};
}

TShiftState Buttons(TShiftState Shift) {
    return Shift * TShiftState{ssLeft, ssRight, ssMiddle};
}

} // namespace

void TSortGrid::SetMultiSelect(bool Value) {
    FMultiSelect = Value;
    if (Value) SetOption(TGridOption::goRowSelect, true);
}

void TSortGrid::SetOption(TGridOption Option, bool On) {
    if (Options().Contains(Option) == On) return;
    SetOptions(On ? Options() + TGridOptions{Option} : Options() - TGridOptions{Option});
}

bool TSortGrid::SuspendAlwaysShowEditor() {
    const bool was = Options().Contains(TGridOption::goAlwaysShowEditor);
    SetOption(TGridOption::goAlwaysShowEditor, false);
    return was;
}

void TSortGrid::ResumeAlwaysShowEditor(bool Was) {
    if (Was) SetOption(TGridOption::goAlwaysShowEditor, true);
}

void TSortGrid::ResetSelection(int Row) {
    const QString r = QString::number(Row);
    FSelectedRows.Clear();
    FSelectedRows.Add(r);
    if (FSelectionOrder.Count() == 0)
        FSelectionOrder.Add(r);
    else
        FSelectionOrder.Put(0, r);
}

// Every selected row repainted, none selected, the order list down to one empty anchor.
void TSortGrid::ClearSelection() {
    for (int i = 0; i < FSelectedRows.Count(); ++i) {
        int r = -1;
        if (TryStrToInt(FSelectedRows.Strings(i), r) && r >= 0 && r < RowCount()) InvalidateRow(r);
    }
    FSelectedRows.Clear();
    while (FSelectionOrder.Count() > 1) FSelectionOrder.Delete(FSelectionOrder.Count() - 1);
    if (FSelectionOrder.Count() == 0)
        FSelectionOrder.Add(QString());
    else
        FSelectionOrder.Put(0, QString());
}

// The rows of the selected range become the selection, top to bottom.
void TSortGrid::SelectRangeRows() {
    ClearSelection();
    FSelectionOrder.Delete(0);
    const TGridRect sel = SelectedRect();
    for (int r = std::max(sel.Top, 1); r <= sel.Bottom; ++r) {
        FSelectionOrder.Add(QString::number(r));
        FSelectedRows.Add(QString::number(r));
        InvalidateRow(r);
    }
}

void TSortGrid::RowSelected() {
    if (OnRowSelected) OnRowSelected(this);
}

bool TSortGrid::SelectCell(int ACol, int ARow) {
    bool ok = false;
    if (EditorActive()) {
        bool checkBox = false, combobox = false, ellipsis = false;
        CellFormat(ACol, ARow, CellState(ACol, ARow), checkBox, combobox, ellipsis);
        if (combobox) {
            OpenComboBox(ACol, ARow);
            if (FTabDown && ACol < ColCount() - 2) SetCurrentCell(ACol + 1, ARow, true, true);
        }
        ok = !checkBox && !combobox && TMyStringGrid::SelectCell(ACol, ARow);
    } else {
        ok = TMyStringGrid::SelectCell(ACol, ARow);
    }
    if (!ok || FSorting) return ok;
    if (FSelectionFollows) {
        ResetSelection(ARow);
        RowSelected();
    }
    InvalidateRow(CurrentRow());
    InvalidateRow(ARow);
    return ok;
}

// ---- Mouse ----

void TSortGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    using enum TGridOption;
    const TGridCoord cell = CellAtPoint(X, Y);
    FMouseDownCol = cell.X;
    FMouseDownRow = cell.Y;
    TShiftState keys = Shift;
    keys.Exclude(ssDouble);
    const bool engine =
        !FMultiSelect ||
        (Options().Contains(goRangeSelect) && keys == TShiftState{ssShift, ssLeft}) ||
        EditorActive() || cell.Y <= 0;
    if (engine)
        TMyStringGrid::MouseDown(Button, Shift, X, Y);
    else
        MultiSelectPress(Button, Shift, cell, X, Y);
    if (Button == TMouseButton::mbLeft && Shift.Contains(ssDouble)) {
        if (cell.Y == 0) HeaderDoubleClick(X, Y);
        if (OnDblClick) OnDblClick(this);
    }
}

bool TSortGrid::MultiSelectPress(TMouseButton Button, TShiftState Shift, const TGridCoord& Cell,
                                 int X, int Y) {
    // The engine's press would have taken the focus; a grid that never gets it takes no keys.
    if (CanFocus() && !Focused()) SetFocus();
    const bool handled = Button == TMouseButton::mbLeft && PlainLeft(Shift) && Cell.X >= 0;
    if (handled && !IsSelectedRow(Cell.Y)) {
        FSelectionFollows = false;
        SetOption(TGridOption::goRangeSelect, false);
        SetCurrentRow(Cell.Y);
        FSelectionFollows = true;
        ClearSelection();
        FSelectionOrder.Put(0, QString::number(Cell.Y));
        FSelectedRows.Add(QString::number(Cell.Y));
        InvalidateRow(Cell.Y);
        RowSelected();
    } else if (handled) {
        FDragStart = {X, Y};
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
    return handled;
}

void TSortGrid::MouseMove(TShiftState Shift, int X, int Y) {
    if (Buttons(Shift) == TShiftState{ssLeft} && FDragStart.X != -1 &&
        (std::abs(X - FDragStart.X) > DragThreshold ||
         std::abs(Y - FDragStart.Y) > DragThreshold)) {
        FDragStart = {-1, -1};
        StartDrag();
    }
    TMyStringGrid::MouseMove(Shift, X, Y);
}

void TSortGrid::StartDrag() {
    FDragging = true;
    BeginDrag(this, true);
    if (OnStartDrag) OnStartDrag(this);
    FDragging = false;
}

void TSortGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FDragStart = {-1, -1};
    if (DragSource() == this) {
        TControl* target = FindControlAtScreen(ClientToScreen({X, Y}));
        EndDrag(target);
        TMyStringGrid::MouseUp(Button, Shift, X, Y);
        if (OnEndDrag) OnEndDrag(this, target);
        return;
    }
    TMyStringGrid::MouseUp(Button, Shift, X, Y);
    const TGridCoord cell = CellAtPoint(X, Y);
    if (cell.Y == 0 && cell.X >= 0 && cell.X == FMouseDownCol && FSortOptions.CanSort()) {
        const TRect r = CellBounds(cell.X, 0);
        if (X - r.Left > 5 && r.Right - X > 5) {
            // The edited cell is checked, and the editor let go of its cell, before the records
            // move away from under them.
            ValidateCell();
            HideEditorWindow();
            if (Button == TMouseButton::mbRight)
                FSortOptions.SetSortDirection(TSortDirection::sdDescending);
            else if (cell.X == FSortOptions.SortCol() &&
                     FSortOptions.SortDirection() == TSortDirection::sdAscending)
                FSortOptions.SetSortDirection(TSortDirection::sdDescending);
            else
                FSortOptions.SetSortDirection(TSortDirection::sdAscending);
            SortByColumn(cell.X);
            RefreshEditor();
            RememberCell();
        }
    } else if (Button == TMouseButton::mbRight && cell.Y > 0 && FPopupMenu) {
        const TPoint at = Env().CursorPos();
        FPopupMenu->SetPopupComponent(this);
        FPopupMenu->Popup(at.X, at.Y);
    }
    if (Button != TMouseButton::mbLeft || cell.Y <= 0 || cell.X < 0 || FMouseDownRow <= 0) return;
    if (FMultiSelect && !EditorActive()) MultiSelectRelease(Shift, cell.Y);
    CellWidgetRelease(cell.X, cell.Y, X, true);
}

void TSortGrid::MultiSelectRelease(TShiftState Shift, int Row) {
    FSelectionFollows = false;
    if (Shift.Contains(ssCtrl)) {
        CtrlClickRow(Row);
        SetOption(TGridOption::goRangeSelect, false);
    } else if (Shift.Contains(ssShift)) {
        SelectRangeRows();
    } else {
        SetOption(TGridOption::goRangeSelect, false);
        SetCurrentRow(Row);
        ClearSelection();
        ResetSelection(Row);
        InvalidateRow(Row);
    }
    FSelectionFollows = true;
    RowSelected();
}

// Adds an unselected row; takes a selected one away unless it is the only one.
void TSortGrid::CtrlClickRow(int Row) {
    const QString r = QString::number(Row);
    const int at = FSelectedRows.IndexOf(r);
    if (at < 0) {
        FSelectedRows.Add(r);
        FSelectionOrder.Add(r);
        SetCurrentRow(Row);
        InvalidateRow(Row);
        return;
    }
    if (FSelectedRows.Count() <= 1) return;
    FSelectedRows.Delete(at);
    if (const int order = FSelectionOrder.IndexOf(r); order >= 0) FSelectionOrder.Delete(order);
    InvalidateRow(Row);
    int last = -1;
    if (FSelectionOrder.Count() > 0 &&
        TryStrToInt(FSelectionOrder.Strings(FSelectionOrder.Count() - 1), last) && last > 0 &&
        last < RowCount())
        SetCurrentRow(last);
}

// ---- Keyboard ----

void TSortGrid::KeyDown(unsigned& Key, TShiftState Shift) {
    if (Key == VK_TAB) FTabDown = true;
    if (!EditorActive()) {
        if (FExtendedKeys && ExtendedKey(Key, Shift)) {
            Key = 0;
            return;
        }
        if (FMultiSelect) {
            FSelectionFollows = false;
            if (Key == VK_SHIFT) {
                SetOption(TGridOption::goRangeSelect, true);
                ClearSelection();
            }
            if (Shift.Contains(ssShift)) FSelectionOrder.Put(0, QString::number(CurrentRow()));
            if (IsNavigationKey(Key)) FSelectionFollows = true;
        }
    }
    TMyStringGrid::KeyDown(Key, Shift);
}

void TSortGrid::KeyUp(unsigned& Key, TShiftState Shift) {
    const unsigned key = Key;
    if (key == VK_TAB) FTabDown = false;
    TMyStringGrid::KeyUp(Key, Shift);
    if (EditorActive()) return;
    if (key == VK_SPACE) CellWidgetRelease(CurrentCol(), CurrentRow(), -1, false);
    if (!FMultiSelect) return;
    FSelectionFollows = true;
    // A Shift range taken with the arrows has left one row selected; the range is what shows.
    if (key == VK_SHIFT &&
        (FSelectedRows.Count() == 0 || Options().Contains(TGridOption::goRangeSelect))) {
        SelectRangeRows();
    } else if (IsNavigationKey(key) && !Shift.Contains(ssShift)) {
        SelectRangeRows();
        SetOption(TGridOption::goRangeSelect, false);
    }
    RowSelected();
}

bool TSortGrid::ExtendedKey(unsigned Key, TShiftState Shift) {
    if (!Shift.Contains(ssCtrl) || (Key != VK_INSERT && Key != VK_DELETE)) return false;
    const bool columns = Shift.Contains(ssShift);
    if (Key == VK_INSERT && columns)
        InsertColumnAt(CurrentCol());
    else if (Key == VK_INSERT)
        InsertRowAt(CurrentRow());
    else if (columns && ColCount() > 1)
        RemoveColumn(CurrentCol());
    else if (!columns && RowCount() > 2)
        RemoveRow(CurrentRow());
    return true;
}

void TSortGrid::KeyPress(QChar& Key) {
    if (!EditorActive()) TypeAhead(Key);
    if (Key == QLatin1Char('\r')) ValidateCell();
    const bool wasEditing = EditorActive();
    TMyStringGrid::KeyPress(Key);
    if (!wasEditing && EditorActive()) RememberCell();
}

// The next row whose text in the sort column starts with the typed letter, wrapping round.
void TSortGrid::TypeAhead(QChar Key) {
    const int col = FSortOptions.SortCol();
    // Control characters start no text; a grid without a sort column has nothing to search.
    if (Key.unicode() < 32 || col < 0 || col >= ColCount()) return;
    const QChar wanted = Key.toUpper();
    const int rows = RowCount(), current = CurrentRow();
    for (int step = 1; step < rows; ++step) {
        const int r = (current - 1 + step) % (rows - 1) + 1;
        const QString text = CellText(col, r);
        if (!text.isEmpty() && text.at(0).toUpper() == wanted) {
            GoToCell(col, r, true);
            return;
        }
    }
}
