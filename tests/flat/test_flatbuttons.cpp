// Flat speed and push buttons: faces and frames by state, hover by polling, groups, glyphs,
// accelerators and the push button's keyboard and focus look.

#include "FlatTestSupport.h"

#include "flat/TFlatButtonUnit.h"
#include "flat/TFlatSpeedButtonUnit.h"

#include "platform/ExtCtrls.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor kFace = RGB(240, 251, 255), kFocused = RGB(255, 255, 225),
                 kDown = RGB(200, 200, 200), kBorder = RGB(0, 0, 200), kLight = RGB(255, 128, 0),
                 kShadow = RGB(0, 90, 0);

struct Buttons : ::testing::Test {
    TFlatWorld World;
    TForm& Form = *World.Form;

    template <class B> B* Make(int X, int Y, int W = 40, int H = 40) {
        auto* b = new B(&Form);
        b->SetParent(&Form);
        b->SetBounds(X, Y, W, H);
        b->SetColor(kFace);
        b->SetColorFocused(kFocused);
        b->SetColorDown(kDown);
        b->SetColorBorder(kBorder);
        b->SetColorHighLight(kLight);
        b->SetColorShadow(kShadow);
        return b;
    }
    void Move(TControl* B, int X, int Y) {
        World.CursorTo(*B, X, Y);
        Form.Perform(WM_MOUSEMOVE, 0, MakeLParam(B->Left() + X, B->Top() + Y));
    }
    void Press(TControl* B, int X, int Y) {
        Form.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(B->Left() + X, B->Top() + Y));
    }
    void Release(TControl* B, int X, int Y) {
        Form.Perform(WM_LBUTTONUP, 0, MakeLParam(B->Left() + X, B->Top() + Y));
    }
    void ClickOn(TControl* B) {
        Move(B, 5, 5);
        Press(B, 5, 5);
        Release(B, 5, 5);
    }
    // Face at the middle, top-left and bottom-right frame pixels of a button.
    struct Look {
        TColor Face, TopLeft, BottomRight;
    };
    Look LookOf(const TControl& B) {
        const QImage img = Render(Form);
        return {At(img, B.Left() + B.Width() / 2, B.Top() + 3), At(img, B.Left(), B.Top() + 5),
                At(img, B.Left() + B.Width() - 1, B.Top() + 5)};
    }
};

void ExpectLook(const Buttons::Look& L, TColor Face, TColor TopLeft, TColor BottomRight) {
    EXPECT_EQ(L.Face, Face);
    EXPECT_EQ(L.TopLeft, TopLeft);
    EXPECT_EQ(L.BottomRight, BottomRight);
}

// A glyph of Cells images of 10 x 10 on white, cell k holding a 4 x 4 square of Colors[k].
TBitmap CellGlyph(std::initializer_list<TColor> Colors) {
    TBitmap g;
    g.SetSize(10 * int(Colors.size()), 10);
    g.Canvas()->Brush()->SetColor(clWhite);
    g.Canvas()->FillRect(Rect(0, 0, g.Width(), 10));
    int k = 0;
    for (TColor c : Colors) {
        g.Canvas()->Brush()->SetColor(c);
        g.Canvas()->FillRect(Rect(k * 10 + 3, 3, k * 10 + 7, 7));
        ++k;
    }
    return g;
}

} // namespace

TEST_F(Buttons, DefaultsOfTheTable) {
    auto* b = new TFlatSpeedButton(&Form);
    EXPECT_EQ(b->Width(), 25);
    EXPECT_EQ(b->Color(), TColor(0xE1EAEB));
    EXPECT_EQ(b->ColorDown(), TColor(0xC5D6D9));
    EXPECT_EQ(b->ColorBorder(), TColor(0x8396A0));
    EXPECT_EQ(b->ColorHighLight(), clWhite);
    EXPECT_EQ(b->ColorShadow(), clBlack);
    EXPECT_TRUE(b->ParentColor());
    EXPECT_EQ(b->Layout(), TButtonLayout::blGlyphTop);
    EXPECT_EQ(b->Margin(), -1);
    EXPECT_EQ(b->Spacing(), 4);
    EXPECT_EQ(b->TransparentMode(), TFlatTransparentMode::tmNone);
    b->SetMargin(-2);
    EXPECT_EQ(b->Margin(), -1);
    b->SetParent(&Form);
    EXPECT_EQ(b->Color(), Form.Color());
}

