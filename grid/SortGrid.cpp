// TSortGrid: construction, cell formats and drawing, current cell, mouse and wheel, resizing.

#include "grid/SortGrid.h"

#include "platform/CompiledFiles.h"
#include "platform/DragDrop.h"
#include "platform/Environment.h"
#include "platform/FileUtils.h"
#include "platform/Forms.h"
#include "platform/UpdateLock.h"

#include <cmath>
#include <optional>

void InitGridPictures() {
    static const bool done = [] {
        REGISTER_COMPILED_FILES(gridpictures);
        return true;
    }();
    (void)done;
}

namespace {

void LoadPicture(TBitmap& Bitmap, const char* Name) {
    InitGridPictures();
    try {
        Bitmap.LoadFromData(ReadFileBytes(QStringLiteral(":/grid/") + QLatin1String(Name)));
    } catch (const EFOpenError&) {
        // a missing glyph leaves the picture empty; the grid draws on without it
    }
}

// Colour names or numbers, for row format texts.
TColor StringToColor(const QString& S) {
    static const std::pair<const char*, TColor> names[] = {{"clBlack", clBlack},
                                                           {"clMaroon", clMaroon},
                                                           {"clGreen", clGreen},
                                                           {"clOlive", clOlive},
                                                           {"clNavy", clNavy},
                                                           {"clPurple", clPurple},
                                                           {"clTeal", clTeal},
                                                           {"clGray", clGray},
                                                           {"clSilver", clSilver},
                                                           {"clRed", clRed},
                                                           {"clLime", clLime},
                                                           {"clYellow", clYellow},
                                                           {"clBlue", clBlue},
                                                           {"clFuchsia", clFuchsia},
                                                           {"clAqua", clAqua},
                                                           {"clWhite", clWhite},
                                                           {"clWindow", clWindow},
                                                           {"clBtnFace", clBtnFace},
                                                           {"clWindowText", clWindowText}};
    const QString t = S.trimmed();
    for (const auto& [name, color] : names)
        if (t.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return color;
    bool ok = false;
    const int v = t.startsWith(QLatin1Char('$')) ? t.mid(1).toInt(&ok, 16) : t.toInt(&ok);
    if (!ok) throw EConvertError(QStringLiteral("'%1' is not a valid colour").arg(S));
    return TColor(v);
}

} // namespace

void TSortOptions::Assign(const TSortOptions& Source) {
    FSecondaryIndex = Source.FSecondaryIndex;
    FCanSort = Source.FCanSort;
    FSortStyle = Source.FSortStyle;
    FSortCaseSensitive = Source.FSortCaseSensitive;
    FSortCol = Source.FSortCol;
    FSortDirection = Source.FSortDirection;
    FUpdateOnSizeChange = Source.FUpdateOnSizeChange;
}

TSortGrid::TSortGrid(TComponent* AOwner)
    : TMyStringGrid(AOwner), FUserSettings(std::make_unique<TStringList>()) {
    SetFixedCols(0);
    const QString row = QString::number(CurrentRow());
    FSelectionOrder.Add(row);
    FSelectedRows.Add(row);
    LoadPicture(FUpArrow, "UP");
    LoadPicture(FDownArrow, "DOWN");
    FColSettings.resize(size_t(ColCount()));
    FRowSettings.resize(size_t(RowCount()));
    FDropDownList = new TListBox(this);
    FDropDownList->SetVisible(false);
    FDropDownList->SetSorted(true);
    FDropDownList->SetTabStop(false);
    FDropDownList->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) {
        PickComboBox();
    };
    FDropDownList->OnKeyUp = [this](TObject* Sender, unsigned& Key, TShiftState Shift) {
        DropDownKeyUp(Sender, Key, Shift);
    };
    FDropDownList->OnExit = [this](TObject*) { PickComboBox(); };
}

