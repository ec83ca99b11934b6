// The skinned frame's rules without a window: layout at a window size, hit testing, minimum
// size and snapping, with the program's own skin.

#include "SkinTestSupport.h"
#include "platform/Forms.h"
#include "skin/DynamicSkinFormGeometry.h"

using namespace skintest;

namespace {

class FrameRules : public SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        Stored = CommittedSkin();
        Data.SetStoredSkin(Stored.get());
        const TBitmap* pic = Data.FramePicture(TSkinSlot::Picture);
        Picture = {pic->Width(), pic->Height()};
    }
    TFrameHitState MainWindow(int W = 590, int H = 403) const {
        TFrameHitState s;
        s.Geometry = ComputeFrameGeometry(Info(), Picture, W, H, false);
        s.Width = W;
        s.Height = H;
        s.BorderWidth = Info().BorderWidth;
        s.Sizeable = true;
        s.HasMask = true;
        s.Captions = {Place("caption1", s.Geometry)};
        return s;
    }
    const TSkinFormInfo& Info() const { return Data.FormInfo(); }
    TRect Place(const char* Name, const TFrameGeometry& G) const {
        const int i = Data.FindObjectDescription(QLatin1String(Name));
        EXPECT_GE(i, 0) << Name;
        return PlaceFrameRect(Data.ObjectDescriptions()[i]->SkinRect, Info(), Picture, G.DW, G.DH);
    }

    std::unique_ptr<TspStoredSkin> Stored;
    TspSkinData Data{nullptr};
    TSize Picture;
};

} // namespace

TEST_F(FrameRules, TheMainWindowsFrameAt590x403) {
    const TFrameGeometry g = ComputeFrameGeometry(Info(), Picture, 590, 403, false);
    EXPECT_EQ(g.DW, 438);
    EXPECT_EQ(g.DH, 278);
    EXPECT_EQ(g.ClientRect, Rect(5, 29, 585, 398));
    EXPECT_EQ(g.MaskRectArea, Rect(3, 3, 587, 400));
    EXPECT_EQ(g.HitTestRBPoint, (TPoint{580, 393}));
    // The caption stretches with the width, the buttons move with the right edge and the
    // system menu button stays at the left.
    EXPECT_EQ(Place("caption1", g), Rect(27, 6, 494, 24));
    EXPECT_EQ(Place("closebutton", g), Rect(565, 4, 586, 25));
    EXPECT_EQ(Place("maximizebutton", g), Rect(542, 4, 563, 25));
    EXPECT_EQ(Place("minimizebutton", g), Rect(519, 4, 540, 25));
    EXPECT_EQ(Place("rollupbutton", g), Rect(496, 4, 517, 25));
    EXPECT_EQ(Place("sysmenubutton", g), Rect(6, 7, 23, 23));
}

TEST_F(FrameRules, RectsSpanningCornerZonesGrowWithTheWindow) {
    // Zones of the program's frame: TL (0,0,29,29), TR (56,0,152,29), BL (0,120,29,125),
    // BR (123,120,152,125).
    auto place = [&](TRect R) { return PlaceFrameRect(R, Info(), Picture, 100, 50); };
    EXPECT_EQ(place(Rect(2, 122, 10, 124)), Rect(2, 172, 10, 174));       // in BL
    EXPECT_EQ(place(Rect(125, 121, 130, 124)), Rect(225, 171, 230, 174)); // in BR
    EXPECT_EQ(place(Rect(2, 2, 130, 122)), Rect(2, 2, 230, 172));         // TL to BR
    EXPECT_EQ(place(Rect(2, 121, 130, 124)), Rect(2, 171, 230, 174));     // BL to BR
    EXPECT_EQ(place(Rect(2, 2, 10, 122)), Rect(2, 2, 10, 172));           // TL to BL
    EXPECT_EQ(place(Rect(60, 2, 130, 122)), Rect(160, 2, 230, 172));      // TR to BR
    // A corner on a zone's right or bottom edge lies outside it; such a rect stays.
    EXPECT_EQ(place(Rect(2, 2, 29, 10)), Rect(2, 2, 29, 10));
    EXPECT_EQ(place(Rect(40, 40, 60, 60)), Rect(40, 40, 60, 60));
}

