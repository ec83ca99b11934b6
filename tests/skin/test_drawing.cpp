// Drawing from skin pictures: tiling by the repetition rule, the fixed pieces, mask regions.
#include "SkinTestSupport.h"

#include "skin/SPUtils.h"

using namespace skintest;

namespace {

QRgb At(const TBitmap& B, int X, int Y) {
    return B.Image().pixel(X, Y) & 0xFFFFFF;
}

// Every pixel of a different colour, so that where a pixel came from can be told.
TBitmap Coded(int W, int H) {
    QImage image(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x >> 8) * 16 + 1));
    TBitmap b;
    b.SetImage(image);
    return b;
}

TBitmap Mask(const QStringList& Rows) {
    QImage image(Rows[0].size(), Rows.size(), QImage::Format_RGB32);
    for (int y = 0; y < Rows.size(); ++y)
        for (int x = 0; x < Rows[y].size(); ++x)
            image.setPixel(x, y, Rows[y][x] == u'#' ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    TBitmap b;
    b.SetImage(image);
    return b;
}

// The frame geometry of the program's skin.
TSkinPoints FramePoints() {
    return {{29, 29}, {56, 29}, {29, 120}, {123, 120}, {5, 29, 147, 120}};
}

} // namespace

TEST(SkinDrawing, TheButtonFaceWidensByRepeatingItsMiddleColumns) {
    auto skin = CommittedSkin();
    const TBitmap& strip = *skin->ActivePicture(4);
    const TBitmap coded = Coded(72, 21);
    for (const TBitmap* source : {&strip, &coded}) {
        TBitmap face;
        DrawWidenedSkin(4, 24 - 18, face, *source, 75, Rect(0, 0, 24, 21));
        ASSERT_EQ(face.Width(), 75);
        ASSERT_EQ(face.Height(), 21);
        for (int y = 0; y < 21; ++y) {
            for (int x = 0; x < 4; ++x) EXPECT_EQ(At(face, x, y), At(*source, x, y));
            for (int x = 0; x < 6; ++x) EXPECT_EQ(At(face, 69 + x, y), At(*source, 18 + x, y));
            // Columns 4 to 17 four times, then nine of them.
            for (int x = 4; x < 69; ++x)
                EXPECT_EQ(At(face, x, y), At(*source, 4 + (x - 4) % 14, y)) << x;
        }
    }
}

TEST(SkinDrawing, AMiddleAsLongAsItsGapIsCopiedOnce) {
    const TBitmap source = Coded(24, 21);
    TBitmap face;
    DrawWidenedSkin(4, 6, face, source, 24, Rect(0, 0, 24, 21));
    EXPECT_EQ(face.Image(), source.Image().convertToFormat(face.Image().format()));
    TBitmap tall;
    DrawLengthenedSkin(3, 5, tall, source, 21 + 13, Rect(0, 0, 24, 21));
    ASSERT_EQ(tall.Height(), 34);
    for (int y = 3; y < 29; ++y) EXPECT_EQ(At(tall, 7, y), At(source, 7, 3 + (y - 3) % 13));
    for (int y = 29; y < 34; ++y) EXPECT_EQ(At(tall, 7, y), At(source, 7, y - 13));
}

