// Outlines of skinned controls from mask pictures, at the skin's size and widened.
#include "SkinCtrlsTestSupport.h"

using namespace skintest;

namespace {

// A 20 x 10 face and its mask, black but for the four corner pixels.
QByteArray FaceAndMask() {
    TBitmap face, mask;
    face.SetSize(20, 10);
    face.Canvas()->Brush()->SetColor(clTeal);
    face.Canvas()->FillRect(Rect(0, 0, 20, 10));
    mask.SetSize(20, 10);
    mask.Canvas()->Brush()->SetColor(clBlack);
    mask.Canvas()->FillRect(Rect(0, 0, 20, 10));
    for (TPoint p : {TPoint{0, 0}, TPoint{19, 0}, TPoint{0, 9}, TPoint{19, 9}})
        mask.Canvas()->SetPixel(p.X, p.Y, clWhite);
    QByteArray stream("\x01\x01\x01\x01", 4);
    PutInt32(stream, 2);
    stream.append(face.SaveToData());
    stream.append(mask.SaveToData());
    return stream;
}

std::unique_ptr<TspStoredSkin> MaskedSkin(const QString& Points) {
    auto skin = IniSkin("[SKINCONTROLS]\ncount=1\n0=shaped:button\n[shaped]\npictureindex=0\n"
                        "maskpictureindex=1\nskinrect=0,0,20,10\n" +
                        Points);
    skin->ReadPictures(FaceAndMask());
    return skin;
}

} // namespace

TEST_F(SkinnedForm, MasksGiveTheOutlineAtAnySize) {
    auto* b = Button(10, 10, 75, 25, false);
    b->SetSkinDataName("shaped");

    // Fixed picture: the control takes its size and the mask as it is.
    auto fixed = MaskedSkin("");
    Data->SetStoredSkin(fixed.get());
    b->SetSkinData(Data.get());
    ASSERT_EQ(b->ResizeMode(), TSkinResizeMode::None);
    EXPECT_EQ(b->BoundsRect(), Bounds(10, 10, 20, 10));
    TRegion r = WindowRegion(b);
    EXPECT_EQ(r.BoundsRect(), Rect(0, 0, 20, 10));
    EXPECT_FALSE(r.Contains({0, 0}));
    EXPECT_FALSE(r.Contains({19, 9}));
    EXPECT_TRUE(r.Contains({1, 0}));

    // Widened: the corners stay at the ends, the middle is inside.
    auto wide = MaskedSkin("lefttoppoint=5,3\nrighttoppoint=15,3\nclientrect=2,2,18,8\n");
    Data->SetStoredSkin(wide.get());
    b->Perform(SKINMSG_AFTER_CHANGE, reinterpret_cast<WPARAM>(Data.get()), 1000);
    ASSERT_EQ(b->ResizeMode(), TSkinResizeMode::Horizontal);
    b->SetWidth(50);
    EXPECT_EQ(b->BoundsRect(), Bounds(10, 10, 50, 10));
    r = WindowRegion(b);
    EXPECT_EQ(r.BoundsRect(), Rect(0, 0, 50, 10));
    for (TPoint p : {TPoint{0, 0}, TPoint{49, 0}, TPoint{0, 9}, TPoint{49, 9}})
        EXPECT_FALSE(r.Contains(p)) << p.X << "," << p.Y;
    for (TPoint p : {TPoint{1, 0}, TPoint{25, 0}, TPoint{25, 9}, TPoint{48, 9}})
        EXPECT_TRUE(r.Contains(p)) << p.X << "," << p.Y;

    // Without skin data: no outline, and the size stays.
    b->SetSkinData(nullptr);
    EXPECT_TRUE(WindowRegion(b).IsEmpty());
    EXPECT_EQ(b->Width(), 50);
    b->SetSkinData(Data.get());
    EXPECT_FALSE(WindowRegion(b).IsEmpty());
    Data.reset();
    EXPECT_TRUE(WindowRegion(b).IsEmpty());
}
