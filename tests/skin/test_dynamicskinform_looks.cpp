// What the skinned frame shows: hovering and morphing of its buttons, the mouse leaving, the
// frame drawn for a bordered form, and translucency.

#include "SkinTestSupport.h"
#include "platform/Forms.h"
#include "platform/WindowEffects.h"
#include "skin/DynamicSkinForm.h"

#include <QColor>
#include <QImage>

using namespace skintest;

namespace {

class FrameLooks : public SkinTest {
protected:
    void Make(TFormBorderStyle Style, int W, int H) {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBorderStyle(Style);
        Form->SetBounds(100, 100, W, H);
        Stored = CommittedSkin(Form.get()).release();
        Data = new TspSkinData(Form.get());
        Data->SetStoredSkin(Stored);
        DSF = new TspDynamicSkinForm(Form.get());
        DSF->SetSkinData(Data);
    }
    void TearDown() override {
        Form.reset();
        SkinTest::TearDown();
    }
    void HitAt(int X, int Y) {
        const TPoint p = Form->ClientToScreen({X, Y});
        Form->SendWindowMessage(WM_NCHITTEST, 0, MakeLParam(p.X, p.Y));
    }
    std::unique_ptr<TForm> Form;
    TspStoredSkin* Stored = nullptr;
    TspSkinData* Data = nullptr;
    TspDynamicSkinForm* DSF = nullptr;
};

QRgb PixelOf(const TBitmap& B, int X, int Y) {
    return B.Image().pixel(X, Y) | 0xFF000000;
}

} // namespace

TEST_F(FrameLooks, HoveringMorphsTheButtonInTenthsAndBack) {
    Make(TFormBorderStyle::bsNone, 590, 403);
    QStringList events;
    DSF->OnMouseEnterEvent = [&](TObject*, const QString& Id) { events << "enter " + Id; };
    DSF->OnMouseLeaveEvent = [&](TObject*, const QString& Id) { events << "leave " + Id; };
    HitAt(570, 10);
    TActiveSkinObject* close = DSF->Objects(DSF->HoverObject());
    EXPECT_EQ(close->IDName, QStringLiteral("closebutton"));
    EXPECT_TRUE(DSF->MorphTimer()->Enabled());
    for (int i = 0; i < 5; ++i) DSF->MorphTimer()->Tick();
    EXPECT_NEAR(close->MorphKf, 0.5, 1e-9);
    // Half way the button shows both looks mixed equally.
    TBitmap b;
    b.SetPixelFormat(TPixelFormat::pf24bit);
    b.SetSize(590, 30);
    close->Draw(b.Canvas(), {0, 0});
    const QColor normal(PixelOf(*Data->FramePicture(TSkinSlot::Picture), 127 + 10, 4 + 10));
    const QColor hot(PixelOf(*Data->Picture(5), 10, 10));
    const QColor mixed(PixelOf(b, 565 + 10, 4 + 10));
    EXPECT_NEAR(mixed.red(), (normal.red() + hot.red()) / 2.0, 1.0);
    EXPECT_NEAR(mixed.blue(), (normal.blue() + hot.blue()) / 2.0, 1.0);
    for (int i = 0; i < 5; ++i) DSF->MorphTimer()->Tick();
    EXPECT_EQ(close->MorphKf, 1.0);
    EXPECT_FALSE(DSF->MorphTimer()->Enabled());
    HitAt(300, 200);
    EXPECT_EQ(DSF->HoverObject(), -1);
    for (int i = 0; i < 10; ++i) DSF->MorphTimer()->Tick();
    EXPECT_EQ(close->MorphKf, 0.0);
    EXPECT_EQ(events, (QStringList{"enter closebutton", "leave closebutton"}));
}

TEST_F(FrameLooks, TheMouseLeavingTheWindowClearsTheHoverObject) {
    Make(TFormBorderStyle::bsNone, 590, 403);
    HitAt(550, 10);
    ASSERT_GE(DSF->HoverObject(), 0);
    ASSERT_TRUE(DSF->MouseTrackTimer()->Enabled());
    World->Cursor = Form->ClientToScreen({550, 10});
    DSF->MouseTrackTimer()->Tick();
    EXPECT_GE(DSF->HoverObject(), 0);
    World->Cursor = {5, 5};
    DSF->MouseTrackTimer()->Tick();
    EXPECT_EQ(DSF->HoverObject(), -1);
    EXPECT_FALSE(DSF->MouseTrackTimer()->Enabled());
}

TEST_F(FrameLooks, ABorderedFormGetsTheFrameAtItsSize) {
    Make(TFormBorderStyle::bsSingle, 152, 125);
    TRect changed;
    DSF->OnChangeClientRect = [&](TObject*, TRect R) { changed = R; };
    const TBitmap& pic = *Data->FramePicture(TSkinSlot::Picture);
    TBitmap b;
    b.SetSize(152, 125);
    DSF->PaintFrame(b.Canvas());
    for (TPoint p : {TPoint{2, 60}, TPoint{149, 60}, TPoint{70, 122}, TPoint{140, 27}})
        EXPECT_EQ(PixelOf(b, p.X, p.Y), PixelOf(pic, p.X, p.Y)) << p.X << "," << p.Y;
    Form->SetBounds(100, 100, 300, 200);
    Form->SendWindowMessage(WM_SIZE, 0, MakeLParam(300, 200));
    EXPECT_EQ(changed, Rect(5, 29, 295, 195));
    b.SetSize(300, 200);
    DSF->PaintFrame(b.Canvas());
    EXPECT_EQ(PixelOf(b, 299, 199), PixelOf(pic, 151, 124));
    EXPECT_EQ(PixelOf(b, 290, 27), PixelOf(pic, 142, 27));
    // The left border's middle (rows 29 to 120) repeats downwards.
    EXPECT_EQ(PixelOf(b, 2, 150), PixelOf(pic, 2, 29 + (150 - 29) % 91));
    // The mask shapes a bordered form; the client area is always inside.
    const TRegion outline = WindowRegion(Form.get());
    const bool cornerInside = (PixelOf(*Data->FramePicture(TSkinSlot::Mask), 0, 0) & 0xFFFFFF) == 0;
    EXPECT_EQ(outline.Contains({0, 0}), cornerInside);
    EXPECT_TRUE(outline.Contains({150, 100}));
}

TEST_F(FrameLooks, TranslucencyOnlyWhereLayeredWindowsAre) {
    World->Layered = true;
    Make(TFormBorderStyle::bsNone, 590, 403);
    DSF->SetAlphaBlendValue(50);
    EXPECT_EQ(WindowAlpha(Form.get()), 255);
    DSF->SetAlphaBlend(true);
    EXPECT_EQ(WindowAlpha(Form.get()), 127);
    DSF->SetAlphaBlendValue(10);
    EXPECT_EQ(WindowAlpha(Form.get()), 229);
    DSF->SetAlphaBlend(false);
    EXPECT_EQ(WindowAlpha(Form.get()), 255);
    World->Layered = false;
    DSF->SetAlphaBlendSupport(true);
    EXPECT_FALSE(DSF->AlphaBlendSupport());
}
