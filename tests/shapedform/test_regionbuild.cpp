// Building the form's outline from a picture.

#include "ShapedTestSupport.h"
#include "shapedform/fcimageform.h"

#include <QBitmap>
#include <gtest/gtest.h>

using namespace shapedtest;

TEST(RegionFromPicture, TheBottomLeftColourFoundNowhereElseCutsOnlyThatPixel) {
    TBitmap b = MakeBitmap(6, 4, clWhite);
    b.Canvas()->SetPixel(0, 3, clFuchsia);
    auto r = fcCreateRegionFromBitmap(b, clFuchsia);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Rects(), (std::vector<TRect>{Rect(0, 0, 6, 3), Rect(1, 3, 6, 4)}));

    // The main window's picture gives exactly the region stored with the window.
    TBitmap window;
    window.LoadFromFile(WindowPicturePath());
    ASSERT_EQ(window.PixelFormat(), TPixelFormat::pf24bit);
    auto w = fcCreateRegionFromBitmap(window, clFuchsia);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->Data(), MainWindowRegionData());
}

TEST(RegionFromPicture, EveryRunOfOpaquePixelsOfEveryRowIsIn) {
    // A ring with a hole and a stray transparent pixel: rows with one and with two runs.
    TBitmap b = MakeBitmap(8, 6, clBlue);
    b.Canvas()->Brush()->SetColor(clLime);
    b.Canvas()->FillRect(Rect(2, 2, 5, 4));
    b.Canvas()->SetPixel(7, 0, clLime);
    auto r = fcCreateRegionFromBitmap(b, clLime);
    ASSERT_TRUE(r);
    QRegion expected(0, 0, 8, 6);
    expected -= QRegion(2, 2, 3, 2);
    expected -= QRegion(7, 0, 1, 1);
    EXPECT_EQ(r->ToQRegion(), expected);

    // The same picture at another depth goes through the colour mask, to the same outline.
    TBitmap b32 = b;
    b32.SetPixelFormat(TPixelFormat::pf32bit);
    auto r32 = fcCreateRegionFromBitmap(b32, clLime);
    ASSERT_TRUE(r32);
    EXPECT_EQ(r32->ToQRegion(), expected);
    // ... where a system colour is resolved first.
    TBitmap face = MakeBitmap(4, 4, clBtnFace, TPixelFormat::pf32bit);
    face.Canvas()->SetPixel(1, 1, clBlack);
    auto rf = fcCreateRegionFromBitmap(face, clBtnFace);
    ASSERT_TRUE(rf);
    EXPECT_EQ(rf->ToQRegion(), QRegion(1, 1, 1, 1));
}

TEST(RegionFromPicture, NoPixelsOrNoOpaquePixelsGiveNoRegion) {
    EXPECT_FALSE(fcCreateRegionFromBitmap(TBitmap(), clNone));
    EXPECT_FALSE(fcCreateRegionFromBitmap(MakeBitmap(5, 5, clRed), clRed));
    EXPECT_FALSE(fcCreateRegionFromBitmap(MakeBitmap(5, 5, clRed, TPixelFormat::pf32bit), clRed));
}

TEST(RegionFromPicture, MatchesTheColourMaskOfABusyPicture) {
    // Stripes and checks: many runs per row and rows that repeat or differ.
    TBitmap b = MakeBitmap(40, 30, clWhite);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            if ((x / 3 + y / 4) % 2 == 0 || x == y) b.Canvas()->SetPixel(x, y, clFuchsia);
    auto r = fcCreateRegionFromBitmap(b, clFuchsia);
    ASSERT_TRUE(r);
    const QImage mask = b.Image()
                            .convertToFormat(QImage::Format_RGB32)
                            .createMaskFromColor(qRgb(255, 0, 255), Qt::MaskInColor);
    EXPECT_EQ(*r, TRegion(QRegion(QBitmap::fromImage(mask))));

    // One transparent pixel per row, at every position of a wide row in turn.
    TBitmap diagonal = MakeBitmap(70, 70, clWhite);
    QRegion expected(0, 0, 70, 70);
    for (int i = 0; i < 70; ++i) {
        diagonal.Canvas()->SetPixel(i, i, clFuchsia);
        expected -= QRegion(i, i, 1, 1);
    }
    auto d = fcCreateRegionFromBitmap(diagonal, clFuchsia);
    ASSERT_TRUE(d);
    EXPECT_EQ(*d, TRegion(expected));
    EXPECT_EQ(d->RectCount(), 2 * 70 - 2);
}
