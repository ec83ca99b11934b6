#include "skin/SkinCtrlsGlyph.h"

#include "skin/SPUtils.h"

#include <algorithm>

namespace {

TGlyphTextPlaces WithMargin(const TRect& R, int M, TSize G, TSize T, TspButtonLayout Layout,
                            int Spacing, TPoint C) {
    switch (Layout) {
    case TspButtonLayout::blGlyphLeft: {
        const TPoint g{R.Left + M, C.Y - G.cy / 2};
        return {g, {g.X + G.cx + Spacing, C.Y - T.cy / 2}};
    }
    case TspButtonLayout::blGlyphRight: {
        const TPoint g{R.Right - G.cx - M, C.Y - G.cy / 2};
        return {g, {g.X - Spacing - T.cx, C.Y - T.cy / 2}};
    }
    case TspButtonLayout::blGlyphTop: {
        const TPoint g{C.X - G.cx / 2, R.Top + M};
        return {g, {C.X - T.cx / 2, g.Y + G.cy + Spacing}};
    }
    case TspButtonLayout::blGlyphBottom:
        break;
    }
    const TPoint g{C.X - G.cx / 2, R.Bottom - G.cy - M};
    return {g, {C.X - T.cx / 2, g.Y - Spacing - T.cy}};
}

TGlyphTextPlaces Centred(TSize G, TSize T, TspButtonLayout Layout, int Spacing, TPoint C) {
    const int half = (G.cx + T.cx + Spacing) / 2;
    const int vhalf = (T.cy + G.cy + Spacing) / 2;
    switch (Layout) {
    case TspButtonLayout::blGlyphLeft:
        return {{C.X - half, C.Y - G.cy / 2}, {C.X + half - T.cx, C.Y - T.cy / 2}};
    case TspButtonLayout::blGlyphRight:
        return {{C.X + half - G.cx, C.Y - G.cy / 2}, {C.X - half, C.Y - T.cy / 2}};
    case TspButtonLayout::blGlyphTop:
        return {{C.X - G.cx / 2, C.Y - vhalf}, {C.X - T.cx / 2, C.Y + vhalf - T.cy}};
    case TspButtonLayout::blGlyphBottom:
        break;
    }
    return {{C.X - G.cx / 2, C.Y + vhalf - G.cy}, {C.X - T.cx / 2, C.Y - vhalf}};
}

} // namespace

TGlyphTextPlaces GlyphAndTextPlaces(const TRect& R, int Margin, bool Shift, TSize GlyphSize,
                                    TSize TextSize, TspButtonLayout Layout, int Spacing) {
    const TPoint c{R.Left + R.Width() / 2, R.Top + R.Height() / 2};
    TGlyphTextPlaces p = Margin >= 0
                             ? WithMargin(R, Margin, GlyphSize, TextSize, Layout, Spacing, c)
                             : Centred(GlyphSize, TextSize, Layout, Spacing, c);
    if (Shift) {
        p.Glyph = {p.Glyph.X + 1, p.Glyph.Y + 1};
        p.Text = {p.Text.X + 1, p.Text.Y + 1};
    }
    return p;
}

QString CaptionWithoutAccel(const QString& Caption) {
    QString out;
    out.reserve(Caption.size());
    for (qsizetype i = 0; i < Caption.size(); ++i) {
        if (Caption[i] == u'&' && i + 1 < Caption.size()) ++i;
        out.append(Caption[i]);
    }
    return out;
}

void DrawGlyphAndText(TCanvas& Canvas, const TRect& R, int Margin, bool Shift, int Cell,
                      int CellCount, const TBitmap& Glyph, const QString& Caption,
                      TspButtonLayout Layout, int Spacing) {
    CellCount = std::max(1, CellCount);
    const TSize glyph =
        Glyph.Empty() ? TSize{0, 0} : TSize{Glyph.Width() / CellCount, Glyph.Height()};
    const TSize text =
        Caption.isEmpty() ? TSize{0, 0} : Canvas.TextExtent(CaptionWithoutAccel(Caption));
    const TGlyphTextPlaces p = GlyphAndTextPlaces(R, Margin, Shift, glyph, text, Layout, Spacing);
    if (!Glyph.Empty()) DrawGlyphCell(&Canvas, p.Glyph.X, p.Glyph.Y, Cell, CellCount, Glyph);
    if (Caption.isEmpty()) return;
    Canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect t = Rect(p.Text.X, p.Text.Y, p.Text.X + text.cx, p.Text.Y + text.cy);
    Canvas.DrawText(Caption, t, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
}