TSortGrid::~TSortGrid() {
    if (DragSource() == this) EndDrag(nullptr);
    // The list goes later, with the owned components; it must not call back into this grid.
    FDropDownList->OnExit = nullptr;
    FDropDownList->OnMouseUp = nullptr;
    FDropDownList->OnKeyUp = nullptr;
}

void TSortGrid::SetModified(bool Value) {
    FModified = Value;
    if (Value && OnModified) OnModified(this);
}

void TSortGrid::SetUserSettings(const TStrings* Value) {
    if (!Value)
        FUserSettings->Clear();
    else if (Value != FUserSettings.get())
        FUserSettings->Assign(*Value);
    SetModified(true);
}

void TSortGrid::SetHideRows(bool Value) {
    FHideRows = Value;
    SetCurrentRow(1);
    Invalidate();
}

void TSortGrid::SetAlignmentHorz(TAlignment Value) {
    if (FAlignmentHorz == Value) return;
    FAlignmentHorz = Value;
    Invalidate();
}

void TSortGrid::SetAlignmentVert(TVertAlignment Value) {
    if (FAlignmentVert == Value) return;
    FAlignmentVert = Value;
    Invalidate();
}

void TSortGrid::SetBevelStyle(TCellBevelStyle Value) {
    if (FBevelStyle == Value) return;
    FBevelStyle = Value;
    Invalidate();
}

void TSortGrid::SetProportionalScrollBars(bool Value) {
    if (FProportionalScrollBars == Value) return;
    FProportionalScrollBars = Value;
    UpdateProportionalBars();
}

void TSortGrid::UpdateProportionalBars() {
    if (!FProportionalScrollBars || RowCount() == 0 || ColCount() == 0) return;
    TWindowScrollBars& bars = WindowScrollBars();
    int lo = 0, hi = 0;
    if (bars.BarShowing(SB_VERT)) {
        bars.GetScrollRange(SB_VERT, lo, hi);
        bars.SetScrollPage(SB_VERT, std::max(1, int(std::lround(double(VisibleRowCount() + 1) /
                                                                RowCount() * (hi + 1)))));
    }
    if (bars.BarShowing(SB_HORZ)) {
        bars.GetScrollRange(SB_HORZ, lo, hi);
        bars.SetScrollPage(SB_HORZ, std::max(1, int(std::lround(double(VisibleColCount()) /
                                                                ColCount() * (hi + 1)))));
    }
}

// ---- Formats and drawing ----

TFormatOptions TSortGrid::GetCellFormat(int Col, int Row, TGridDrawState State, bool& CheckBox,
                                        bool& Combobox, bool& Ellipsis) {
    TFormatOptions f;
    f.Brush = Canvas()->Brush();
    f.Font = Canvas()->Font();
    f.AlignmentHorz = FAlignmentHorz;
    f.AlignmentVert = FAlignmentVert;
    f.Bevel = FBevelStyle;
    switch (FBevelStyle) {
    case TCellBevelStyle::cbRaised:
        f.LightColor = clBtnHighlight;
        f.DarkColor = clBtnShadow;
        break;
    case TCellBevelStyle::cbLowered:
        f.LightColor = clBtnShadow;
        f.DarkColor = clBtnHighlight;
        break;
    case TCellBevelStyle::cbNone:
        break;
    }
    CheckBox = Combobox = Ellipsis = false;
    if (OnGetCellFormat) OnGetCellFormat(this, Col, Row, State, f, CheckBox, Combobox, Ellipsis);
    return f;
}

void TSortGrid::ApplySetting(const TFontSetting& S) {
    TCanvas* c = Canvas();
    c->Font()->SetColor(S.FontColor);
    c->Brush()->SetColor(S.BrushColor);
    TFontStyles style = c->Font()->Style();
    if (S.Bold) style.Include(TFontStyle::fsBold);
    if (S.Italic) style.Include(TFontStyle::fsItalic);
    if (S.Underline) style.Include(TFontStyle::fsUnderline);
    c->Font()->SetStyle(style);
}

