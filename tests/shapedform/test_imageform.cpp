// The image-shaped form on its host form: attaching, the stored region, sizing and painting.

#include "ShapedTestSupport.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/WidgetOf.h"
#include "shapedform/fcimageform.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace shapedtest;

namespace {

// Reaches the steps the host form's messages drive.
class TProbeImageForm : public TfcImageForm {
public:
    using TfcImageForm::RebuildRegion;
    using TfcImageForm::TfcImageForm;
};

struct ImageForm : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TProbeImageForm* Image = new TProbeImageForm(Form.get());

    void SetUp() override { Form->SetBounds(0, 0, 300, 200); }

    void LoadWindowPicture() {
        Image->Picture()->LoadFromFile(WindowPicturePath());
        ASSERT_EQ(Image->Picture()->Width(), 590);
    }
};

} // namespace

TEST_F(ImageForm, StartsWithTheDeclaredDefaults) {
    EXPECT_EQ(Image->DragTolerance(), 5);
    EXPECT_EQ(Image->Align(), TAlign::alClient);
    EXPECT_EQ(Image->TransparentColor(), clNone);
    EXPECT_TRUE(Image->Options().Empty());
    EXPECT_FALSE(Image->AutoSize());
    EXPECT_EQ(Image->CaptionBarControl(), nullptr);
    EXPECT_EQ(Image->Region(), nullptr);
    EXPECT_TRUE(Image->ControlStyle().Contains(TControlStyleItem::csReplicatable));
    TfcImageForm loose(nullptr);
    EXPECT_EQ(loose.Width(), 105);
    EXPECT_EQ(loose.Height(), 105);
}

TEST_F(ImageForm, DroppedOnAnyControlItGoesOntoTheBorderlessFormAndFillsIt) {
    auto* panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetBounds(10, 10, 50, 50);
    EXPECT_NE(Form->BorderStyle(), TFormBorderStyle::bsNone);
    Image->SetParent(panel);
    EXPECT_EQ(Image->Parent(), Form.get());
    EXPECT_EQ(Form->BorderStyle(), TFormBorderStyle::bsNone);
    EXPECT_EQ(Image->BoundsRect(), Form->ClientRect());
}

TEST_F(ImageForm, TheStoredRegionBecomesTheOutlineAndIsWrittenBackByteForByte) {
    Image->SetParent(Form.get());
    LoadWindowPicture();
    QByteArray stored = Int32sLE({64}) + MainWindowRegionData();
    ASSERT_EQ(stored.size(), 68);
    Image->ReadRegionData(stored);
    ASSERT_TRUE(Image->Region());
    EXPECT_EQ(WidgetOf(*Form)->mask(), Image->Region()->ToQRegion());
    EXPECT_FALSE(WidgetOf(*Form)->mask().contains(QPoint(0, 402)));
    EXPECT_EQ(Image->WriteRegionData(), stored);

    // A region that does not read leaves the component without one.
    Image->ReadRegionData(Int32sLE({8, 1, 2}));
    EXPECT_EQ(Image->Region(), nullptr);
    EXPECT_THROW(Image->ReadRegionData(Int32sLE({40}) + MainWindowRegionData().left(20)),
                 EReadError);
}

TEST_F(ImageForm, AnEmptyStoredRegionIsBuiltFromThePicture) {
    Image->SetParent(Form.get());
    TBitmap b = MakeBitmap(30, 20, clWhite);
    b.Canvas()->SetPixel(0, 19, clFuchsia);
    b.Canvas()->SetPixel(29, 0, clFuchsia);
    Image->Picture()->SetGraphic(&b);
    Image->ReadRegionData(Int32sLE({0}));
    ASSERT_TRUE(Image->Region());
    QRegion expected = QRegion(0, 0, 30, 20).subtracted(QRegion(0, 19, 1, 1));
    expected -= QRegion(29, 0, 1, 1);
    EXPECT_EQ(Image->Region()->ToQRegion(), expected);
    EXPECT_EQ(WidgetOf(*Form)->mask(), expected);

    // An explicit transparent colour cuts that colour instead.
    Image->SetTransparentColor(clWhite);
    Image->RebuildRegion();
    ASSERT_TRUE(Image->Region());
    EXPECT_EQ(*Image->Region(), TRegion(QRegion(0, 19, 1, 1).united(QRegion(29, 0, 1, 1))));
}

