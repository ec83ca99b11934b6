// Shared drawing and colour routines of the flat controls.

#include "FlatTestSupport.h"

#include "flat/FlatUtilitys.h"
#include "flat/HSLUtils.h"

#include <gtest/gtest.h>

TEST(FlatFrame, RingsColourTheirCornersLikeTheDesktopFrame) {
    QImage img(12, 12, QImage::Format_RGB32);
    img.fill(Qt::white);
    TCanvas c;
    c.BindImage(&img);
    const TRect r = Rect(0, 0, 10, 10);
    Frame3DBorder(c, r, clBlue, clRed, 1);
    for (int i = 0; i <= 8; ++i) {
        EXPECT_EQ(At(img, 0, i), clBlue) << i;
        EXPECT_EQ(At(img, i, 0), clBlue) << i;
    }
    for (int i = 0; i <= 9; ++i) {
        EXPECT_EQ(At(img, 9, i), clRed) << i;
        EXPECT_EQ(At(img, i, 9), clRed) << i;
    }
    EXPECT_EQ(At(img, 1, 1), clWhite);
    EXPECT_EQ(At(img, 10, 10), clWhite);
    EXPECT_EQ(r, Rect(0, 0, 10, 10));

    img.fill(Qt::white);
    Frame3DBorder(c, Rect(0, 0, 10, 10), clBlue, clRed, 2);
    EXPECT_EQ(At(img, 1, 1), clBlue);
    EXPECT_EQ(At(img, 8, 1), clRed);
    EXPECT_EQ(At(img, 1, 8), clRed);
    EXPECT_EQ(At(img, 2, 2), clWhite);
}

TEST(FlatLayout, EmptyCaptionAndGlyphSitOnTheCentreLine) {
    QImage img(1, 1, QImage::Format_RGB32);
    TCanvas c;
    c.BindImage(&img);
    const TButtonLayoutResult r = CalcButtonLayout(c, Rect(0, 0, 25, 25), {0, 0}, QString(),
                                                   TButtonLayout::blGlyphTop, -1, 4, nullptr, 1);
    EXPECT_EQ(r.GlyphPos, Point(13, 13));
    EXPECT_EQ(r.TextBounds, Rect(13, 13, 13, 13));
}

TEST(FlatLayout, MarginAndSpacingRulesWithIntegerDivisions) {
    QImage img(1, 1, QImage::Format_RGB32);
    TCanvas c;
    c.BindImage(&img);
    TBitmap glyph;
    glyph.SetSize(20, 10); // two images of 10 x 10
    const QString caption = "Go";
    const int tw = c.TextWidth(caption), th = c.TextHeight(caption);
    const TRect client = Rect(5, 7, 85, 47); // 80 x 40

    // Centred block: margin = (80 - (10 + 4 + tw) + 1) div 2, pressed offset added.
    TButtonLayoutResult r =
        CalcButtonLayout(c, client, {1, 1}, caption, TButtonLayout::blGlyphLeft, -1, 4, &glyph, 2);
    const int margin = (80 - (10 + 4 + tw) + 1) / 2;
    EXPECT_EQ(r.GlyphPos, Point(5 + margin + 1, 7 + (40 - 10 + 1) / 2 + 1));
    EXPECT_EQ(r.TextBounds.Left, 5 + margin + 10 + 4 + 1);
    EXPECT_EQ(r.TextBounds.Top, 7 + (40 - th + 1) / 2 + 1);
    EXPECT_EQ(r.TextBounds.Width(), tw);

    // Spread evenly: margin = spacing = (80 - (10 + tw)) div 3.
    r = CalcButtonLayout(c, client, {0, 0}, caption, TButtonLayout::blGlyphRight, -1, -1, &glyph,
                         2);
    const int third = (80 - (10 + tw)) / 3;
    EXPECT_EQ(r.GlyphPos.X, 5 + 80 - third - 10);
    EXPECT_EQ(r.TextBounds.Left, 5 + 80 - third - 10 - third - tw);

    // Fixed margin, spacing fills half of what is left.
    r = CalcButtonLayout(c, client, {0, 0}, caption, TButtonLayout::blGlyphBottom, 3, -1, &glyph,
                         2);
    const int spacing = ((40 - 3 - 10) - th) / 2;
    EXPECT_EQ(r.GlyphPos.Y, 7 + 40 - 3 - 10);
    EXPECT_EQ(r.TextBounds.Top, 7 + 40 - 3 - 10 - spacing - th);

    // A glyph wider than the client: division truncates toward zero.
    TBitmap wide;
    wide.SetSize(9, 4);
    r = CalcButtonLayout(c, Rect(0, 0, 5, 20), {0, 0}, QString(), TButtonLayout::blGlyphTop, 0, 0,
                         &wide, 1);
    EXPECT_EQ(r.GlyphPos.X, -1);
}

