// Painting: grid lines of the four areas, the cells with their states and the fill beyond them.

#include "grid/MyGrids.h"

#include <algorithm>

void TMyCustomGrid::MirrorCanvas(bool On) {
    Canvas()->SetMirrored(On ? ClientWidth() : 0);
}

// The frame lies outside the client area, as a window's frame would.
void TMyCustomGrid::DrawBorder() {
    TCanvas* c = Canvas();
    TRect r = Rect(0, 0, Width(), Height());
    if (FCtl3D) {
        DrawEdge(*c, r, EDGE_SUNKEN, BF_RECT);
    } else {
        // The window system drew the frame apart from the client's canvas: its brush stays.
        const TBrush saved = *c->Brush();
        c->Brush()->SetStyle(TBrushStyle::bsSolid);
        c->Brush()->SetColor(clWindowFrame);
        c->FrameRect(r);
        c->Brush()->Assign(saved);
    }
}

void TMyCustomGrid::Paint() {
    using enum TGridOption;
    if (const int b = BorderExtent()) {
        DrawBorder();
        Canvas()->MoveOrigin(b, b);
        Canvas()->IntersectClipRect(InnerRect());
    }
    const DrawMetrics m = CalcDrawMetrics();
    const bool rtl = UseRightToLeftAlignment();
    if (rtl) MirrorCanvas(true);
    TCanvas* c = Canvas();
    const int fixedH = m.Horz.FixedEnd, fixedV = m.Vert.FixedEnd;
    const int cellsH = m.Horz.CellsEnd, cellsV = m.Vert.CellsEnd;

    if (m.Horz.LineWidth > 0 || m.Vert.LineWidth > 0) {
        const bool fixedHorz = FOptions.Contains(goFixedHorzLine);
        const bool fixedVert = FOptions.Contains(goFixedVertLine);
        DrawLines(m, fixedHorz, fixedVert, 0, 0, Rect(0, 0, fixedH, fixedV), clBlack, FFixedColor);
        DrawLines(m, fixedHorz, fixedVert, FTopLeft.X, 0, Rect(fixedH, 0, cellsH, fixedV), clBlack,
                  FFixedColor);
        DrawLines(m, fixedHorz, fixedVert, 0, FTopLeft.Y, Rect(0, fixedV, fixedH, cellsV), clBlack,
                  FFixedColor);
        const TColor on = ColorToRGB(Color()) == clSilver ? clGray : clSilver;
        DrawLines(m, FOptions.Contains(goHorzLine), FOptions.Contains(goVertLine), FTopLeft.X,
                  FTopLeft.Y, Rect(fixedH, fixedV, cellsH, cellsV), on, Color());
    }

    const TGridDrawState fixed{TGridDrawStateItem::gdFixed};
    DrawCells(m, 0, 0, 0, 0, fixedH, fixedV, FFixedColor, fixed);
    DrawCells(m, FTopLeft.X, 0, fixedH - FColOffset, 0, cellsH, fixedV, FFixedColor, fixed);
    DrawCells(m, 0, FTopLeft.Y, 0, fixedV, fixedH, cellsV, FFixedColor, fixed);
    DrawCells(m, FTopLeft.X, FTopLeft.Y, fixedH - FColOffset, fixedV, cellsH, cellsV, Color(), {});

    if (!IsDesigning() && FOptions.Contains(goRowSelect) && FDefaultDrawing && Focused()) {
        TRect r = GridRectToScreenRect(SelectedRect(), false);
        if (rtl) { // back to the mirrored canvas's own coordinates
            const int hold = r.Left;
            r.Left = m.Horz.ClientExtent - r.Right;
            r.Right = m.Horz.ClientExtent - hold;
        }
        c->DrawFocusRect(r);
    }

    c->Brush()->SetStyle(TBrushStyle::bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(Rect(cellsH, 0, m.Horz.ClientExtent, cellsV));
    c->FillRect(Rect(0, cellsV, m.Horz.ClientExtent, m.Vert.ClientExtent));
    if (rtl) MirrorCanvas(false);
}

void TMyCustomGrid::DrawLines(const DrawMetrics& M, bool DoHorz, bool DoVert, int Col, int Row,
                              const TRect& Area, TColor OnColor, TColor OffColor) {
    if (Area.Left == Area.Right || Area.Top == Area.Bottom) return;
    // Vertical lines separate columns and are wanted with DoVert; horizontal ones with DoHorz.
    if (DoHorz) {
        DrawAxisLines(M, true, Col, Area, DoVert ? OnColor : OffColor);
        DrawAxisLines(M, false, Row, Area, DoHorz ? OnColor : OffColor);
    } else {
        DrawAxisLines(M, false, Row, Area, DoHorz ? OnColor : OffColor);
        DrawAxisLines(M, true, Col, Area, DoVert ? OnColor : OffColor);
    }
}

void TMyCustomGrid::DrawAxisLines(const DrawMetrics& M, bool Vertical, int Cell, const TRect& Area,
                                  TColor Color) {
    const AxisMetrics& a = Vertical ? M.Horz : M.Vert;
    if (a.LineWidth == 0) return;
    TCanvas* c = Canvas();
    c->Pen()->SetStyle(TPenStyle::psSolid);
    c->Pen()->SetMode(TPenMode::pmCopy);
    c->Pen()->SetWidth(FGridLineWidth);
    c->Pen()->SetColor(Color);

    const int maxStrokes = std::max(M.Horz.LastFullCell - FTopLeft.X + FFixedCols,
                                    M.Vert.LastFullCell - FTopLeft.Y + FFixedRows) +
                           3;
    std::vector<TPoint> points;
    points.reserve(size_t(std::max(0, maxStrokes)) * 2);
    // A scrolled single column starts left of the area by the pixel offset.
    int start = Vertical ? Area.Left : Area.Top;
    if (Vertical && Cell >= FFixedCols) start -= FColOffset;
    const int end = Vertical ? Area.Right : Area.Bottom;
    int line = start + a.LineWidth / 2;
    for (int cell = Cell; cell < a.CellCount && int(points.size()) / 2 < maxStrokes; ++cell) {
        const int extent = a.Extent(cell);
        if (extent + a.LineWidth <= 0) continue; // a hidden cell that takes no room
        const int pos = line + extent;
        if (pos >= end) break;
        if (Vertical) {
            points.push_back({pos, Area.Top});
            points.push_back({pos, Area.Bottom});
        } else {
            points.push_back({Area.Left, pos});
            points.push_back({Area.Right, pos});
        }
        line += extent + a.LineWidth;
    }
    if (points.empty()) return;
    c->PolyPolyline(points, std::vector<int>(points.size() / 2, 2));
}

void TMyCustomGrid::DrawCells(const DrawMetrics& M, int ACol, int ARow, int StartX, int StartY,
                              int StopX, int StopY, TColor AColor, TGridDrawState AState) {
    using enum TGridOption;
    using enum TGridDrawStateItem;
    TCanvas* c = Canvas();
    const TGridRect sel = SelectedRect();
    const bool active = IsActiveControl();
    const bool designing = IsDesigning();
    const TRect clipBox = c->ClipRect();
    unsigned frameFlags1 = 0, frameFlags2 = 0;
    if (FOptions.Contains(goFixedVertLine)) {
        frameFlags1 = BF_RIGHT;
        frameFlags2 = BF_LEFT;
    }
    if (FOptions.Contains(goFixedHorzLine)) {
        frameFlags1 |= BF_BOTTOM;
        frameFlags2 |= BF_TOP;
    }

    TRect where;
    where.Top = StartY;
    for (int row = ARow; where.Top < StopY && row < FRowCount; ++row) {
        where.Left = StartX;
        where.Bottom = where.Top + RowHeights(row);
        for (int col = ACol; where.Left < StopX && col < FColCount; ++col) {
            where.Right = where.Left + ColWidths(col);
            TRect visible;
            const bool drawn = where.Right > where.Left && IntersectRect(visible, where, clipBox) &&
                               c->RectVisible(where);
            if (drawn) {
                TGridDrawState state = AState;
                if (active && row == FCurrent.Y && col == FCurrent.X) state.Include(gdFocused);
                if (sel.Contains(col, row)) state.Include(gdSelected);
                const bool focused = state.Contains(gdFocused);
                // The open editor covers the focused cell.
                if (!(focused && FOptions.Contains(goEditing) && FEditorMode && !designing)) {
                    if (FDefaultDrawing || designing) {
                        c->SetFont(*Font());
                        c->Brush()->SetStyle(TBrushStyle::bsSolid);
                        if (state.Contains(gdSelected) &&
                            (!focused || FOptions.Contains(goDrawFocusSelected) ||
                             FOptions.Contains(goRowSelect))) {
                            c->Brush()->SetColor(clHighlight);
                            c->Font()->SetColor(clHighlightText);
                        } else {
                            c->Brush()->SetColor(AColor);
                        }
                        c->FillRect(where);
                    }
                    DrawCell(col, row, where, state);
                    if (FDefaultDrawing && state.Contains(gdFixed) && FCtl3D &&
                        (frameFlags1 | frameFlags2) != 0) {
                        TRect r = where;
                        if ((frameFlags1 & BF_RIGHT) == 0)
                            r.Right += M.Horz.LineWidth;
                        else if ((frameFlags1 & BF_BOTTOM) == 0)
                            r.Bottom += M.Vert.LineWidth;
                        DrawEdge(*c, r, BDR_RAISEDINNER, frameFlags1);
                        DrawEdge(*c, r, BDR_RAISEDINNER, frameFlags2);
                    }
                    if (FDefaultDrawing && !designing && focused &&
                        !FOptions.Contains(goRowSelect) &&
                        !(FOptions.Contains(goEditing) && FOptions.Contains(goAlwaysShowEditor)))
                        c->DrawFocusRect(where);
                }
            }
            where.Left = where.Right + M.Horz.LineWidth;
        }
        where.Top = where.Bottom + M.Vert.LineWidth;
    }
}