TEST_F(FrameRules, HitTestOfTheMainWindow) {
    const TFrameHitState s = MainWindow();
    EXPECT_EQ(FrameHitTest(s, {300, 10}), HTCAPTION);
    EXPECT_EQ(FrameHitTest(s, {1, 200}), HTLEFT);
    EXPECT_EQ(FrameHitTest(s, {300, 200}), HTCLIENT);
    EXPECT_EQ(FrameHitTest(s, {589, 200}), HTRIGHT);
    EXPECT_EQ(FrameHitTest(s, {300, 1}), HTTOP);
    EXPECT_EQ(FrameHitTest(s, {300, 402}), HTBOTTOM);
    EXPECT_EQ(FrameHitTest(s, {1, 1}), HTTOPLEFT);
    EXPECT_EQ(FrameHitTest(s, {589, 1}), HTTOPRIGHT);
    EXPECT_EQ(FrameHitTest(s, {1, 402}), HTBOTTOMLEFT);
    EXPECT_EQ(FrameHitTest(s, {589, 402}), HTBOTTOMRIGHT);
    // Past the sizing border but outside the client area and the caption: the frame's objects.
    EXPECT_EQ(FrameHitTest(s, {570, 10}), HT_SKINOBJECT);
    EXPECT_EQ(FrameHitTest(s, {3, 200}), HT_SKINOBJECT);
    // The client rect's edges belong to it.
    EXPECT_EQ(FrameHitTest(s, {585, 398}), HTCLIENT);
}

TEST_F(FrameRules, HitTestFollowsStateAndOutline) {
    TFrameHitState s = MainWindow();
    s.Sizeable = false;
    EXPECT_EQ(FrameHitTest(s, {1, 200}), HT_SKINOBJECT);
    s.Sizeable = true;
    s.Maximized = true;
    EXPECT_EQ(FrameHitTest(s, {1, 1}), HT_SKINOBJECT);
    s.Maximized = false;
    s.RolledUpOrMinimized = true;
    EXPECT_EQ(FrameHitTest(s, {300, 10}), HTCAPTION);
    EXPECT_EQ(FrameHitTest(s, {300, 200}), HT_SKINOBJECT);
    s.RolledUpOrMinimized = false;
    // Within the mask area nothing sizes, even next to a cut-out outline.
    TRegion notched(Rect(0, 0, 590, 403));
    TRegion hole(Rect(0, 0, 40, 40));
    TRegion outline;
    outline.Combine(notched, hole, RGN_DIFF);
    s.Region = &outline;
    EXPECT_EQ(FrameHitTest(s, {41, 10}), HTCAPTION);
    EXPECT_EQ(FrameHitTest(s, {1, 200}), HTLEFT);
    // An outline larger than a window sized down does not hide the window's edges.
    const TFrameHitState small = MainWindow(152, 34);
    const TRegion large(Rect(0, 0, 590, 403));
    TFrameHitState shrunk = small;
    shrunk.Region = &large;
    EXPECT_EQ(FrameHitTest(shrunk, {151, 33}), HTBOTTOMRIGHT);
    EXPECT_EQ(FrameHitTest(shrunk, {151, 20}), HTRIGHT);
    // Without a mask the window's rectangle decides.
    s.HasMask = false;
    EXPECT_EQ(FrameHitTest(s, {4, 200}), HT_SKINOBJECT);
    EXPECT_EQ(FrameHitTest(s, {2, 200}), HTLEFT);
}

TEST_F(FrameRules, MinimumSize) {
    const TRect cr = Info().ClientRect;
    EXPECT_EQ(FrameMinSize(Picture, cr, 0, 0, false, false), (TSize{152, 34}));
    EXPECT_EQ(FrameMinSize(Picture, cr, 300, 200, false, false), (TSize{300, 200}));
    EXPECT_EQ(FrameMinSize(Picture, cr, 300, 200, true, false), (TSize{300, 34}));
    EXPECT_EQ(FrameMinSize(Picture, cr, 300, 200, false, true), (TSize{152, 34}));
}

TEST(FrameSnapping, EdgesWithinTheDistanceSnap) {
    const TRect work = Rect(0, 0, 1024, 738);
    auto snapped = [&](int X, int Y) { return MagneticSnap(Bounds(X, Y, 590, 403), work, 10); };
    EXPECT_EQ(snapped(8, 100), Bounds(0, 100, 590, 403));
    EXPECT_EQ(snapped(10, 100), Bounds(10, 100, 590, 403));
    EXPECT_EQ(snapped(-9, 100), Bounds(0, 100, 590, 403));
    EXPECT_EQ(snapped(200, 5), Bounds(200, 0, 590, 403));
    EXPECT_EQ(snapped(1024 - 590 - 7, 100), Bounds(1024 - 590, 100, 590, 403));
    EXPECT_EQ(snapped(200, 738 - 403 + 9), Bounds(200, 738 - 403, 590, 403));
    EXPECT_EQ(snapped(200, 738 - 403 + 10), Bounds(200, 738 - 403 + 10, 590, 403));
    // A work area that does not start at the screen's corner.
    EXPECT_EQ(MagneticSnap(Bounds(38, 27, 100, 100), Rect(40, 30, 800, 600), 10),
              Bounds(40, 30, 100, 100));
}
