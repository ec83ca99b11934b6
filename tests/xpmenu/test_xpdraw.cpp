// Measuring and drawing items: sizes for known captions, shortcuts and pictures, and the pixels
// of selected, checked, radio, disabled, separator and mirrored items.

#include "xpmenu/XPColors.h"
#include "xpmenu/XPMenu.h"

#include "platform/Environment.h"
#include "platform/Forms.h"

#include <QMenu>
#include <gtest/gtest.h>

namespace {

class XPDraw : public testing::Test {
protected:
    TScriptedEnvironment* Env_ = nullptr;
    TForm Form{nullptr};
    TPopupMenu* Popup = new TPopupMenu(&Form);
    TImageList* Images = new TImageList(&Form);
    TXPMenu* XP = new TXPMenu(&Form);
    TBitmap Out;

    void SetUp() override {
        auto env = std::make_unique<TScriptedEnvironment>();
        Env_ = env.get();
        SetEnvironment(std::move(env));
        XP->SetUseSystemColors(false);
        XP->SetColor(clWhite);
        XP->SetIconBackColor(RGB(200, 200, 200));
        XP->SetSelectColor(RGB(0, 0, 255));
        XP->SetSelectBorderColor(RGB(0, 0, 128));
        XP->SetCheckedColor(RGB(0, 128, 0));
        XP->SetDisabledColor(RGB(150, 0, 0));
        XP->SetSeparatorColor(RGB(0, 200, 200));
        Popup->SetImages(Images);
        TBitmap red;
        red.SetSize(16, 16);
        red.Canvas()->Brush()->SetColor(clRed);
        red.Canvas()->FillRect(Rect(0, 0, 16, 16));
        Images->AddMasked(&red, clFuchsia);
    }
    void TearDown() override { SetEnvironment(nullptr); }

    TMenuItem* Item(const QString& Caption) {
        auto* it = new TMenuItem(&Form);
        it->SetCaption(Caption);
        Popup->Items()->Add(it);
        return it;
    }
    TSize Measure(TMenuItem* It) {
        int w = 0, h = 0;
        TBitmap scratch;
        scratch.SetSize(1, 1);
        XP->MeasureItem(It, scratch.Canvas(), w, h);
        return {w, h};
    }
    // Draws the item in a 200 x 23 rectangle of a white 200 x 24 bitmap.
    void Draw(TMenuItem* It, TOwnerDrawState State = {}) {
        Out.SetSize(200, 24);
        Out.Canvas()->Brush()->SetColor(clWhite);
        Out.Canvas()->FillRect(Rect(0, 0, 200, 24));
        XP->DrawItem(It, Out.Canvas(), Rect(0, 0, 200, 23), State);
    }
    TColor At(int X, int Y) { return Out.Canvas()->Pixels(X, Y); }
    bool AnyPixel(const TRect& R, TColor C) {
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x)
                if (At(x, y) == C) return true;
        return false;
    }
    TCanvas* MeasuringCanvas() {
        static TBitmap b;
        b.SetSize(1, 1);
        b.Canvas()->SetFont(*XP->Font());
        return b.Canvas();
    }
};

const TOwnerDrawState Selected{TOwnerDrawStateItem::odSelected};

} // namespace

TEST_F(XPDraw, MeasuresCaptionsShortcutsSeparatorsAndPictures) {
    TCanvas* c = MeasuringCanvas();
    const int th = c->TextHeight("W");
    const int rowHeight = th + XPRound(0.75 * th);

    EXPECT_EQ(Measure(Item("Open")), (TSize{c->TextWidth("Open") + 5 + 24, rowHeight}));

    TMenuItem* save = Item("&Save");
    save->SetShortCut(ShortCut('S', {TShiftStateItem::ssCtrl}));
    EXPECT_EQ(Measure(save).cx, c->TextWidth("&SaveWWWCtrl+S") + 5 - c->TextWidth("&") + 24);

    EXPECT_EQ(Measure(Item("-")), (TSize{5 + 24, 4}));

    TMenuItem* pictured = Item("Big");
    pictured->Bitmap()->SetSize(32, 30);
    EXPECT_EQ(Measure(pictured), (TSize{c->TextWidth("Big") + 5 + 32, 36}));
    TMenuItem* listed = Item("Listed");
    listed->SetImageIndex(0); // 16 wide: the icon column's 24 counts
    EXPECT_EQ(Measure(listed).cx, c->TextWidth("Listed") + 5 + 24);

    // Items on the form's menu bar take no icon column, but room around their text.
    auto* main = new TMainMenu(&Form);
    auto* file = new TMenuItem(&Form);
    file->SetCaption("File");
    main->Items()->Add(file);
    main->SetForm(&Form);
    EXPECT_EQ(Measure(file), (TSize{c->TextWidth("File") + 5 + 8, rowHeight}));
}