QString TSortGrid::FitHeaderText(QString Text, int Room) {
    TCanvas* c = Canvas();
    if (c->TextWidth(Text) <= Room || Text.size() < 2) return Text;
    Text = Text.left(Text.size() - 2) + QStringLiteral("..");
    while (c->TextWidth(Text) > Room && Text.size() > 3) {
        Text.chop(1);
        Text[Text.size() - 2] = QLatin1Char('.');
    }
    return Text;
}

void TSortGrid::DrawWidgetPicture(const char* Name, const TRect& ARect) {
    TBitmap pic;
    LoadPicture(pic, Name);
    const int w = ARect.Width() <= 15 ? ARect.Width() : 16;
    Canvas()->CopyRect(Rect(ARect.Right - w, ARect.Top, ARect.Right, ARect.Bottom), pic.Canvas(),
                       Rect(0, 0, w, 16));
}

TFormatOptions TSortGrid::CellFormat(int ACol, int ARow, TGridDrawState AState, bool& CheckBox,
                                     bool& Combobox, bool& Ellipsis) {
    TFormatOptions f = GetCellFormat(ACol, ARow, AState, CheckBox, Combobox, Ellipsis);
    if (CheckBox) f.TextHidden = true;
    return f;
}

bool TSortGrid::IsSelectedRow(int Row) const {
    return FSelectedRows.IndexOf(QString::number(Row)) >= 0;
}

// A range or the selected rows highlight whole rows; else the column's or the row's settings.
void TSortGrid::ApplySelectionColours(int ACol, int ARow, TFormatOptions& F) {
    using enum TGridOption;
    const TGridRect sel = SelectedRect();
    const bool activeCol =
        ACol >= 0 && ACol < int(FColSettings.size()) && FColSettings[size_t(ACol)].Active;
    const bool activeRow =
        ARow >= 0 && ARow < int(FRowSettings.size()) && FRowSettings[size_t(ARow)].Active;
    if ((Options().Contains(goRangeSelect) && ARow >= sel.Top && ARow <= sel.Bottom) ||
        (FMultiSelect && IsSelectedRow(ARow) && !Options().Contains(goEditing))) {
        F.Font->SetColor(clHighlightText);
        F.Brush->SetColor(clHighlight);
    } else if (activeCol && !activeRow) {
        ApplySetting(FColSettings[size_t(ACol)]);
    } else if (activeRow) {
        ApplyRowFormatText(ARow);
    }
}

void TSortGrid::ApplyRowFormatText(int ARow) {
    const QStringList parts = RowFormatText(ARow).split(QLatin1Char(','));
    if (parts.size() < 5) return;
    TFontSetting s;
    s.FontColor = StringToColor(parts[0]);
    s.Bold = parts[1] == QLatin1String("1");
    s.Italic = parts[2] == QLatin1String("1");
    s.Underline = parts[3] == QLatin1String("1");
    s.BrushColor = StringToColor(parts[4]);
    ApplySetting(s);
}

TPoint TSortGrid::TextOffset(const TFormatOptions& F, const QString& Text, const TRect& ARect) {
    TCanvas* c = Canvas();
    const int cw = ARect.Width(), ch = ARect.Height();
    TPoint p{2, 2};
    if (F.AlignmentHorz == TAlignment::taRightJustify)
        p.X = cw - c->TextWidth(Text) - 2;
    else if (F.AlignmentHorz == TAlignment::taCenter)
        p.X = (cw - c->TextWidth(Text)) / 2;
    if (F.AlignmentVert == TVertAlignment::taBottomJustify)
        p.Y = ch - c->TextHeight(Text) - 3;
    else if (F.AlignmentVert == TVertAlignment::taMiddle)
        p.Y = (ch - c->TextHeight(Text)) / 2;
    return p;
}

