// The in-place editor: the grid's side (refresh, open, close, hide with write-back) and the
// editor window itself (placing, key forwarding and key press rules, clipboard guards, the
// double click made from the grid's time stamp, focus hand-over).

#include "grid/MyGrids.h"
#include "platform/Forms.h"

#include <cmath>

unsigned GridMessageTime() {
    const double ms = std::fmod(Env().Now() * 86400000.0, 4294967296.0);
    return unsigned(std::llround(ms));
}

// ---------------------------------------------------------------------------------------------
// The grid's side

TInplaceEdit* TMyCustomGrid::CreateEditor() {
    return new TInplaceEdit(this);
}

bool TMyCustomGrid::CanEditShow() {
    using enum TGridOption;
    return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && FEditorMode &&
           !IsDesigning() && HandleAllocated() &&
           (FOptions.Contains(goAlwaysShowEditor) || IsActiveControl());
}

void TMyCustomGrid::LoadEditor() {
    FInplaceCol = FCurrent.X;
    FInplaceRow = FCurrent.Y;
    FInplaceEdit->UpdateContents();
    FCanEditModify = FInplaceEdit->MaxLength() != -1;
    FInplaceEdit->SelectAll();
}

void TMyCustomGrid::RefreshEditor() {
    if (!CanEditShow()) return;
    if (!FInplaceEdit) {
        FInplaceEdit = CreateEditor();
        FInplaceEdit->SetGrid(this);
        FInplaceEdit->SetParent(this);
        LoadEditor();
    } else if (FCurrent.X != FInplaceCol || FCurrent.Y != FInplaceRow) {
        HideEditorWindow();
        LoadEditor();
    }
    if (CanEditShow()) FInplaceEdit->PlaceAt(CellBounds(FCurrent.X, FCurrent.Y), true);
}

void TMyCustomGrid::OpenEditor() {
    FEditorMode = true;
    RefreshEditor();
}

void TMyCustomGrid::CloseEditor() {
    FEditorMode = false;
    HideEditorWindow();
}

void TMyCustomGrid::HideEditorWindow() {
    if (!FInplaceEdit) return;
    struct TForget {
        TMyCustomGrid* G;
        ~TForget() {
            G->FInplaceCol = -1;
            G->FInplaceRow = -1;
            G->FInplaceEdit->HideWindow();
        }
    } forget{this};
    if (FInplaceCol != -1 && FInplaceRow != -1)
        SetEditText(FInplaceCol, FInplaceRow, FInplaceEdit->Text());
}

void TMyCustomGrid::ForceEditorReload() {
    FInplaceCol = -1;
    FInplaceRow = -1;
    RefreshEditor();
}

void TMyCustomGrid::SetEditorActive(bool Value) {
    if (!Value) {
        CloseEditor();
        return;
    }
    OpenEditor();
    if (FInplaceEdit) FInplaceEdit->Deselect();
}

bool TMyCustomGrid::EditorFocused() const {
    if (!FInplaceEdit) return false;
    if (FocusedWinControl() == FInplaceEdit) return true;
    // Qt names the new focus widget before it tells the old one it lost the focus.
    return Application->FocusedControl() == FInplaceEdit;
}

void TMyCustomGrid::PostCharToEditor(QChar Ch) {
    if (FInplaceEdit) Application->PostKeyChar(FInplaceEdit, Ch);
}

// ---------------------------------------------------------------------------------------------
// TInplaceEdit

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
    SetTabStop(false);
    SetVisible(false);
}

void TInplaceEdit::CreateWnd() {
    TCustomEdit::CreateWnd();
    // Borderless and flat: the cell is the frame.
    SetBorderStyle(TBorderStyle::bsNone);
}

void TInplaceEdit::Deselect() {
    SetSelStart(int(Text().size())); // also ends the selection
}

void TInplaceEdit::UpdateContents() {
    const TGridCoord cell{FGrid->CurrentCol(), FGrid->CurrentRow()};
    FLoading = true;
    try {
        SetText(QString());
        FEditMask = FGrid->GetEditMask(cell.X, cell.Y);
        SetText(FGrid->GetEditText(cell.X, cell.Y));
        SetMaxLength(FGrid->GetEditLimit());
    } catch (...) {
        FLoading = false;
        throw;
    }
    FLoading = false;
}

void TInplaceEdit::InvalidateArea() {
    Invalidate();
    if (FGrid) FGrid->InvalidateRect(BoundsRect());
}