TEST_F(Buttons, FaceAndFrameFollowTheState) {
    World.ShowActive();
    auto* b = Make<TFlatSpeedButton>(10, 10);
    ExpectLook(LookOf(*b), kFace, kBorder, kBorder);

    Move(b, 5, 5);
    ASSERT_TRUE(b->MouseInControl());
    ExpectLook(LookOf(*b), kFocused, kLight, kShadow);

    Press(b, 5, 5);
    EXPECT_EQ(b->State(), TFlatButtonState::bsDown);
    ExpectLook(LookOf(*b), kDown, kShadow, kLight);
    Move(b, 5, 41); // off the button while pressed: up again
    EXPECT_EQ(b->State(), TFlatButtonState::bsUp);
    Move(b, 5, 40); // the row just below still counts as inside
    EXPECT_EQ(b->State(), TFlatButtonState::bsDown);
    Release(b, 5, 5);

    b->SetGroupIndex(1);
    b->SetDown(true);
    World.CursorAway();
    World.Form->Perform(WM_MOUSEMOVE, 0, MakeLParam(200, 150));
    TFlatSpeedButton::HoverTimer()->Tick();
    ASSERT_FALSE(b->MouseInControl());
    ExpectLook(LookOf(*b), kDown, kShadow, kLight);
    Move(b, 5, 5);
    ExpectLook(LookOf(*b), kFocused, kShadow, kLight);

    b->SetEnabled(false);
    EXPECT_EQ(b->State(), TFlatButtonState::bsDisabled);
    ExpectLook(LookOf(*b), kFace, kBorder, kBorder);
    b->SetEnabled(true);
    Render(Form);
    EXPECT_EQ(b->State(), TFlatButtonState::bsExclusive);
}

TEST_F(Buttons, TransparentModesDecideWhetherTheFaceIsFilled) {
    World.ShowActive();
    auto* b = Make<TFlatSpeedButton>(10, 10);
    b->SetTransparentMode(TFlatTransparentMode::tmAlways);
    ExpectLook(LookOf(*b), Form.Color(), kBorder, kBorder);
    Move(b, 5, 5);
    ExpectLook(LookOf(*b), Form.Color(), kLight, kShadow);
    b->SetTransparentMode(TFlatTransparentMode::tmNotFocused);
    EXPECT_EQ(LookOf(*b).Face, kFocused);
    World.CursorAway();
    TFlatSpeedButton::HoverTimer()->Tick();
    EXPECT_EQ(LookOf(*b).Face, Form.Color());
}

TEST_F(Buttons, HoverIsPolledAndPassesBetweenButtons) {
    World.ShowActive();
    auto* a = Make<TFlatSpeedButton>(10, 10);
    auto* b = Make<TFlatSpeedButton>(60, 10);
    int enters = 0;
    a->OnMouseEnter = [&](TObject*) { ++enters; };
    TTimer* timer = TFlatSpeedButton::HoverTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->Enabled());

    Move(a, 5, 5);
    EXPECT_TRUE(a->MouseInControl());
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 100u);
    EXPECT_EQ(enters, 1);
    World.CursorTo(*a, 20, 20);
    timer->Tick();
    EXPECT_TRUE(a->MouseInControl());

    Move(b, 5, 5); // b takes the timer over; a leaves at once
    EXPECT_FALSE(a->MouseInControl());
    EXPECT_TRUE(b->MouseInControl());
    World.CursorAway();
    timer->Tick();
    EXPECT_FALSE(b->MouseInControl());
    EXPECT_FALSE(timer->Enabled());

    // A press keeps the hover while the mouse is away; the release outside ends it.
    Move(a, 5, 5);
    Press(a, 5, 5);
    World.CursorAway();
    timer->Tick();
    EXPECT_TRUE(a->MouseInControl());
    Release(a, 100, 100);
    EXPECT_FALSE(a->MouseInControl());
    EXPECT_EQ(a->State(), TFlatButtonState::bsUp);

    // The timer belongs to the class: it goes with the last speed button.
    delete a;
    delete b;
    EXPECT_EQ(TFlatSpeedButton::HoverTimer(), nullptr);
}