// Measured from the top of the grid, so the arrow always lands in the header row.
void TSortGrid::DrawSortArrow(const TRect& ARect) {
    TBitmap& arrow =
        FSortOptions.SortDirection() == TSortDirection::sdDescending ? FDownArrow : FUpArrow;
    const int cw = ARect.Width();
    const int w = cw <= 10 ? cw - 3 : 8;
    const int ay = RowHeights(0) / 2 - 4;
    Canvas()->CopyRect(Rect(ARect.Left + 3, ay, ARect.Left + 3 + w, ay + 7), arrow.Canvas(),
                       Rect(0, 0, w, 7));
}

void TSortGrid::DrawCheckBox(int ACol, int ARow, const TRect& ARect) {
    TBitmap pic;
    LoadPicture(pic, CellText(ACol, ARow) == QLatin1String("true") ? "CHECKED" : "UNCHECKED");
    const int cw = ARect.Width();
    const int s = cw <= 10 ? cw - 1 : 10;
    const int px = ARect.Left + (cw - s) / 2, py = ARect.Top + RowHeights(ARow) / 2 - 5;
    Canvas()->CopyRect(Rect(px, py, px + s, py + s), pic.Canvas(), Rect(0, 0, s, s));
}

// Combo-box and ellipsis buttons show on the current row only.
void TSortGrid::DrawWidgetButtons(int ACol, int ARow, const TRect& ARect, bool Combobox,
                                  bool Ellipsis) {
    if (ARow != CurrentRow()) return;
    if (Combobox && (ACol == CurrentCol() || EditorActive())) DrawWidgetPicture("COMBOBOX", ARect);
    if (Ellipsis && ACol != CurrentCol()) DrawWidgetPicture("ELLIPSIS", ARect);
}

void TSortGrid::DrawBevel(int ACol, int ARow, const TRect& ARect, const TFormatOptions& F) {
    if (F.Bevel == TCellBevelStyle::cbNone || ACol < 0 || ARow <= 0) return;
    TCanvas* c = Canvas();
    const bool vert = Options().Contains(TGridOption::goFixedVertLine);
    const bool horz = Options().Contains(TGridOption::goFixedHorzLine);
    const auto line = [c](int X1, int Y1, int X2, int Y2) {
        c->MoveTo(X1, Y1);
        c->LineTo(X2, Y2);
    };
    c->Pen()->SetColor(F.DarkColor);
    if (vert) line(ARect.Right - 1, ARect.Top, ARect.Right - 1, ARect.Bottom);
    if (horz) line(ARect.Left, ARect.Bottom - 1, ARect.Right, ARect.Bottom - 1);
    c->Pen()->SetColor(F.LightColor);
    if (vert) line(ARect.Left, ARect.Top, ARect.Left, ARect.Bottom);
    if (horz) line(ARect.Left, ARect.Top, ARect.Right, ARect.Top);
}

void TSortGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    TCanvas* c = Canvas();
    // Data rows stay blank while updating or hidden.
    if (ARow > 0 && (NowUpdating() || FHideRows)) {
        c->FillRect(Rect(ARect.Left, ARect.Top, ARect.Right + Width() + 1, ARect.Bottom + 1));
        return;
    }
    bool checkBox = false, combobox = false, ellipsis = false;
    TFormatOptions f = CellFormat(ACol, ARow, AState, checkBox, combobox, ellipsis);
    ApplySelectionColours(ACol, ARow, f);
    c->SetFont(*f.Font);
    QString text = CellText(ACol, ARow);
    const bool sortArrow = ACol == FSortOptions.SortCol() && FSortOptions.CanSort();
    if (ARow == 0) text = FitHeaderText(text, ColWidths(ACol) - (sortArrow ? SortArrowRoom : 1));
    TPoint at = TextOffset(f, text, ARect);
    if (sortArrow && ARow == 0) at.X += SortArrowShift;
    // The text output fills the cell with the brush; everything else goes on top.
    c->TextRect(ARect, ARect.Left + at.X, ARect.Top + at.Y, f.TextHidden ? QString() : text);
    if (sortArrow) DrawSortArrow(ARect);
    if (checkBox) DrawCheckBox(ACol, ARow, ARect);
    DrawWidgetButtons(ACol, ARow, ARect, combobox, ellipsis);
    DrawBevel(ACol, ARow, ARect, f);
    TMyDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

