// Flat edit, masked edit and memo: the three-pixel frame, the highlight rule, colours and the
// height after loading.

#include "FlatTestSupport.h"

#include "flat/TFlatButtonUnit.h"
#include "flat/TFlatEditUnit.h"
#include "flat/TFlatMaskEditUnit.h"
#include "flat/TFlatMemoUnit.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

constexpr TColor kFlat = RGB(200, 217, 240), kFocused = RGB(255, 255, 240),
                 kBorder = RGB(0, 0, 128);

struct Inputs : ::testing::Test {
    TFlatWorld World;
    TForm& Form = *World.Form;
    void SetUp() override { World.ShowActive(); }

    template <class E> E* Make(int X, int Y) {
        auto* e = new E(&Form);
        e->SetParent(&Form);
        e->SetLeft(X);
        e->SetTop(Y);
        e->SetColorFlat(kFlat);
        e->SetColorFocused(kFocused);
        e->SetColorBorder(kBorder);
        return e;
    }
    // Border, the two face rings and the inside, read along the left edge's middle row.
    static void ExpectFrame(TWinControl& C, TColor Face) {
        const QImage img = Render(C);
        const int y = C.Height() / 2;
        EXPECT_EQ(At(img, 0, y), kBorder);
        EXPECT_EQ(At(img, 1, y), Face);
        EXPECT_EQ(At(img, 2, y), Face);
        EXPECT_EQ(At(img, C.Width() - 1, 0), kBorder);
        EXPECT_EQ(At(img, C.Width() - 3, C.Height() - 3), Face);
        EXPECT_EQ(At(img, C.Width() / 2, 4), Face); // Qt's background, in the same colour
    }
};

} // namespace

TEST_F(Inputs, FrameAndFaceFollowFocusAndHover) {
    auto* a = Make<TFlatEdit>(10, 10);
    auto* b = Make<TFlatEdit>(10, 40);
    auto* button = new TFlatButton(&Form);
    button->SetParent(&Form);
    button->SetBounds(10, 100, 50, 20);
    EXPECT_EQ(a->Width(), 121);
    ExpectFrame(*a, kFlat);

    a->SetFocus();
    EXPECT_TRUE(a->Highlighted());
    ExpectFrame(*a, kFocused);
    EXPECT_EQ(a->Color(), kFocused);

    // Hovering over a flat edit while another flat edit has the focus does not highlight it;
    // while a button has it, it does.
    b->Perform(CM_MOUSEENTER);
    EXPECT_FALSE(b->Highlighted());
    ExpectFrame(*b, kFlat);
    b->Perform(CM_MOUSELEAVE);
    button->SetFocus();
    b->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(b->Highlighted());
    ExpectFrame(*b, kFocused);
    b->Perform(CM_MOUSELEAVE);
    ExpectFrame(*b, kFlat);

    // Disabled: the flat face until the mouse comes, which still highlights.
    b->SetEnabled(false);
    ExpectFrame(*b, kFlat);
    b->Perform(CM_MOUSEENTER);
    ExpectFrame(*b, kFocused);
}

TEST_F(Inputs, FlatColourAndTheOwnParentColourFlag) {
    auto* e = new TFlatEdit(&Form);
    EXPECT_TRUE(e->ParentColor());
    e->SetParent(&Form);
    EXPECT_EQ(e->ColorFlat(), Form.Color());
    e->SetColorFlat(kFlat);
    EXPECT_FALSE(e->ParentColor());
    Form.SetColor(RGB(1, 2, 3));
    EXPECT_EQ(e->ColorFlat(), kFlat);
    e->SetParentColor(true);
    EXPECT_EQ(e->ColorFlat(), RGB(1, 2, 3));

    e->SetUseAdvColors(true);
    EXPECT_EQ(e->ColorBorder(), CalcAdvancedColor(RGB(1, 2, 3), 0, 50, TColorCalcType::darken));
}

TEST_F(Inputs, EditsTakeTheirTextHeightPlusSixAfterLoading) {
    auto* e = Make<TFlatEdit>(10, 10);
    auto* m = Make<TFlatMaskEdit>(10, 40);
    e->BeginLoading();
    m->BeginLoading();
    e->SetHeight(40);
    m->SetHeight(40);
    e->EndLoading();
    m->EndLoading();
    const int h = QFontMetrics(e->Font()->ToQFont()).height();
    EXPECT_EQ(e->Height(), h + 6);
    EXPECT_EQ(m->Height(), h + 6);
    e->Font()->SetHeight(-20);
    EXPECT_EQ(e->Height(), QFontMetrics(e->Font()->ToQFont()).height() + 6);

    m->SetEditMask("!9999/99/00;1;_");
    m->SetMaxLength(10);
    m->SetText("2026-12-02");
    EXPECT_EQ(m->Text(), "2026-12-02");
    ExpectFrame(*m, kFlat);
}

TEST_F(Inputs, MemoFramesAndFillsTheScrollBarCorner) {
    auto* m = Make<TFlatMemo>(10, 10);
    EXPECT_EQ(m->Width(), 185);
    EXPECT_EQ(m->Height(), 89);
    m->SetScrollBars(TScrollStyle::ssBoth);
    m->Lines()->Add("line");
    ExpectFrame(*m, kFlat);
    const QImage img = Render(*m);
    EXPECT_EQ(At(img, 185 - 3 - 8, 89 - 3 - 8), kFlat);
    m->SetFocus();
    EXPECT_EQ(At(Render(*m), 185 - 3 - 8, 89 - 3 - 8), kFocused);
}
