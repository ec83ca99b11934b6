// The main window's skinned frame: nothing of it is drawn, yet its caption, edges and standard
// buttons act at their places, and the window's picture shows those places.

#include "WindowFixture.h"
#include "app/Resources.h"
#include "platform/NonClient.h"

#include <QApplication>
#include <QColor>
#include <QImage>

namespace {

int HitAt(Tform_velna& W, int X, int Y) {
    const TPoint p = W.ClientToScreen({X, Y});
    return int(W.SendWindowMessage(WM_NCHITTEST, 0, MakeLParam(p.X, p.Y)));
}

// Pixels light enough to be a symbol's stroke on the dark title band.
int LightPixels(const QImage& Image, const TRect& R) {
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x) n += QColor(Image.pixel(x, y)).lightness() > 200;
    return n;
}

} // namespace

TEST_F(WindowFixture, TheFrameIsSetUpAsTheWindowDescribesIt) {
    Tform_velna& w = Open();
    TspDynamicSkinForm* dsf = w.DSF;
    ASSERT_NE(dsf, nullptr);
    EXPECT_EQ(dsf->SkinData(), w.spSkinData1);
    EXPECT_TRUE(dsf->SupportNCArea() && dsf->Sizeable() && dsf->DraggAble() && dsf->Magnetic());
    EXPECT_EQ(dsf->MagneticSize(), 10);
    EXPECT_TRUE(dsf->BorderIcons().Empty());
    EXPECT_TRUE(dsf->UseDefaultSysMenu());
    EXPECT_FALSE(dsf->AlphaBlend());
    EXPECT_EQ(dsf->AlphaBlendValue(), 10);
    EXPECT_TRUE(dsf->MenusTransparent());
    EXPECT_EQ(dsf->MenusTransparentValue(), 20);
    EXPECT_EQ(QueryMinMaxInfo(&w).MinTrackSize, (TPoint{152, 34}));
    // The image-shaped outline stays the window's.
    EXPECT_FALSE(WindowRegion(&w).Contains({0, 402}));
    EXPECT_TRUE(WindowRegion(&w).Contains({1, 402}));
}

TEST_F(WindowFixture, TheFramesPlacesActAndThePictureShowsThem) {
    Tform_velna& w = Open();
    EXPECT_EQ(HitAt(w, 300, 10), HTCAPTION);
    EXPECT_EQ(HitAt(w, 1, 200), HTLEFT);
    EXPECT_EQ(HitAt(w, 300, 200), HTCLIENT);
    const QImage picture(ResourcePath("window.bmp"));
    ASSERT_FALSE(picture.isNull());
    const struct {
        const char* Name;
        TRect Place;
    } buttons[] = {{"closebutton", Rect(565, 4, 586, 25)},
                   {"maximizebutton", Rect(542, 4, 563, 25)},
                   {"minimizebutton", Rect(519, 4, 540, 25)},
                   {"rollupbutton", Rect(496, 4, 517, 25)},
                   {"sysmenubutton", Rect(6, 7, 23, 23)}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.Name);
        EXPECT_EQ(w.DSF->Objects(w.DSF->FindObject(b.Name))->ObjectRect, b.Place);
        EXPECT_EQ(HitAt(w, b.Place.Left + 10, b.Place.Top + 8), HT_SKINOBJECT);
        EXPECT_EQ(w.DSF->Objects(w.DSF->HoverObject())->IDName, QLatin1String(b.Name));
        EXPECT_GT(LightPixels(picture, b.Place), 8);
    }
    // Between the caption and the buttons the band is plain.
    EXPECT_EQ(LightPixels(picture, Rect(490, 2, 495, 25)), 0);
}

TEST_F(WindowFixture, TheClosePlaceClosesTheWindow) {
    Tform_velna& w = Open();
    const TPoint p = w.ClientToScreen({575, 14});
    w.SendWindowMessage(WM_NCHITTEST, 0, MakeLParam(p.X, p.Y));
    w.SendWindowMessage(WM_NCLBUTTONDOWN, HT_SKINOBJECT, MakeLParam(p.X, p.Y));
    w.SendWindowMessage(WM_LBUTTONUP, 0, MakeLParam(575, 14));
    QApplication::processEvents();
    EXPECT_FALSE(w.Showing());
}
