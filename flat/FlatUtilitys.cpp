#include "flat/FlatUtilitys.h"

#include "flat/HSLUtils.h"

void Frame3DBorder(TCanvas& Canvas, TRect Rect, TColor TopColor, TColor BottomColor, int Width) {
    Frame3D(Canvas, Rect, TopColor, BottomColor, Width);
}

TButtonLayoutResult CalcButtonLayout(TCanvas& Canvas, const TRect& Client, TPoint Offset,
                                     const QString& Caption, TButtonLayout Layout, int Margin,
                                     int Spacing, const TBitmap* Glyph, int NumGlyphs) {
    const TPoint client{Client.Width(), Client.Height()};
    TPoint glyph{};
    if (Glyph && !Glyph->Empty()) glyph = {Glyph->Width() / NumGlyphs, Glyph->Height()};

    TRect text{};
    TPoint textSize{};
    if (!Caption.isEmpty()) {
        text = Rect(0, 0, Client.Width(), 0);
        Canvas.DrawText(Caption, text, DT_CALCRECT | DT_SINGLELINE);
        textSize = {text.Width(), text.Height()};
    }

    const bool horizontal =
        Layout == TButtonLayout::blGlyphLeft || Layout == TButtonLayout::blGlyphRight;
    TPoint glyphPos{}, textPos{};
    if (horizontal) {
        glyphPos.Y = (client.Y - glyph.Y + 1) / 2;
        textPos.Y = (client.Y - textSize.Y + 1) / 2;
    } else {
        glyphPos.X = (client.X - glyph.X + 1) / 2;
        textPos.X = (client.X - textSize.X + 1) / 2;
    }
    if (textSize.X == 0 || glyph.X == 0) Spacing = 0;

    // Extents along the layout's axis.
    const int clientExt = horizontal ? client.X : client.Y;
    const int glyphExt = horizontal ? glyph.X : glyph.Y;
    const int textExt = horizontal ? textSize.X : textSize.Y;
    if (Margin == -1) {
        if (Spacing == -1) {
            Margin = (clientExt - (glyphExt + textExt)) / 3;
            Spacing = Margin;
        } else {
            Margin = (clientExt - (glyphExt + Spacing + textExt) + 1) / 2;
        }
    } else if (Spacing == -1) {
        Spacing = ((clientExt - Margin - glyphExt) - textExt) / 2;
    }

    switch (Layout) {
    case TButtonLayout::blGlyphLeft:
        glyphPos.X = Margin;
        textPos.X = glyphPos.X + glyph.X + Spacing;
        break;
    case TButtonLayout::blGlyphRight:
        glyphPos.X = client.X - Margin - glyph.X;
        textPos.X = glyphPos.X - Spacing - textSize.X;
        break;
    case TButtonLayout::blGlyphTop:
        glyphPos.Y = Margin;
        textPos.Y = glyphPos.Y + glyph.Y + Spacing;
        break;
    case TButtonLayout::blGlyphBottom:
        glyphPos.Y = client.Y - Margin - glyph.Y;
        textPos.Y = glyphPos.Y - Spacing - textSize.Y;
        break;
    }

    TButtonLayoutResult r;
    r.GlyphPos = {glyphPos.X + Client.Left + Offset.X, glyphPos.Y + Client.Top + Offset.Y};
    r.TextBounds = text;
    OffsetRect(r.TextBounds, Client.Left + textPos.X + Offset.X, Client.Top + textPos.Y + Offset.Y);
    return r;
}

std::unique_ptr<TBitmap> CreateDisabledBitmap(const TBitmap& Source, TColor MaskColor,
                                              TColor FaceColor, bool Highlight, TColor ShadowColor,
                                              TColor HighlightColor) {
    auto result = std::make_unique<TBitmap>();
    const int w = Source.Width(), h = Source.Height();
    result->SetSize(w, h);
    if (Source.Empty()) return result;

    const QImage src = Source.Image().convertToFormat(QImage::Format_RGB32);
    const QRgb mask = ToQColor(MaskColor).rgb(), back = ToQColor(Source.TransparentColor()).rgb();
    auto shape = [&](int x, int y) {
        const QRgb p = src.pixel(x, y);
        return p != mask && p != back;
    };

    QImage out(w, h, QImage::Format_RGB32);
    out.fill(ToQColor(FaceColor));
    const QRgb shadow = ToQColor(ShadowColor).rgb(), light = ToQColor(HighlightColor).rgb();
    if (Highlight)
        for (int y = 0; y + 1 < h; ++y)
            for (int x = 0; x + 1 < w; ++x)
                if (shape(x, y)) out.setPixel(x + 1, y + 1, light);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (shape(x, y)) out.setPixel(x, y, shadow);
    result->SetImage(out);
    return result;
}

void DrawParentImage(TControl* Control, TCanvas& Canvas) {
    TWinControl* parent = Control->Parent();
    if (!parent) return;
    TRect area;
    if (!IntersectRect(area, Control->BoundsRect(), parent->ClientRect())) return;
    // The parent paints itself (background and graphic children); its windowed children, this
    // control among them, stay out.
    TRect dest = area;
    OffsetRect(dest, -Control->Left(), -Control->Top());
    parent->PaintAreaTo(area, parent->Color(), Canvas, dest);
}

TColor CalcAdvancedColor(TColor ParentColor, TColor Fallback, TAdvColors Percent,
                         TColorCalcType Type) {
    if (Percent == 0) return Fallback;
    int h, s, l;
    RGBtoHSLRange(ColorToRGB(ParentColor), h, s, l);
    l += 10;
    if (Type == TColorCalcType::lighten)
        l = l + Percent > 100 ? 100 : l + Percent;
    else
        l = l - Percent < 0 ? 0 : l - Percent;
    return HSLRangeToRGB(h, s, l);
}

bool RectInRect(const TRect& R1, const TRect& R2) {
    TRect common;
    return IntersectRect(common, R1, R2);
}