void TInplaceEdit::PlaceAt(const TRect& R, bool Repaint) {
    if (R.IsEmpty()) {
        HideWindow();
        return;
    }
    HandleNeeded();
    const bool wasHidden = !Visible();
    InvalidateArea();
    SetBounds(R.Left, R.Top, R.Width(), R.Height());
    SetVisible(true);
    BringToFront();
    // The formatting rectangle (2, 2, width - 2, height).
    SetTextMargins(2, 2, 2, 0);
    if (wasHidden || Repaint) InvalidateArea();
    if (FGrid->Focused()) SetFocus();
}

void TInplaceEdit::HideWindow() {
    if (!HandleAllocated() || !Visible()) return;
    InvalidateArea();
    SetVisible(false);
    if (Focused()) FGrid->SetFocus();
}

void TInplaceEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        // A multi-line edit: it wants Enter and Escape too.
        Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL | DLGC_WANTALLKEYS;
        if (FGrid && FGrid->Options().Contains(TGridOption::goTabs)) Message.Result |= DLGC_WANTTAB;
        return;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
        if (FGrid && FGrid->CanEditModify()) {
            if (Message.Msg == WM_PASTE)
                PasteFromClipboard();
            else if (Message.Msg == WM_CUT)
                CutToClipboard();
            else
                ClearSelection();
        }
        return;
    case WM_SETFOCUS:
        // The form's focused control stays the grid while its editor has the focus.
        if (TCustomForm* f = GetParentForm(this)) f->SetFocusedControl(FGrid);
        DefaultHandler(Message);
        return;
    case WM_KILLFOCUS:
        if (FGrid && (FocusedWinControl() == FGrid || Application->FocusedControl() == FGrid))
            FGrid->FFocusFromEditor = true;
        break;
    case WM_LBUTTONDOWN:
        if (FClickTime != 0 && GridMessageTime() - FClickTime < unsigned(Env().DoubleClickTime()))
            Message.Msg = WM_LBUTTONDBLCLK;
        FClickTime = 0;
        break;
    case WM_MOUSEWHEEL:
        if (FGrid) {
            Message.Result = FGrid->Perform(Message.Msg, Message.WParam, Message.LParam);
            return;
        }
        break;
    default:
        break;
    }
    TCustomEdit::WndProc(Message);
}

void TInplaceEdit::KeyDown(unsigned& Key, TShiftState Shift) {
    using enum TShiftStateItem;
    auto sendToGrid = [&] {
        FGrid->KeyDown(Key, Shift);
        Key = 0;
    };
    auto gridEvent = [&] {
        if (FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
    };
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE:
        sendToGrid();
        break;
    case VK_INSERT:
        if (Shift.Empty())
            sendToGrid();
        else if (Shift == TShiftState{ssShift} && !FGrid->CanEditModify())
            Key = 0;
        break;
    case VK_DELETE:
        if (Shift.Contains(ssCtrl))
            sendToGrid();
        else if (!FGrid->CanEditModify())
            Key = 0;
        break;
    case VK_F2:
        gridEvent();
        if (Key == VK_F2) {
            Deselect();
            return;
        }
        break;
    case VK_TAB:
        if (!Shift.Contains(ssAlt)) sendToGrid();
        break;
    default:
        break;
    }
    if (Key != 0) {
        gridEvent();
        TCustomEdit::KeyDown(Key, Shift);
    }
}

void TInplaceEdit::KeyUp(unsigned& Key, TShiftState Shift) {
    FGrid->KeyUp(Key, Shift);
}

void TInplaceEdit::KeyPress(QChar& Key) {
    FGrid->KeyPress(Key);
    const unsigned code = Key.unicode();
    if (code >= 32 && !FGrid->CanEditAcceptKey(Key)) {
        Key = QChar();
        Env().Beep();
    }
    switch (Key.unicode()) {
    case 0:
        break;
    case 9:
    case 27:
        Key = QChar();
        break;
    case 13: {
        if (SelStart() == 0 && SelLength() == Text().size())
            Deselect();
        else
            SelectAll();
        Key = QChar();
        break;
    }
    default:
        // Backspace, Ctrl+V, Ctrl+X and printable characters change the text.
        if ((Key.unicode() == 8 || Key.unicode() == 0x16 || Key.unicode() == 0x18 ||
             Key.unicode() >= 32) &&
            !FGrid->CanEditModify())
            Key = QChar();
        break;
    }
    if (!Key.isNull()) TCustomEdit::KeyPress(Key);
}

void TInplaceEdit::DblClick() {
    FGrid->DblClick();
}

void TInplaceEdit::Change() {
    TCustomEdit::Change();
    if (FGrid) FGrid->Perform(WM_COMMAND, WPARAM(MakeLong(0, uint16_t(EN_CHANGE))), LPARAM(this));
}