TEST_F(Buttons, NoHoverWhileTheApplicationIsInactive) {
    Form.Show();
    QApplication::setActiveWindow(nullptr);
    ASSERT_FALSE(Application->Active());
    auto* a = Make<TFlatSpeedButton>(10, 10);
    Move(a, 5, 5);
    EXPECT_FALSE(a->MouseInControl());
    EXPECT_FALSE(TFlatSpeedButton::HoverTimer()->Enabled());
}

TEST_F(Buttons, GroupsLatchAndShareAllowAllUp) {
    World.ShowActive();
    auto* a = Make<TFlatSpeedButton>(10, 10);
    auto* b = Make<TFlatSpeedButton>(60, 10);
    auto* other = Make<TFlatSpeedButton>(110, 10);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    other->SetGroupIndex(2);
    int clicks = 0;
    a->OnClick = [&](TObject*) { ++clicks; };

    ClickOn(a);
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(a->State(), TFlatButtonState::bsExclusive);
    ClickOn(a); // a latched button cannot release itself
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(clicks, 2);
    ClickOn(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), TFlatButtonState::bsUp);

    a->SetAllowAllUp(true);
    EXPECT_TRUE(b->AllowAllUp());
    EXPECT_FALSE(other->AllowAllUp());
    ClickOn(b);
    EXPECT_FALSE(b->Down());

    auto* plain = Make<TFlatSpeedButton>(160, 10);
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down());
    ClickOn(plain);
    EXPECT_FALSE(plain->Down());
    EXPECT_EQ(plain->State(), TFlatButtonState::bsUp);
}