TEST(SkinDrawing, TheFrameKeepsItsFixedPiecesAndTilesItsMiddles) {
    const TBitmap source = Coded(152, 125);
    const TSkinPoints old = FramePoints();
    int w = 590, h = 403;
    const TSkinPoints n = ResizeSkinPoints(old, SkinResizeMode(old), Rect(0, 0, 152, 125), w, h);
    EXPECT_EQ(n.CR, Rect(5, 29, 585, 398));
    EXPECT_EQ(n.RT, Point(494, 29));
    EXPECT_EQ(n.RB, Point(561, 398));
    TBitmap frame;
    DrawResizedSkin(old, n, frame, source, Rect(0, 0, 152, 125), w, h, true);
    ASSERT_EQ(frame.Width(), 590);
    // Corners and buttons as drawn.
    EXPECT_EQ(At(frame, 0, 0), At(source, 0, 0));
    EXPECT_EQ(At(frame, 28, 28), At(source, 28, 28));
    EXPECT_EQ(At(frame, 589, 0), At(source, 151, 0));
    EXPECT_EQ(At(frame, 565, 4), At(source, 127, 4)); // the close button's corner
    EXPECT_EQ(At(frame, 589, 402), At(source, 151, 124));
    EXPECT_EQ(At(frame, 0, 402), At(source, 0, 124));
    EXPECT_EQ(At(frame, 4, 398), At(source, 4, 120));
    // Middles repeat with the length of their source.
    for (int x = 29; x < 494; x += 11)
        EXPECT_EQ(At(frame, x, 10), At(source, 29 + (x - 29) % 27, 10));
    for (int y = 29; y < 398; y += 7) EXPECT_EQ(At(frame, 2, y), At(source, 2, 29 + (y - 29) % 91));
    for (int y = 29; y < 398; y += 7)
        EXPECT_EQ(At(frame, 587, y), At(source, 149, 29 + (y - 29) % 91));
    for (int x = 29; x < 561; x += 13)
        EXPECT_EQ(At(frame, x, 400), At(source, 29 + (x - 29) % 94, 122));
    // The client part, in both directions.
    EXPECT_EQ(At(frame, 5 + 142 + 3, 29 + 91 + 2), At(source, 5 + 3, 29 + 2));

    TBitmap bare;
    DrawResizedSkin(old, n, bare, source, Rect(0, 0, 152, 125), w, h, false);
    EXPECT_EQ(At(bare, 300, 200), 0u); // no client drawn
    TSkinPoints flat = old;
    flat.RB.X = flat.LT.X;
    TBitmap nothing;
    DrawResizedSkin(flat, n, nothing, source, Rect(0, 0, 152, 125), w, h, true);
    EXPECT_EQ(nothing.Width(), 590);
    EXPECT_EQ(At(nothing, 0, 0), 0u);
}

TEST(SkinDrawing, ResizeModesFollowTheAnchorPoints) {
    const TRect r = Rect(0, 0, 24, 21);
    TSkinPoints button{{4, 8}, {18, 9}, {0, 0}, {0, 0}, {2, 2, 22, 19}};
    EXPECT_EQ(SkinResizeMode(button), TSkinResizeMode::Horizontal);
    int w = 75, h = 25;
    const TSkinPoints n = ResizeSkinPoints(button, TSkinResizeMode::Horizontal, r, w, h);
    EXPECT_EQ(h, 21);
    EXPECT_EQ(n.RT, Point(69, 9));
    EXPECT_EQ(n.CR, Rect(2, 2, 73, 19));
    EXPECT_EQ(SkinResizeMode({{}, {}, {0, 3}, {}, {}}), TSkinResizeMode::Vertical);
    EXPECT_EQ(SkinResizeMode({{}, {}, {}, {5, 0}, {}}), TSkinResizeMode::None);
    w = 100, h = 100;
    EXPECT_EQ(ResizeSkinPoints(button, TSkinResizeMode::None, r, w, h), button);
    EXPECT_EQ(QSize(w, h), QSize(24, 21));
}

TEST(SkinDrawing, MaskRegionsAreRunsOfBlackPixels) {
    const TBitmap mask = Mask({"##..###", ".......", "#.#.#.#"});
    auto region = BuildMaskRegion(mask, 10, 20);
    ASSERT_TRUE(region);
    TRegion expected;
    for (TRect r : {Rect(10, 20, 12, 21), Rect(14, 20, 17, 21), Rect(10, 22, 11, 23),
                    Rect(12, 22, 13, 23), Rect(14, 22, 15, 23), Rect(16, 22, 17, 23)})
        expected.Combine(expected, TRegion(r), RGN_OR);
    EXPECT_TRUE(*region == expected);
    EXPECT_FALSE(BuildMaskRegion(TBitmap(), 0, 0));
}

TEST(SkinDrawing, MasksWithMoreThanTenThousandRunsKeepEveryRun) {
    QStringList rows;
    for (int y = 0; y < 120; ++y) {
        QString row;
        for (int x = 0; x < 300; ++x) row += (x + y) % 2 ? u'#' : u'.';
        rows << row;
    }
    auto region = BuildMaskRegion(Mask(rows), 0, 0);
    ASSERT_TRUE(region);
    for (int y = 0; y < 120; y += 7)
        for (int x = 0; x < 300; x += 3) EXPECT_EQ(region->Contains({x, y}), (x + y) % 2 == 1);
    EXPECT_TRUE(region->Contains({299, 118}));
}