TEST(FlatDisabledImage, ShapeEmbossedOnTheFaceBackgroundLeftOut) {
    TBitmap glyph;
    glyph.SetSize(4, 3);
    glyph.Canvas()->Brush()->SetColor(clWhite);
    glyph.Canvas()->FillRect(Rect(0, 0, 4, 3));
    glyph.Canvas()->SetPixel(1, 1, clRed);
    glyph.Canvas()->SetPixel(2, 0, clBlack); // the mask colour counts as background
    std::unique_ptr<TBitmap> d =
        CreateDisabledBitmap(glyph, clBlack, clBtnFace, true, clBtnShadow, clBtnHighlight);
    ASSERT_EQ(d->Width(), 4);
    ASSERT_EQ(d->Height(), 3);
    const QImage& img = d->Image();
    EXPECT_EQ(At(img, 1, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(img, 2, 2), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(img, 2, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(At(img, 0, 2), ColorToRGB(clBtnFace));
    EXPECT_EQ(At(img, 3, 1), ColorToRGB(clBtnFace));

    d = CreateDisabledBitmap(glyph, clBlack, clBtnFace, false, clBtnShadow, clBtnHighlight);
    EXPECT_EQ(At(d->Image(), 2, 2), ColorToRGB(clBtnFace));
}

TEST(FlatColours, AdvancedColourClampsAtOneHundredOnTheLightnessScale) {
    EXPECT_EQ(CalcAdvancedColor(clRed, RGB(1, 2, 3), 0, TColorCalcType::lighten), RGB(1, 2, 3));

    int h, s, l;
    RGBtoHSLRange(0xE1EAEB, h, s, l);
    ASSERT_GT(l, 90);
    const TColor lighter = CalcAdvancedColor(0xE1EAEB, clNone, 10, TColorCalcType::lighten);
    int h2, s2, l2;
    RGBtoHSLRange(lighter, h2, s2, l2);
    EXPECT_EQ(l2, 100);
    EXPECT_LT(GetRValue(lighter) + GetGValue(lighter), 235 + 234);

    // Darkening: lightness + 10 - percent, never below 0; system colours are resolved first.
    RGBtoHSLRange(clBtnFace, h, s, l);
    const TColor darker = CalcAdvancedColor(clBtnFace, clNone, 50, TColorCalcType::darken);
    RGBtoHSLRange(darker, h2, s2, l2);
    EXPECT_NEAR(l2, l + 10 - 50, 1);
    RGBtoHSLRange(CalcAdvancedColor(RGB(20, 10, 10), clNone, 100, TColorCalcType::darken), h2, s2,
                  l2);
    EXPECT_EQ(l2, 0);

    EXPECT_TRUE(RectInRect(Rect(0, 0, 10, 10), Rect(9, 9, 20, 20)));
    EXPECT_FALSE(RectInRect(Rect(0, 0, 10, 10), Rect(10, 0, 20, 10)));
}

TEST(FlatHSL, KnownValuesGreysAndRoundTrips) {
    double h, s, l;
    RGBtoHSL(RGB(255, 0, 0), h, s, l);
    EXPECT_DOUBLE_EQ(h, 0);
    EXPECT_DOUBLE_EQ(s, 1);
    EXPECT_DOUBLE_EQ(l, 0.5);
    RGBtoHSL(RGB(0, 0, 255), h, s, l);
    EXPECT_DOUBLE_EQ(h, 4.0 / 6);
    RGBtoHSL(RGB(255, 0, 128), h, s, l); // max red, g < b: hue wraps below zero
    EXPECT_GT(h, 0.9);

    int H, S, L;
    RGBtoHSLRange(RGB(0, 255, 0), H, S, L);
    EXPECT_EQ(H, 80); // 239 / 3 = 79.67
    EXPECT_EQ(S, 240);
    EXPECT_EQ(L, 120);
    RGBtoHSLRange(RGB(77, 77, 77), H, S, L);
    EXPECT_EQ(H, 0);
    EXPECT_EQ(S, 0);
    EXPECT_EQ(L, 72); // 77 / 255 * 240 = 72.47
    EXPECT_EQ(HSLtoRGB(0.3, 0, 0.5), RGB(128, 128, 128));
    EXPECT_EQ(HSLRangeToRGB(0, 0, 240), clWhite);
    EXPECT_EQ(HSLtoRGB(2.0 / 3, 1, 0.5), RGB(0, 0, 255));

    for (TColor c : {RGB(240, 251, 255), RGB(200, 217, 240), RGB(12, 200, 99), RGB(255, 128, 0),
                     RGB(3, 4, 250), RGB(128, 128, 192)}) {
        RGBtoHSL(c, h, s, l);
        EXPECT_EQ(HSLtoRGB(h, s, l), c);
        RGBtoHSLRange(c, H, S, L);
        const TColor back = HSLRangeToRGB(H, S, L);
        EXPECT_NEAR(GetRValue(back), GetRValue(c), 3);
        EXPECT_NEAR(GetGValue(back), GetGValue(c), 3);
        EXPECT_NEAR(GetBValue(back), GetBValue(c), 3);
    }

    SetHSLRange(100);
    RGBtoHSLRange(RGB(0, 255, 0), H, S, L);
    EXPECT_EQ(H, 33);
    EXPECT_EQ(L, 50);
    SetHSLRange(240);
}
