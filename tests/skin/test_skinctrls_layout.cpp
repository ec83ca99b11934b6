// Glyph and caption placement on skinned buttons, captions on the button face, and the skinned
// standard label's font.
#include "SkinCtrlsTestSupport.h"

using namespace skintest;

namespace {

struct Placement {
    TspButtonLayout Layout;
    int Margin;
    TPoint Glyph, Text;
};

} // namespace

// R = (10, 20, 110, 60): centre (60, 40); glyph cell 16 x 12, caption 30 x 10, spacing 4.
TEST(SkinGlyphLayout, AllFourLayoutsWithAndWithoutMargin) {
    using enum TspButtonLayout;
    const Placement cases[] = {
        {blGlyphLeft, 3, {13, 34}, {33, 35}},  {blGlyphRight, 3, {91, 34}, {57, 35}},
        {blGlyphTop, 3, {52, 23}, {45, 39}},   {blGlyphBottom, 3, {52, 45}, {45, 31}},
        {blGlyphLeft, -1, {35, 34}, {55, 35}}, {blGlyphRight, -1, {69, 34}, {35, 35}},
        {blGlyphTop, -1, {52, 27}, {45, 43}},  {blGlyphBottom, -1, {52, 41}, {45, 27}},
        {blGlyphLeft, 0, {10, 34}, {30, 35}},  {blGlyphBottom, 0, {52, 48}, {45, 34}},
    };
    const TRect r = Rect(10, 20, 110, 60);
    for (const Placement& c : cases) {
        for (bool shift : {false, true}) {
            const TGlyphTextPlaces p =
                GlyphAndTextPlaces(r, c.Margin, shift, {16, 12}, {30, 10}, c.Layout, 4);
            const int s = shift ? 1 : 0;
            EXPECT_EQ(p.Glyph, (TPoint{c.Glyph.X + s, c.Glyph.Y + s}))
                << int(c.Layout) << " margin " << c.Margin << " shift " << shift;
            EXPECT_EQ(p.Text, (TPoint{c.Text.X + s, c.Text.Y + s}))
                << int(c.Layout) << " margin " << c.Margin << " shift " << shift;
        }
    }
}

TEST(SkinGlyphLayout, AccelMarksAreNotMeasured) {
    EXPECT_EQ(CaptionWithoutAccel(QString::fromUtf8("增  加[&A]")), QString::fromUtf8("增  加[A]"));
    EXPECT_EQ(CaptionWithoutAccel("a&&b&"), "a&b&");
}

TEST_F(SkinnedForm, DrawGlyphAndTextDrawsTheCellTransparentlyAndTheCaption) {
    // Two 6 x 6 cells on a white ground; cell 2 holds a red square.
    TBitmap strip;
    strip.SetSize(12, 6);
    strip.Canvas()->Brush()->SetColor(clWhite);
    strip.Canvas()->FillRect(Rect(0, 0, 12, 6));
    strip.Canvas()->Brush()->SetColor(clRed);
    strip.Canvas()->FillRect(Rect(8, 2, 10, 4));
    TBitmap target;
    target.SetSize(60, 20);
    target.Canvas()->Brush()->SetColor(clBlue);
    target.Canvas()->FillRect(Rect(0, 0, 60, 20));
    target.Canvas()->Font()->SetColor(clYellow);
    DrawGlyphAndText(*target.Canvas(), Rect(0, 0, 60, 20), 2, false, 2, 2, strip, "W",
                     TspButtonLayout::blGlyphLeft, 3);
    // Glyph at (2, 7): its white is transparent, its red square lands at (4, 9).
    EXPECT_EQ(Rgb(target, 2, 7), 0x0000FFu);
    EXPECT_EQ(Rgb(target, 4, 9), 0xFF0000u);
    // The caption starts at x = 2 + 6 + 3 and keeps the ground around it.
    int yellow = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            if (Rgb(target, x, y) == 0xFFFF00u) {
                ++yellow;
                EXPECT_GE(x, 11);
            }
    EXPECT_GT(yellow, 0);
}

TEST_F(SkinnedForm, CaptionsSitInTheFaceAndMoveOnePixelWhenPressed) {
    LoadSkin();
    auto* b = Button(10, 10);
    b->SetCaption(QString::fromUtf8("增  加[&A]"));
    auto columnsWithText = [&](const TBitmap& Shot, const TBitmap& Face) {
        int first = -1, top = -1;
        for (int x = 0; x < Face.Width() && first < 0; ++x)
            for (int y = 0; y < Face.Height(); ++y)
                if (Rgb(Shot, b->Left() + x, b->Top() + y) != Rgb(Face, x, y)) {
                    first = x;
                    break;
                }
        for (int y = 0; y < Face.Height() && top < 0; ++y)
            for (int x = 0; x < Face.Width(); ++x)
                if (Rgb(Shot, b->Left() + x, b->Top() + y) != Rgb(Face, x, y)) {
                    top = y;
                    break;
                }
        return TPoint{first, top};
    };
    const TPoint normal = columnsWithText(Shot(), Face(Rect(0, 0, 24, 21)));
    ASSERT_GT(normal.X, 2);
    Move(b, 5, 5);
    Press(b, 5, 5);
    const TPoint pressed = columnsWithText(Shot(), Face(Rect(24, 0, 48, 21)));
    EXPECT_EQ(pressed.X, normal.X + 1);
    EXPECT_EQ(pressed.Y, normal.Y + 1);
}

TEST_F(SkinnedForm, TheStdLabelTakesTheSkinFontOnlyFromAStdLabelDescription) {
    LoadSkin();
    auto make = [&](const char* Name) {
        auto* l = new TspSkinStdLabel(&Form);
        l->SetParent(&Form);
        l->Font()->SetName(QStringLiteral("AR PL UMing CN"));
        l->Font()->SetHeight(-13);
        l->Font()->SetColor(clRed);
        l->SetSkinDataName(Name);
        return l;
    };
    auto* own = make("stdlabel");
    EXPECT_TRUE(own->Transparent());
    EXPECT_EQ(own->SkinDataName(), "stdlabel");
    // Without skin data the font stays, also when a skin is loaded later.
    LoadSkin();
    EXPECT_EQ(own->Font()->Name(), "AR PL UMing CN");
    EXPECT_EQ(own->Font()->Height(), -13);
    EXPECT_EQ(own->Font()->Color(), clRed);

    auto* skinned = make("stdlabel");
    skinned->SetSkinData(Data.get());
    EXPECT_EQ(skinned->Font()->Name(), "Arial");
    EXPECT_EQ(skinned->Font()->Height(), 14);
    EXPECT_EQ(skinned->Font()->Color(), TColor(0));

    auto* wrongKind = make("button");
    wrongKind->SetSkinData(Data.get());
    EXPECT_EQ(wrongKind->Font()->Name(), "AR PL UMing CN");

    // A relayed skin change sets the font again.
    skinned->Font()->SetColor(clRed);
    skinned->Perform(SKINMSG_AFTER_CHANGE, reinterpret_cast<WPARAM>(Data.get()), 1000);
    EXPECT_EQ(skinned->Font()->Color(), TColor(0));
    EXPECT_TRUE(IsSkinControl(skinned));
    EXPECT_FALSE(IsSkinControl(&Form));
    Data.reset();
    EXPECT_EQ(skinned->SkinData(), nullptr);
}