TEST_F(Buttons, ReleaseBelowClicksReleaseRightDoesNotAndModalResultIsCopied) {
    World.ShowActive();
    auto* b = Make<TFlatSpeedButton>(10, 10, 40, 30);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    b->SetModalResult(mrOk);
    Move(b, 5, 5);
    Press(b, 5, 5);
    Release(b, 5, 30);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Form.ModalResult(), mrOk);
    Press(b, 5, 5);
    Release(b, 40, 5);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Buttons, AcceleratorClicksOnlyEnabledButtons) {
    auto* b = Make<TFlatSpeedButton>(10, 10);
    b->SetCaption(QString::fromUtf8("确  定[&Y]"));
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    EXPECT_EQ(Form.Perform(CM_DIALOGCHAR, 'y'), 1);
    EXPECT_EQ(clicks, 1);
    b->SetEnabled(false);
    EXPECT_EQ(Form.Perform(CM_DIALOGCHAR, 'y'), 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Buttons, NumGlyphsFollowsWholeMultiplesOfTheHeight) {
    auto* b = Make<TFlatSpeedButton>(10, 10);
    TBitmap g;
    g.SetSize(120, 30);
    b->SetGlyph(&g);
    EXPECT_EQ(b->NumGlyphs(), 4);
    g.SetSize(150, 30);
    b->SetGlyph(&g);
    EXPECT_EQ(b->NumGlyphs(), 1);
    b->SetNumGlyphs(2);
    g.SetSize(100, 30);
    b->SetGlyph(&g);
    EXPECT_EQ(b->NumGlyphs(), 2);
    EXPECT_EQ(b->Glyph()->Width(), 100);
    b->SetGlyph(b->Glyph());
    EXPECT_EQ(b->Glyph()->Width(), 100);
}

TEST_F(Buttons, GlyphCellsByStateAndTheEmbossedDisabledImage) {
    World.ShowActive();
    auto* b = Make<TFlatSpeedButton>(10, 10);
    const TBitmap two = CellGlyph({clGreen, clBlue});
    b->SetGlyph(&two);
    ASSERT_EQ(b->NumGlyphs(), 2);
    // Glyph at (15, 15) of the button; its white background is left out.
    QImage img = Render(Form);
    EXPECT_EQ(At(img, 10 + 15 + 4, 10 + 15 + 4), clGreen);
    EXPECT_EQ(At(img, 10 + 15 + 1, 10 + 15 + 1), kFace);
    b->SetEnabled(false);
    img = Render(Form);
    EXPECT_EQ(At(img, 10 + 15 + 4, 10 + 15 + 4), clBlue);

    const TBitmap one = CellGlyph({clGreen});
    b->SetGlyph(&one);
    img = Render(Form);
    EXPECT_EQ(At(img, 10 + 15 + 4, 10 + 15 + 4), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(img, 10 + 15 + 7, 10 + 15 + 7), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(img, 10 + 15 + 1, 10 + 15 + 1), kFace);

    // Pressed: the glyph moves one pixel down and right.
    b->SetEnabled(true);
    Move(b, 30, 30);
    Press(b, 30, 30);
    img = Render(Form);
    EXPECT_EQ(At(img, 10 + 15 + 3, 10 + 15 + 3), kDown);
    EXPECT_EQ(At(img, 10 + 15 + 7, 10 + 15 + 7), clGreen);
}

TEST_F(Buttons, AdvancedColoursDeriveFromTheFace) {
    auto* b = Make<TFlatSpeedButton>(10, 10);
    b->SetColor(RGB(100, 120, 140));
    b->SetUseAdvColors(true);
    EXPECT_TRUE(b->ParentColor());
    EXPECT_EQ(b->Color(), Form.Color());
    b->SetAdvColorDown(20);
    EXPECT_EQ(b->ColorDown(), CalcAdvancedColor(Form.Color(), 0, 20, TColorCalcType::darken));
    EXPECT_EQ(b->ColorFocused(), CalcAdvancedColor(Form.Color(), 0, 10, TColorCalcType::lighten));
}

TEST_F(Buttons, PushButtonSpaceFocusDefaultAndParentImage) {
    World.ShowActive();
    auto* b = Make<TFlatButton>(10, 10, 50, 30);
    EXPECT_FALSE(b->TabStop());
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    ExpectLook(LookOf(*b), kFace, kBorder, kBorder);
    b->SetDefault(true);
    EXPECT_EQ(At(Render(Form), 11, 20), kBorder);

    b->SetFocus();
    EXPECT_TRUE(b->MouseInControl());
    ExpectLook(LookOf(*b), kFocused, kLight, kShadow);
    b->Perform(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(b->State(), TFlatButtonState::bsDown);
    b->Perform(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(b->State(), TFlatButtonState::bsUp);

    // Where the face is not filled the parent's image, graphic children included, shows.
    auto* under = Make<TFlatSpeedButton>(0, 0, 30, 30);
    under->SendToBack();
    b->SetTransparentMode(TFlatTransparentMode::tmAlways);
    const QImage img = Render(Form);
    EXPECT_EQ(At(img, 15, 15), kFace);
    EXPECT_EQ(At(img, 45, 30), Form.Color());

    // The accelerator latches a grouped push button.
    b->SetCaption("&Save");
    b->SetGroupIndex(3);
    EXPECT_EQ(Form.Perform(CM_DIALOGCHAR, 's'), 1);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(clicks, 2);
}
