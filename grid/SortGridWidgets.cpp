// TSortGrid: check-box, combo-box and ellipsis cells, and validation of edited cells.

#include "grid/SortGrid.h"

#include "platform/Forms.h"

namespace {

// The ellipsis button takes this many pixels at the right of its cell.
constexpr int EllipsisWidth = 16;
// Lines shown at most when the handler leaves the drop-down's height open.
constexpr int DropDownLines = 10;

} // namespace

TGridDrawState TSortGrid::CellState(int Col, int Row) const {
    TGridDrawState s;
    if (Row == 0 || Col < 0) s.Include(TGridDrawStateItem::gdFixed);
    if (Focused() && Col == CurrentCol() && Row == CurrentRow())
        s.Include(TGridDrawStateItem::gdFocused);
    const TGridRect sel = SelectedRect();
    if (Col >= sel.Left && Col <= sel.Right && Row >= sel.Top && Row <= sel.Bottom)
        s.Include(TGridDrawStateItem::gdSelected);
    return s;
}

bool TSortGrid::CellChecked(int Col, int Row) {
    bool checkBox = false, combobox = false, ellipsis = false;
    CellFormat(Col, Row, CellState(Col, Row), checkBox, combobox, ellipsis);
    return checkBox && CellText(Col, Row) == QLatin1String("true");
}

void TSortGrid::ToggleCheckBox(int Col, int Row) {
    const bool checked = !CellChecked(Col, Row);
    SetCellText(Col, Row, checked ? QStringLiteral("true") : QString());
    InvalidateRow(Row);
    if (OnSetChecked) OnSetChecked(this, Col, Row, checked);
}

// A mouse release on the pressed cell, or a Space release on the current one.
void TSortGrid::CellWidgetRelease(int Col, int Row, int X, bool ByMouse) {
    if (Col < 0 || Row <= 0 || Col >= ColCount() || Row >= RowCount()) return;
    bool checkBox = false, combobox = false, ellipsis = false;
    CellFormat(Col, Row, CellState(Col, Row), checkBox, combobox, ellipsis);
    if (ByMouse && (Col != FMouseDownCol || Row != FMouseDownRow)) return;
    if (checkBox) ToggleCheckBox(Col, Row);
    if (combobox && !OpenComboBox(Col, Row)) FDropDownList->Hide();
    if (ellipsis && OnSetEllipsis && (!ByMouse || X >= CellBounds(Col, Row).Right - EllipsisWidth))
        OnSetEllipsis(this, Col, Row);
}

bool TSortGrid::OpenComboBox(int Col, int Row) {
    if (!OnGetComboBox) return false;
    bool checkBox = false, combobox = false, ellipsis = false;
    CellFormat(Col, Row, CellState(Col, Row), checkBox, combobox, ellipsis);
    TStringList given;
    TStrings* strs = &given;
    int width = 0, height = 0;
    bool sorted = true;
    OnGetComboBox(this, Col, Row, strs, width, height, sorted);
    if (!strs || strs->Count() == 0) return false;

    TWinControl* host = GetParentForm(this);
    if (!host) host = Parent();
    TListBox* list = FDropDownList;
    list->SetParent(host);
    list->Clear();
    list->SetSorted(sorted);
    for (int i = 0; i < strs->Count(); ++i) list->Items()->Add(strs->Strings(i));
    const int at = list->Items()->IndexOf(CellText(Col, Row));
    list->SetItemIndex(at >= 0 ? at : 0);

    // Placed in the host's coordinates, wherever the grid sits inside it.
    const TRect cell = CellBounds(Col, Row);
    TPoint grid{Left(), Top()};
    if (host && Parent() && Parent() != host)
        grid = host->ScreenToClient(Parent()->ClientToScreen(grid));
    const int count = list->Items()->Count();
    if (width == 0) width = cell.Width() + 1;
    if (height == 0) height = std::min(count, DropDownLines) * list->ItemHeight() + 5;
    list->SetBounds(cell.Left + grid.X + 2, cell.Top + grid.Y + 1, width, height);
    FDropDownCell = {Col, Row};
    list->Show();
    list->BringToFront();
    list->SetFocus();
    return true;
}

void TSortGrid::PickComboBox() {
    if (!FDropDownList->Visible() || FDropDownCell.X < 0) return;
    const TGridCoord cell = FDropDownCell;
    FDropDownCell = {-1, -1};
    const int at = FDropDownList->ItemIndex();
    const QString text = at >= 0 ? FDropDownList->Items()->Strings(at) : CellText(cell.X, cell.Y);
    FDropDownList->Hide();
    // The rows may have changed meanwhile (a filter, a removal); the pick then goes nowhere.
    if (cell.X >= ColCount() || cell.Y >= RowCount()) return;
    SetCellText(cell.X, cell.Y, text);
    InvalidateColumn(cell.X);
    if (CanFocus()) SetFocus();
    if (OnSetComboBox) OnSetComboBox(this, cell.X, cell.Y, text);
}

void TSortGrid::DropDownKeyUp(TObject*, unsigned& Key, TShiftState) {
    if (Key == VK_RETURN || Key == VK_SPACE) {
        PickComboBox();
    } else if (Key == VK_ESCAPE) {
        // Leaves the cell as it was.
        FDropDownCell = {-1, -1};
        FDropDownList->Hide();
        if (CanFocus()) SetFocus();
    }
}

// ---- Validation ----

void TSortGrid::RememberCell() {
    if (!EditorActive()) {
        FRemembered.Row = -1;
        return;
    }
    FRemembered = {CurrentCol(), CurrentRow(), CellText(CurrentCol(), CurrentRow()), FModified};
}

// The editor may already be closed when a click lands on another cell: the cell remembered while
// editing is still checked, or its change would go through unvalidated.
void TSortGrid::ValidateCell() {
    // Sorting and filtering move the records through the current cell; nothing is edited then.
    if (FSorting || NowUpdating()) return;
    const int col = FRemembered.Col, row = FRemembered.Row;
    if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) {
        RememberCell();
        return;
    }
    const QString now = CellText(col, row);
    if (now != FRemembered.Text) {
        QString newValue = now;
        bool valid = true;
        if (OnCellValidate) OnCellValidate(this, col, row, FRemembered.Text, newValue, valid);
        if (!valid) {
            SetCellText(col, row, newValue != now ? newValue : FRemembered.Text);
            FModified = FRemembered.Modified;
        } else if (newValue != now) {
            SetCellText(col, row, newValue);
        }
        if (EditorCell() == TGridCoord{col, row}) ForceEditorReload();
    }
    RememberCell();
}

void TSortGrid::SetEditText(int ACol, int ARow, const QString& Value) {
    if (Value != CellText(ACol, ARow)) SetModified(true);
    TMyStringGrid::SetEditText(ACol, ARow, Value);
}

void TSortGrid::Click() {
    ValidateCell();
    TMyStringGrid::Click();
}

void TSortGrid::DoEnter() {
    FEntered = true;
    RememberCell();
    TMyStringGrid::DoEnter();
}

void TSortGrid::DoExit() {
    Click();
    TMyStringGrid::DoExit();
    FEntered = false;
}