TEST_F(XPDraw, SelectedItemIsFilledAndFramed) {
    XP->SetActive(true);
    TMenuItem* it = Item("Open");
    Draw(it);
    EXPECT_EQ(At(5, 10), RGB(200, 200, 200)); // icon column
    EXPECT_EQ(At(150, 10), clWhite);
    Draw(it, Selected);
    const TColor fill = Lighten(RGB(0, 0, 255), 68);
    EXPECT_EQ(At(150, 0), clWhite);         // one pixel left above the frame
    EXPECT_EQ(At(150, 1), RGB(0, 0, 128));  // frame
    EXPECT_EQ(At(150, 22), RGB(0, 0, 128)); // the item is drawn one pixel taller
    EXPECT_EQ(At(150, 10), fill);
    EXPECT_EQ(At(5, 10), fill);

    // Without DrawSelect nothing marks the selection; shallow displays fill with the colour.
    XP->SetDrawSelect(false);
    Draw(it, Selected);
    EXPECT_EQ(At(150, 10), clWhite);
    XP->SetDrawSelect(true);
    Env_->Depth = 15;
    Draw(it, Selected);
    EXPECT_EQ(At(150, 10), RGB(0, 0, 255));
}

TEST_F(XPDraw, CheckRadioAndDisabledMarks) {
    XP->SetActive(true);
    TMenuItem* check = Item("Check");
    check->SetChecked(true);
    Draw(check);
    // The 10 x 10 box in the middle of the icon column: outline, fill and a black tick.
    EXPECT_EQ(At(7, 7), RGB(0, 128, 0));
    EXPECT_EQ(At(15, 15), Lighten(RGB(0, 0, 255), 80));
    EXPECT_EQ(At(9, 11), clBlack);
    Draw(check, Selected);
    EXPECT_EQ(At(15, 15), Lighten(RGB(0, 0, 255), 50));

    TMenuItem* radio = Item("Radio");
    radio->SetRadioItem(true);
    radio->SetChecked(true);
    Draw(radio);
    EXPECT_EQ(At(12, 12), Lighten(RGB(0, 0, 255), 80)); // a filled circle...
    EXPECT_EQ(At(7, 7), RGB(200, 200, 200));            // ...not a box
    EXPECT_TRUE(AnyPixel(Rect(7, 7, 17, 17), RGB(0, 0, 128)));

    TMenuItem* off = Item("Off");
    off->SetEnabled(false);
    off->SetChecked(true);
    Draw(off, Selected);
    EXPECT_EQ(At(150, 10), clWhite); // a disabled item shows no selection
    EXPECT_EQ(At(7, 7), RGB(150, 0, 0));
    EXPECT_EQ(At(9, 11), RGB(150, 0, 0));
    EXPECT_TRUE(AnyPixel(Rect(27, 0, 120, 23), RGB(150, 0, 0))); // text
    EXPECT_FALSE(AnyPixel(Rect(27, 0, 120, 23), clBlack));
}

TEST_F(XPDraw, PicturesAreDimmedRaisedOrGreyed) {
    XP->SetActive(true);
    TMenuItem* it = Item("Pic");
    it->SetImageIndex(0);
    // 16 wide in a 24 wide column: at x 4, three pixels down.
    Draw(it);
    EXPECT_EQ(At(4, 3), Lighten(clRed, 30));
    Draw(it, Selected);
    EXPECT_EQ(At(3, 2), clRed);                                     // raised one pixel
    EXPECT_EQ(At(20, 19), Darken(Lighten(RGB(0, 0, 255), 68), 50)); // shadow
    it->SetEnabled(false);
    Draw(it);
    EXPECT_EQ(At(4, 3), Lighten(GrayColor(clRed, 10), 40));
}

TEST_F(XPDraw, SeparatorsMirroringAndInactivePainter) {
    TMenuItem* line = Item("-");
    Draw(line);
    EXPECT_EQ(At(100, 2), clWhite); // inactive: nothing drawn
    XP->SetActive(true);
    Out.SetSize(200, 5);
    Out.Canvas()->Brush()->SetColor(clBlack);
    Out.Canvas()->FillRect(Rect(0, 0, 200, 5));
    XP->DrawItem(line, Out.Canvas(), Rect(0, 0, 200, 4), {});
    EXPECT_EQ(At(31, 2), RGB(0, 200, 200)); // 7 pixels into the text area, at the middle
    EXPECT_EQ(At(199, 2), RGB(0, 200, 200));
    EXPECT_EQ(At(30, 2), clWhite);
    EXPECT_EQ(At(100, 1), clWhite);

    Popup->SetRightToLeft(true);
    TMenuItem* it = Item("Mirror");
    it->SetChecked(true);
    Draw(it);
    EXPECT_EQ(At(195, 10), RGB(200, 200, 200)); // the icon column is at the right
    EXPECT_EQ(At(5, 10), clWhite);
    EXPECT_EQ(At(183, 7), RGB(0, 128, 0)); // the box is mirrored too
}

TEST_F(XPDraw, QtMenusShowTheMeasuredItems) {
    TMenuItem* a = Item("Alpha");
    Item("-");
    XP->SetActive(true);
    Popup->Popup(10, 10);
    QMenu* m = Popup->MenuWidget();
    ASSERT_EQ(m->actions().size(), 2);
    EXPECT_EQ(m->actionGeometry(m->actions()[0]).height(), Measure(a).cy);
    EXPECT_EQ(m->actionGeometry(m->actions()[1]).height(), 4);
    Popup->CloseMenu();
}
