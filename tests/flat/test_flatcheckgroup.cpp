// Flat check box (toggling, square colours and mark, hover by polling) and flat group box
// (frame with the caption gap, borders, transparency).

#include "FlatTestSupport.h"

#include "flat/TFlatCheckBoxUnit.h"
#include "flat/TFlatGroupBoxUnit.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

constexpr TColor kFace = RGB(230, 230, 230), kFocused = RGB(255, 255, 200), kDown = RGB(60, 60, 60),
                 kCheck = RGB(255, 0, 0), kBorder = RGB(0, 0, 128);

struct CheckBoxes : ::testing::Test {
    TFlatWorld World;
    TForm& Form = *World.Form;
    TFlatCheckBox* Box = nullptr;
    int Clicks = 0;

    void SetUp() override {
        World.ShowActive();
        Box = new TFlatCheckBox(&Form);
        Box->SetParent(&Form);
        Box->SetBounds(10, 10, 100, 20);
        Box->SetCaption("&Edit");
        Box->SetColor(kFace);
        Box->SetColorFocused(kFocused);
        Box->SetColorDown(kDown);
        Box->SetColorCheck(kCheck);
        Box->SetColorBorder(kBorder);
        Box->OnClick = [this](TObject*) { ++Clicks; };
    }
    void Mouse(unsigned Msg, int X, int Y, unsigned Keys = 0) {
        World.CursorTo(*Box, X, Y);
        Box->Perform(Msg, Keys, MakeLParam(X, Y));
    }
    // Inside the square, clear of the check strokes.
    TColor SquareFill() { return At(Render(*Box), 1 + 9, 3 + 9); }
};

} // namespace

TEST_F(CheckBoxes, ClicksToggleAndOnClickFollowsEveryChange) {
    EXPECT_TRUE(Box->TabStop());
    Mouse(WM_MOUSEMOVE, 5, 5);
    Mouse(WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_TRUE(Box->Focused());
    Mouse(WM_LBUTTONUP, 5, 5);
    EXPECT_TRUE(Box->Checked());
    EXPECT_EQ(Clicks, 1);
    Box->SetChecked(true);
    EXPECT_EQ(Clicks, 1);
    Box->SetChecked(false);
    EXPECT_EQ(Clicks, 2);

    // Accelerator and space while focused.
    EXPECT_EQ(Form.Perform(CM_DIALOGCHAR, 'e'), 1);
    EXPECT_TRUE(Box->Checked());
    Form.Perform(CM_DIALOGCHAR, ' ');
    EXPECT_FALSE(Box->Checked());
    EXPECT_EQ(Clicks, 4);
}

TEST_F(CheckBoxes, ReleaseOutsideAfterAPressInsideStillToggles) {
    Mouse(WM_MOUSEMOVE, 5, 5);
    ASSERT_TRUE(Box->MouseInControl());
    Mouse(WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    World.CursorAway();
    TFlatCheckBox::HoverTimer()->Tick(); // the press keeps mouse-in
    EXPECT_TRUE(Box->MouseInControl());
    Mouse(WM_LBUTTONUP, 300, 300);
    EXPECT_TRUE(Box->Checked());
    TFlatCheckBox::HoverTimer()->Tick();
    EXPECT_FALSE(Box->MouseInControl());
}

TEST_F(CheckBoxes, RightClickIsIgnoredEntirely) {
    int downs = 0;
    Box->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    Mouse(WM_RBUTTONDOWN, 5, 5, MK_RBUTTON);
    Mouse(WM_RBUTTONUP, 5, 5);
    EXPECT_EQ(downs, 0);
    EXPECT_FALSE(Box->Focused());
    EXPECT_FALSE(Box->Checked());
}

TEST_F(CheckBoxes, SquareColourByStateMarkAndDisabledLook) {
    EXPECT_EQ(SquareFill(), kFace);
    Mouse(WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(SquareFill(), kFocused);
    Mouse(WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ(SquareFill(), kDown);
    Mouse(WM_LBUTTONUP, 5, 5);

    QImage img = Render(*Box);
    EXPECT_EQ(At(img, 1, 3), kBorder);
    EXPECT_EQ(At(img, 11, 13), kBorder);
    EXPECT_EQ(At(img, 12, 14), kFace); // outside the square: the background
    EXPECT_EQ(At(img, 1 + 2, 3 + 4), kCheck);
    EXPECT_EQ(At(img, 1 + 5, 3 + 7), kCheck);
    EXPECT_EQ(At(img, 1 + 6, 3 + 8), kFocused); // strokes leave out their last point
    EXPECT_EQ(At(img, 1 + 7, 3 + 3), kCheck);

    Box->SetEnabled(false);
    img = Render(*Box);
    EXPECT_EQ(At(img, 1 + 2, 3 + 4), ColorToRGB(clBtnShadow));
    EXPECT_FALSE(Box->MouseInControl());
    bool highlight = false;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 16; x < img.width(); ++x)
            highlight |= At(img, x, y) == ColorToRGB(clBtnHighlight);
    EXPECT_TRUE(highlight); // the embossed caption
}

TEST_F(CheckBoxes, RightLayoutPutsTheSquareAtTheRightEdge) {
    Box->SetLayout(TCheckBoxLayout::checkboxRight);
    EXPECT_EQ(Box->SquareRect(), Rect(100 - 12, 3, 100 - 1, 14));
    const QImage img = Render(*Box);
    EXPECT_EQ(At(img, 100 - 12, 8), kBorder);
    EXPECT_EQ(At(img, 100 - 2, 8), kBorder);
    // The caption ends left of right - 16.
    for (int y = 0; y < 20; ++y)
        for (int x = 100 - 16; x < 100 - 12; ++x) EXPECT_EQ(At(img, x, y), kFace) << x << "," << y;
}

TEST(GroupBox, EmptyCaptionLeavesAGapFromFiveToTwelve) {
    TFlatWorld world;
    auto* g = new TFlatGroupBox(world.Form.get());
    g->SetParent(world.Form.get());
    g->SetBounds(10, 10, 100, 60);
    g->SetColor(clWhite);
    g->SetColorBorder(kBorder);
    EXPECT_EQ(g->Width(), 100);
    const int y = QFontMetrics(g->Font()->ToQFont()).height() / 2;
    QImage img = Render(*g);
    EXPECT_EQ(At(img, 0, y), kBorder);
    EXPECT_EQ(At(img, 5, y), kBorder);
    EXPECT_EQ(At(img, 6, y), clWhite);
    EXPECT_EQ(At(img, 12, y), clWhite);
    EXPECT_EQ(At(img, 13, y), kBorder);
    EXPECT_EQ(At(img, 99, y), kBorder);
    EXPECT_EQ(At(img, 0, 59), kBorder);
    EXPECT_EQ(At(img, 50, 59), kBorder);
    EXPECT_EQ(At(img, 99, 40), kBorder);
    EXPECT_EQ(At(img, 0, y - 1), clWhite);

    g->SetBorder(TGroupBoxBorder::brOnlyTopLine);
    g->SetCaption("Settings");
    const int w = QFontMetrics(g->Font()->ToQFont()).horizontalAdvance("Settings");
    img = Render(*g);
    EXPECT_EQ(At(img, w + 11, y), clWhite);
    EXPECT_EQ(At(img, w + 13, y), kBorder);
    EXPECT_EQ(At(img, 0, 40), clWhite);
    EXPECT_EQ(At(img, 50, 59), clWhite);

    // Transparent: the parent's colour instead of the group box's own.
    g->SetTransparent(true);
    img = Render(*g);
    EXPECT_EQ(At(img, 50, 40), world.Form->Color());
}