TEST(SkinDrawing, FrameRegionsAreTheClientAndTheMaskedBorders) {
    const TSkinPoints old = FramePoints();
    int w = 590, h = 403;
    const TRect r = Rect(0, 0, 152, 125);
    const TSkinPoints n = ResizeSkinPoints(old, TSkinResizeMode::Both, r, w, h);
    QImage white(152, 125, QImage::Format_RGB32);
    white.fill(Qt::white);
    TBitmap whiteMask;
    whiteMask.SetImage(white);
    auto clientOnly = BuildFrameRegion(old, n, whiteMask, r, w, h);
    ASSERT_TRUE(clientOnly);
    EXPECT_TRUE(*clientOnly == TRegion(n.CR));

    auto skin = CommittedSkin();
    auto frame = BuildFrameRegion(old, n, *skin->SlotPicture(TSkinSlot::Mask), r, w, h);
    ASSERT_TRUE(frame);
    EXPECT_FALSE(frame->Contains({0, 0})); // rounded corners
    EXPECT_FALSE(frame->Contains({589, 0}));
    EXPECT_TRUE(frame->Contains({300, 0})); // the tiled top edge
    EXPECT_TRUE(frame->Contains({0, 200}));
    EXPECT_TRUE(frame->Contains({589, 402}));
    EXPECT_TRUE(frame->Contains({300, 200}));

    int small = 20, low = 20;
    const TSkinPoints tiny = ResizeSkinPoints(old, TSkinResizeMode::Both, r, small, low);
    EXPECT_FALSE(BuildFrameRegion(old, tiny, whiteMask, r, small, low));
}

TEST(SkinDrawing, BorderStripsAreCutFromTheResizedPicture) {
    const TBitmap source = Coded(152, 125);
    const TSkinPoints old = FramePoints();
    int w = 300, h = 200;
    const TSkinPoints n = ResizeSkinPoints(old, TSkinResizeMode::Both, Rect(0, 0, 152, 125), w, h);
    TBitmap left, right, top, bottom, whole;
    CutBorderStrips(old, n, source, Rect(0, 0, 152, 125), left, right, top, bottom);
    DrawResizedSkin(old, n, whole, source, Rect(0, 0, 152, 125), w, h, false);
    EXPECT_EQ(QSize(top.Width(), top.Height()), QSize(300, 29));
    EXPECT_EQ(QSize(bottom.Width(), bottom.Height()), QSize(300, 5));
    EXPECT_EQ(QSize(left.Width(), left.Height()), QSize(5, 166));
    EXPECT_EQ(QSize(right.Width(), right.Height()), QSize(5, 166));
    EXPECT_EQ(At(right, 4, 100), At(whole, 299, 129));
    EXPECT_EQ(At(bottom, 200, 3), At(whole, 200, 198));
}

TEST(SkinDrawing, GlyphCellsAreCutFromTheStripAndDrawnTransparent) {
    QImage strip(12, 4, QImage::Format_RGB32);
    strip.fill(qRgb(255, 0, 255));
    for (int x = 4; x < 8; ++x) strip.setPixel(x, 0, qRgb(0, 0, 255));
    TBitmap glyphs;
    glyphs.SetImage(strip);
    TBitmap target;
    target.SetSize(10, 10);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(Rect(0, 0, 10, 10));
    DrawGlyphCell(target.Canvas(), 2, 3, 2, 3, glyphs);
    EXPECT_EQ(At(target, 2, 3), qRgb(0, 0, 255) & 0xFFFFFF);
    EXPECT_EQ(At(target, 2, 4), 0xFFFFFFu);             // the key colour shows the background
    DrawGlyphCell(target.Canvas(), 0, 0, 4, 3, glyphs); // no such cell
    EXPECT_EQ(At(target, 0, 0), 0xFFFFFFu);
}

TEST(SkinDrawing, PixelBuffersPadTheirRowsToFourBytes) {
    TBitmap five;
    five.SetSize(5, 2);
    const TFBitmap buffer(five);
    EXPECT_EQ(buffer.RowStride(), 16);
    EXPECT_EQ(buffer.Size(), 32);
    TBitmap one;
    one.SetSize(1, 1);
    EXPECT_EQ(TFBitmap(one).RowStride(), 4);
}
