// TSortGrid: construction, cell formats and drawing, current cell, mouse and wheel, resizing.

#include "grid/SortGrid.h"

#include "platform/Environment.h"
#include "platform/Forms.h"

#include <QFile>
#include <cmath>

void InitGridPictures() {
    static const bool done = [] {
        Q_INIT_RESOURCE(gridpictures);
        return true;
    }();
    (void)done;
}

namespace {

void LoadPicture(TBitmap& Bitmap, const char* Name) {
    InitGridPictures();
    QFile f(QStringLiteral(":/grid/") + QLatin1String(Name));
    if (f.open(QIODevice::ReadOnly)) Bitmap.LoadFromData(f.readAll());
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
}

TSortGrid::~TSortGrid() = default;

void TSortGrid::SetModified(bool Value) {
    FModified = Value;
    if (Value && OnModified) OnModified(this);
}

void TSortGrid::SetUserSettings(TStringList* Value) {
    FUserSettings.reset(Value);
    SetModified(true);
}

void TSortGrid::SetHideRows(bool Value) {
    FHideRows = Value;
    SetCurrentRow(1);
    Invalidate();
}

void TSortGrid::SetAlignmentHorz(TAlignment Value) {
    FAlignmentHorz = Value;
    Invalidate();
}

void TSortGrid::SetAlignmentVert(TVertAlignment Value) {
    FAlignmentVert = Value;
    Invalidate();
}

void TSortGrid::SetBevelStyle(TCellBevelStyle Value) {
    FBevelStyle = Value;
    Invalidate();
}

void TSortGrid::SetProportionalScrollBars(bool Value) {
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

void TSortGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    using enum TGridOption;
    TCanvas* c = Canvas();
    // 1. Data rows stay blank while updating or hidden.
    if (ARow > 0 && (NowUpdating() || FHideRows)) {
        c->FillRect(Rect(ARect.Left, ARect.Top, ARect.Right + Width() + 1, ARect.Bottom + 1));
        return;
    }
    // 2. The handler's format.
    bool checkBox = false, combobox = false, ellipsis = false;
    TFormatOptions f = GetCellFormat(ACol, ARow, AState, checkBox, combobox, ellipsis);
    if (checkBox) f.TextHidden = true;
    // 3. Selection and the colour settings.
    const TGridRect sel = SelectedRect();
    const bool activeCol =
        ACol >= 0 && ACol < int(FColSettings.size()) && FColSettings[size_t(ACol)].Active;
    const bool activeRow =
        ARow >= 0 && ARow < int(FRowSettings.size()) && FRowSettings[size_t(ARow)].Active;
    if ((Options().Contains(goRangeSelect) && ARow >= sel.Top && ARow <= sel.Bottom) ||
        (FMultiSelect && FSelectedRows.IndexOf(QString::number(ARow)) >= 0 &&
         !Options().Contains(goEditing))) {
        f.Font->SetColor(clHighlightText);
        f.Brush->SetColor(clHighlight);
    } else if (activeCol && !activeRow) {
        ApplySetting(FColSettings[size_t(ACol)]);
    } else if (activeRow) {
        const QStringList parts = RowFormatText(ARow).split(QLatin1Char(','));
        if (parts.size() >= 5) {
            TFontSetting s;
            s.FontColor = StringToColor(parts[0]);
            s.Bold = parts[1] == QLatin1String("1");
            s.Italic = parts[2] == QLatin1String("1");
            s.Underline = parts[3] == QLatin1String("1");
            s.BrushColor = StringToColor(parts[4]);
            ApplySetting(s);
        }
    }
    // 4. Font and text.
    c->SetFont(*f.Font);
    QString text = CellText(ACol, ARow);
    const bool sortArrow = ACol == FSortOptions.SortCol() && FSortOptions.CanSort();
    // 5. Header shortening.
    if (ARow == 0) text = FitHeaderText(text, ColWidths(ACol) - (sortArrow ? 12 : 1));
    // 6. Offsets.
    const int cw = ARect.Width(), ch = ARect.Height();
    int x = 2, y = 2;
    if (f.AlignmentHorz == TAlignment::taRightJustify)
        x = cw - c->TextWidth(text) - 2;
    else if (f.AlignmentHorz == TAlignment::taCenter)
        x = (cw - c->TextWidth(text)) / 2;
    if (f.AlignmentVert == TVertAlignment::taBottomJustify)
        y = ch - c->TextHeight(text) - 3;
    else if (f.AlignmentVert == TVertAlignment::taMiddle)
        y = (ch - c->TextHeight(text)) / 2;
    // 7. Sort arrow, always in the header row.
    if (sortArrow) {
        if (ARow == 0) x += 11;
        const TBitmap& arrow =
            FSortOptions.SortDirection() == TSortDirection::sdDescending ? FDownArrow : FUpArrow;
        const int w = cw <= 10 ? cw - 3 : 8;
        const int ay = RowHeights(0) / 2 - 4;
        // 8 first: the text output fills the cell, the arrow goes on top.
        c->TextRect(ARect, ARect.Left + x, ARect.Top + y, f.TextHidden ? QString() : text);
        c->CopyRect(Rect(ARect.Left + 3, ay, ARect.Left + 3 + w, ay + 7),
                    const_cast<TBitmap&>(arrow).Canvas(), Rect(0, 0, w, 7));
    } else {
        // 8. Text, filling the cell with the brush.
        c->TextRect(ARect, ARect.Left + x, ARect.Top + y, f.TextHidden ? QString() : text);
    }
    // 9. Check box.
    if (checkBox) {
        TBitmap pic;
        LoadPicture(pic, CellText(ACol, ARow) == QLatin1String("true") ? "CHECKED" : "UNCHECKED");
        const int s = cw <= 10 ? cw - 1 : 10;
        const int px = ARect.Left + (cw - s) / 2, py = ARect.Top + RowHeights(ARow) / 2 - 5;
        c->CopyRect(Rect(px, py, px + s, py + s), pic.Canvas(), Rect(0, 0, s, s));
    }
    // 10, 11. Combo-box and ellipsis buttons on the current row.
    if (ARow == CurrentRow()) {
        if (combobox && (ACol == CurrentCol() || EditorActive()))
            DrawWidgetPicture("COMBOBOX", ARect);
        if (ellipsis && ACol != CurrentCol()) DrawWidgetPicture("ELLIPSIS", ARect);
    }
    // 12. Bevel.
    if (f.Bevel != TCellBevelStyle::cbNone && ACol >= 0 && ARow > 0) {
        const bool vert = Options().Contains(goFixedVertLine);
        const bool horz = Options().Contains(goFixedHorzLine);
        c->Pen()->SetColor(f.DarkColor);
        if (vert) {
            c->MoveTo(ARect.Right - 1, ARect.Top);
            c->LineTo(ARect.Right - 1, ARect.Bottom);
        }
        if (horz) {
            c->MoveTo(ARect.Left, ARect.Bottom - 1);
            c->LineTo(ARect.Right, ARect.Bottom - 1);
        }
        c->Pen()->SetColor(f.LightColor);
        if (vert) {
            c->MoveTo(ARect.Left, ARect.Top);
            c->LineTo(ARect.Left, ARect.Bottom);
        }
        if (horz) {
            c->MoveTo(ARect.Left, ARect.Top);
            c->LineTo(ARect.Right, ARect.Top);
        }
    }
    // 13. The application's own drawing.
    TMyDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

// ---- Current cell and view ----

void TSortGrid::ResetSelection(int Row) {
    const QString r = QString::number(Row);
    FSelectedRows.Clear();
    FSelectedRows.Add(r);
    if (FSelectionOrder.Count() == 0)
        FSelectionOrder.Add(r);
    else
        FSelectionOrder.Put(0, r);
}

bool TSortGrid::SelectCell(int ACol, int ARow) {
    const bool ok = TMyStringGrid::SelectCell(ACol, ARow);
    if (ok && FSelectionFollows && !FSorting) {
        ResetSelection(ARow);
        if (OnRowSelected) OnRowSelected(this);
    }
    return ok;
}

void TSortGrid::GoToCell(int Col, int Row, bool ScrollIntoView) {
    Col = std::clamp(Col, 0, std::max(0, ColCount() - 1));
    Row = std::clamp(Row, 1, std::max(1, RowCount() - 1));
    if (!SelectCell(Col, Row)) return;
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

void TSortGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const TGridCoord cell = CellAtPoint(X, Y);
    FMouseDownCol = cell.X;
    FMouseDownRow = cell.Y;
    TMyStringGrid::MouseDown(Button, Shift, X, Y);
    if (Button == TMouseButton::mbLeft && Shift.Contains(TShiftStateItem::ssDouble)) {
        if (cell.Y == 0) HeaderDoubleClick(X, Y);
        if (OnDblClick) OnDblClick(this);
    }
}

void TSortGrid::HeaderDoubleClick(int X, int) {
    const TGridCoord cell = CellAtPoint(X, 0);
    if (cell.X < 0) return;
    const TRect r = CellBounds(cell.X, 0);
    if (std::abs(X - r.Right) <= 3)
        AutoSizeColumn(cell.X, true);
    else if (cell.X > 0 && std::abs(X - r.Left) <= 3)
        AutoSizeColumn(cell.X - 1, true);
}

void TSortGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TMyStringGrid::MouseUp(Button, Shift, X, Y);
    const TGridCoord cell = CellAtPoint(X, Y);
    if (cell.Y == 0 && cell.X >= 0 && cell.X == FMouseDownCol && FSortOptions.CanSort()) {
        const TRect r = CellBounds(cell.X, 0);
        if (X - r.Left > 5 && r.Right - X > 5) {
            if (Button == TMouseButton::mbRight)
                FSortOptions.SetSortDirection(TSortDirection::sdDescending);
            else if (cell.X == FSortOptions.SortCol() &&
                     FSortOptions.SortDirection() == TSortDirection::sdAscending)
                FSortOptions.SetSortDirection(TSortDirection::sdDescending);
            else
                FSortOptions.SetSortDirection(TSortDirection::sdAscending);
            SortByColumn(cell.X);
        }
    } else if (Button == TMouseButton::mbRight && cell.Y > 0 && PopupMenu) {
        PopupMenu(Env().CursorPos());
    }
}

// ---- Size ----

void TSortGrid::WndProc(TMessage& Message) {
    TMyStringGrid::WndProc(Message);
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