TEST_F(ImageForm, AnAllTransparentPictureLeavesTheFormWithoutOutline) {
    Image->SetParent(Form.get());
    TBitmap b = MakeBitmap(30, 20, clFuchsia);
    Image->Picture()->SetGraphic(&b);
    Image->ReadRegionData(Int32sLE({64}) + MainWindowRegionData());
    EXPECT_FALSE(WidgetOf(*Form)->mask().isEmpty());
    EXPECT_EQ(Image->WriteRegionData(), Int32sLE({0}));
    EXPECT_EQ(Image->Region(), nullptr);
    EXPECT_TRUE(WidgetOf(*Form)->mask().isEmpty());
}

TEST_F(ImageForm, TheWindowGoingAwayTakesItsRegion) {
    Image->SetParent(Form.get());
    Image->ReadRegionData(Int32sLE({64}) + MainWindowRegionData());
    ASSERT_TRUE(Image->Region());
    Form->SendWindowMessage(WM_DESTROY);
    EXPECT_EQ(Image->Region(), nullptr);
    EXPECT_TRUE(WidgetOf(*Form)->mask().isEmpty());
}

TEST_F(ImageForm, SettingThePictureSizesTheFormAndAutoSizeKeepsThemTogether) {
    Image->SetParent(Form.get());
    TPicture p;
    TBitmap b = MakeBitmap(120, 90, clWhite);
    p.SetGraphic(&b);
    Image->SetPicture(&p);
    EXPECT_EQ(Form->ClientWidth(), 120);
    EXPECT_EQ(Form->ClientHeight(), 90);
    // The picture was copied.
    b.SetSize(10, 10);
    EXPECT_EQ(Image->Picture()->Width(), 120);

    // Loading a picture into the property does not size the form; AutoSize does.
    Image->SetAlign(TAlign::alNone);
    TBitmap small = MakeBitmap(70, 40, clWhite);
    Image->Picture()->SetGraphic(&small);
    EXPECT_EQ(Form->ClientWidth(), 120);
    Image->SetAutoSize(true);
    EXPECT_EQ(Image->Width(), 70);
    EXPECT_EQ(Form->ClientWidth(), 70);
    EXPECT_EQ(Form->ClientHeight(), 40);
    Image->SetBounds(0, 0, 80, 50);
    EXPECT_EQ(Form->ClientWidth(), 80);
    EXPECT_EQ(Form->ClientHeight(), 50);
}

TEST_F(ImageForm, PaintsThePictureAtItsOwnSizeAsTheFormsBackground) {
    Image->SetParent(Form.get());
    Form->SetColor(clNavy);
    TBitmap b = MakeBitmap(100, 60, clYellow);
    b.Canvas()->SetPixel(99, 59, clRed);
    Image->Picture()->SetGraphic(&b);
    // Smaller than the component, the picture does not cover it.
    EXPECT_FALSE(Image->ControlStyle().Contains(TControlStyleItem::csOpaque));
    QImage img(WidgetOf(*Form)->size(), QImage::Format_RGB32);
    WidgetOf(*Form)->render(&img);
    EXPECT_EQ(FromQColor(img.pixelColor(0, 0)), clYellow);
    EXPECT_EQ(FromQColor(img.pixelColor(99, 59)), clRed);
    EXPECT_EQ(FromQColor(img.pixelColor(100, 60)), clNavy); // outside the picture
}

TEST_F(ImageForm, ForgetsACaptionBarControlThatGoesAway) {
    auto* bar = new TLabel(Form.get());
    Image->SetCaptionBarControl(bar);
    delete bar;
    EXPECT_EQ(Image->CaptionBarControl(), nullptr);
}
