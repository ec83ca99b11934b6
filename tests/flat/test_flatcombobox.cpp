// Flat combo box: frame, button and arrow states, and the list painted in Color.

#include "FlatTestSupport.h"

#include "flat/TFlatComboBoxUnit.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

constexpr TColor kFace = RGB(230, 240, 250), kArrow = RGB(200, 0, 0),
                 kArrowBack = RGB(190, 200, 210), kBorder = RGB(0, 0, 128);

struct Combo : ::testing::Test {
    TFlatWorld World;
    TFlatComboBox* Box = nullptr;
    void SetUp() override {
        World.ShowActive();
        Box = new TFlatComboBox(World.Form.get());
        Box->SetParent(World.Form.get());
        Box->SetBounds(10, 10, 98, 21);
        Box->SetColor(kFace);
        Box->SetColorArrow(kArrow);
        Box->SetColorArrowBackground(kArrowBack);
        Box->SetColorBorder(kBorder);
        Box->Items()->Add(QString::fromUtf8("正常"));
        Box->Items()->Add(QString::fromUtf8("不正常"));
    }
    // The arrow's corner points: (cx + 4, cy), (cx + 6, cy + 2) and (cx + 4, cy + 2).
    struct Arrow {
        TColor TopLeft, BottomMiddle, BottomLeft;
    };
    Arrow ArrowOf(const QImage& Img) {
        const TRect b = Box->ButtonRect();
        const int cx = b.Left + b.Width() / 2 - 6, cy = b.Height() / 2 - 1;
        return {At(Img, cx + 4, cy), At(Img, cx + 6, cy + 2), At(Img, cx + 4, cy + 2)};
    }
};

} // namespace

TEST_F(Combo, FrameButtonAndEditGeometry) {
    EXPECT_EQ(Box->ButtonRect(), Rect(98 - 13, 0, 98, 21));
    EXPECT_EQ(Box->FrameRect(), Rect(0, 0, 98 - 12, 21));
    const QImage img = Render(*Box);
    EXPECT_EQ(At(img, 0, 10), kBorder);
    EXPECT_EQ(At(img, 1, 10), kFace);
    EXPECT_EQ(At(img, 2, 10), kFace);
    EXPECT_EQ(At(img, 98 - 13, 5), kBorder); // the button's frame
    EXPECT_EQ(At(img, 97, 5), kBorder);
    EXPECT_EQ(At(img, 98 - 11, 3), kArrowBack);
    const QRect edit = Box->Combo()->lineEdit()->geometry();
    EXPECT_EQ(edit, QRect(3, 3, 98 - 11 - 8, 21 - 6));
    EXPECT_EQ(Box->Combo()->lineEdit()->palette().color(QPalette::Base), ToQColor(kFace));
}

TEST_F(Combo, ArrowPointsUpWhileOpenAndIsEmbossedWhenDisabled) {
    Arrow a = ArrowOf(Render(*Box));
    EXPECT_EQ(a.TopLeft, kArrow);
    EXPECT_EQ(a.BottomMiddle, kArrow);
    EXPECT_EQ(a.BottomLeft, kArrowBack);

    Box->SetDroppedDown(true);
    ASSERT_TRUE(Box->DroppedDown());
    a = ArrowOf(Render(*Box));
    EXPECT_EQ(a.TopLeft, kArrowBack);
    EXPECT_EQ(a.BottomLeft, kArrow);
    // The list is painted in the combo's colour.
    EXPECT_EQ(Box->Combo()->view()->palette().color(QPalette::Base), ToQColor(kFace));
    Box->SetDroppedDown(false);

    Box->SetEnabled(false);
    const QImage img = Render(*Box);
    a = ArrowOf(img);
    EXPECT_EQ(a.TopLeft, RGB(128, 128, 128));
    const TRect b = Box->ButtonRect();
    const int cx = b.Left + b.Width() / 2 - 6, cy = b.Height() / 2 - 1;
    EXPECT_EQ(At(img, cx + 7, cy + 2), clWhite); // the white copy one pixel down and right
}

TEST_F(Combo, PickOnlyStyleShowsTheSelectionWhileFocused) {
    Box->SetStyle(TComboBoxStyle::csDropDownList);
    Box->SetItemIndex(0);
    EXPECT_EQ(At(Render(*Box), 50, 4), kFace);
    Box->SetFocus();
    EXPECT_EQ(At(Render(*Box), 50, 4), ColorToRGB(clHighlight));
}