// ---- Current cell and view ----

void TSortGrid::GoToCell(int Col, int Row, bool ScrollIntoView) {
    Col = std::clamp(Col, 0, std::max(0, ColCount() - 1));
    Row = std::clamp(Row, 1, std::max(1, RowCount() - 1));
    if (!SelectCell(Col, Row)) return;
    // The form shows the move once, whole, instead of step by step.
    std::optional<TUpdateLock> lock;
    if (TCustomForm* form = GetParentForm(this)) lock.emplace(form);
    SetCurrentCell(Col, Row, true, true);
    ResetSelection(Row);
    SetCurrentCol(Col);
    SetCurrentRow(Row);
    Invalidate();
    if (ScrollIntoView) ScrollToCell(Col, Row);
}

void TSortGrid::ScrollToCell(int Col, int Row) {
    Col = std::clamp(Col, 0, std::max(0, ColCount() - 1));
    Row = std::clamp(Row, 1, std::max(1, RowCount() - 1));
    for (int guard = ColCount(); guard > 0; --guard) {
        const int first = FirstVisibleCol();
        if (Col >= first && Col < first + VisibleColCount()) break;
        SetFirstVisibleCol(Col < first ? first - 1 : first + 1);
        if (FirstVisibleCol() == first) break; // the engine refused the step
    }
    SetFirstVisibleRow(std::min(std::max(1, RowCount() - VisibleRowCount()), std::max(1, Row - 1)));
}

bool TSortGrid::DoMouseWheelDown(TShiftState, TPoint) {
    ScrollToCell(CurrentCol(), FirstVisibleRow() + 2);
    return true;
}

bool TSortGrid::DoMouseWheelUp(TShiftState, TPoint) {
    ScrollToCell(CurrentCol(), FirstVisibleRow() - 2);
    return true;
}

// ---- Mouse ----

void TSortGrid::HeaderDoubleClick(int X, int) {
    const TGridCoord cell = CellAtPoint(X, 0);
    if (cell.X < 0) return;
    const TRect r = CellBounds(cell.X, 0);
    if (std::abs(X - r.Right) <= 3)
        AutoSizeColumn(cell.X, true);
    else if (cell.X > 0 && std::abs(X - r.Left) <= 3)
        AutoSizeColumn(cell.X - 1, true);
}

// ---- Size ----

void TSortGrid::WndProc(TMessage& Message) {
    const bool wasEditing = EditorActive();
    TMyStringGrid::WndProc(Message);
    // However the editor opened (a key, a click, a typed character), its cell is remembered
    // with the text it had before, for validation.
    if (!wasEditing && EditorActive()) RememberCell();
    if (Message.Msg == WM_SIZE && Width() != FLastWidth) {
        FLastWidth = Width();
        StretchLastColumn();
        Invalidate();
        UpdateProportionalBars();
    }
}

void TSortGrid::StretchLastColumn() {
    const int first = FirstVisibleCol(), visible = VisibleColCount();
    if (ColCount() == 0 || first + visible < ColCount()) return;
    int before = 0;
    for (int c = first; c < ColCount() - 1; ++c) before += ColWidths(c);
    const int w = Width() - before - visible - 3;
    if (w > 0) SetColWidths(ColCount() - 1, w);
}

void TSortGrid::ColWidthsChanged() {
    TMyStringGrid::ColWidthsChanged();
    UpdateProportionalBars();
    if (OnColumnWidthsChanged) OnColumnWidthsChanged(this);
}

void TSortGrid::RowHeightsChanged() {
    TMyStringGrid::RowHeightsChanged();
    UpdateProportionalBars();
    if (OnRowHeightsChanged) OnRowHeightsChanged(this);
}
