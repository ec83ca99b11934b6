// Skinned menu levels: their size for a known skin, placement, scrolling, keys, hover and
// clicks, and a skin that cannot show menus.

#include "skin/SPEffBmp.h"
#include "tests/skin/SkinMenuTestSupport.h"

#include <QCoreApplication>

using namespace skintest;

// Items "&Open", "-", "&Close  Alt+F4" with the program's skin: the popup picture's frame
// around the items plus the item picture's margins, the image column, the widest text and 16.
TEST_F(SkinMenuTest, LevelSizeFollowsTheSkinAndTheWidestText) {
    TMenuItem* open = AddItem(Root(), "&Open");
    AddItem(Root(), "-");
    AddItem(Root(), "&Close")->SetShortCut(TextToShortCut("Alt+F4"));
    ASSERT_TRUE(Menu->Popup(Root(), Skin.get(), {100, 100}, nullptr));
    TSkinPopupWindow* level = Menu->Level(0);

    const TBitmap* pic = Skin->Picture(Skin->PopupWindow().WindowPictureIndex);
    ASSERT_NE(pic, nullptr);
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.Canvas()->SetFont(SkinMenuFont(*MenuItemSkin()));
    const int close = measure.Canvas()->TextWidth("Close  Alt+F4") + 2;
    ASSERT_GT(close, measure.Canvas()->TextWidth("Open") + 2);
    // itemsrect 3,4,62,65; MENUITEM skinrect 80 wide, textrect 72 wide; no images: 16.
    EXPECT_EQ(level->Width(), pic->Width() - 59 + 80 - 72 + 16 + close + 16);
    // Two items of 20 and a divider of 6.
    EXPECT_EQ(level->Height(), pic->Height() - 61 + 20 + 6 + 20);
    EXPECT_FALSE(level->Scrollable());
    EXPECT_EQ(level->ItemsRect().Bottom - level->ItemsRect().Top, 46);
    EXPECT_EQ(level->Left(), 100);
    EXPECT_EQ(level->Top(), 100);
    EXPECT_TRUE(level->Visible());
    // The first enabled item is current and drawn hovered.
    EXPECT_EQ(level->ItemIndex(), 0);
    EXPECT_TRUE(level->Items(0)->Active);
    EXPECT_EQ(level->Items(0)->MenuItem, open);
}

TEST_F(SkinMenuTest, HiddenItemsTakeNoPlaceAndImagesWidenTheColumn) {
    AddItem(Root(), "&Open");
    AddItem(Root(), "&Hidden")->SetVisible(false);
    TImageList images(nullptr);
    images.SetWidth(24);
    images.SetHeight(24);
    ASSERT_TRUE(Menu->Popup(Root(), Skin.get(), {0, 0}, nullptr));
    const int plain = Menu->Level(0)->Width();
    EXPECT_EQ(Menu->Level(0)->ItemCount(), 1);
    ASSERT_TRUE(Menu->Popup(Root(), Skin.get(), {0, 0}, &images));
    EXPECT_EQ(Menu->Level(0)->ImageColumnWidth(), 29);
    EXPECT_EQ(Menu->Level(0)->Width(), plain + 29 - 16);
}

TEST_F(SkinMenuTest, ASkinWithoutMenuItemShowsNothing) {
    auto stored = IniSkin("[POPUPWINDOW]\nitemsrect=3,4,62,65\n[SKINOBJECTS]\ncount=1\n"
                          "0=caption1:caption\n[caption1]\nskinrect=1,1,20,20\n");
    TspSkinData bare(nullptr);
    bare.SetStoredSkin(stored.get());
    ASSERT_FALSE(bare.NoSkin());
    AddItem(Root(), "&Open");
    int opened = 0;
    Menu->OnOpen = [&](TObject*) { ++opened; };
    EXPECT_FALSE(Menu->Popup(Root(), &bare, {10, 10}, nullptr));
    EXPECT_FALSE(Menu->Visible());
    EXPECT_EQ(opened, 0);
    EXPECT_FALSE(ApplicationMessageFilterSet());
    // Nor does a skin data that holds no skin.
    TspSkinData none(nullptr);
    EXPECT_FALSE(Menu->Popup(Root(), &none, {10, 10}, nullptr));
}

TEST(SkinMenuPlacement, LevelsStayInsideTheWorkArea) {
    const TRect work{0, 0, 1024, 738};
    // At a point with room: there; at the right edge: moved left; near the bottom: above.
    EXPECT_EQ(PlaceSkinMenu({100, 100, 100, 100}, {120, 200}, work), (TPoint{100, 100}));
    EXPECT_EQ(PlaceSkinMenu({1000, 100, 1000, 100}, {120, 200}, work), (TPoint{904, 100}));
    EXPECT_EQ(PlaceSkinMenu({100, 700, 100, 700}, {120, 200}, work), (TPoint{100, 500}));
    // Below a button, or above it when the bottom is near.
    EXPECT_EQ(PlaceSkinMenu({6, 7, 23, 23}, {80, 28}, work), (TPoint{6, 23}));
    EXPECT_EQ(PlaceSkinMenu({6, 720, 23, 736}, {80, 28}, work), (TPoint{6, 692}));
    // Taller than the room above and below: as low as it fits.
    EXPECT_EQ(PlaceSkinMenu({6, 100, 23, 116}, {80, 700}, work), (TPoint{6, 38}));
    // Submenus: beside the item, else on its other side; moved up at the bottom.
    EXPECT_EQ(PlaceSkinSubMenu({100, 50, 200, 70}, {120, 100}, work), (TPoint{200, 50}));
    EXPECT_EQ(PlaceSkinSubMenu({850, 50, 950, 70}, {120, 100}, work), (TPoint{730, 50}));
    EXPECT_EQ(PlaceSkinSubMenu({100, 700, 200, 720}, {120, 100}, work), (TPoint{200, 638}));
}

TEST_F(SkinMenuTest, ATallLevelScrollsOneItemPerTickWhileTheCursorRestsOnABand) {
    World->Work = {0, 0, 1024, 300};
    for (int i = 0; i < 40; ++i) AddItem(Root(), QStringLiteral("Item %1").arg(i));
    ASSERT_TRUE(Menu->Popup(Root(), Skin.get(), {10, 0}, nullptr));
    TSkinPopupWindow* level = Menu->Level(0);
    EXPECT_TRUE(level->Scrollable());
    EXPECT_EQ(level->Height(), 300);
    const int shown = level->VisibleCount();
    EXPECT_GT(shown, 5);
    EXPECT_LT(shown, 15);
    EXPECT_EQ(level->MenuScrollTimer()->Interval(), 100u);

    const TRect ir = level->ItemsRect();
    const int x = level->Left() + (ir.Left + ir.Right) / 2;
    // The top band cannot scroll at the start.
    World->Cursor = {x, level->Top() + ir.Top + 3};
    level->TrackTick();
    EXPECT_EQ(level->ScrollCode(), smsNone);
    World->Cursor = {x, level->Top() + ir.Bottom - 3};
    level->TrackTick();
    EXPECT_EQ(level->ScrollCode(), smsDown);
    EXPECT_TRUE(level->MenuScrollTimer()->Enabled());
    for (int i = 0; i < 3; ++i) level->ScrollTick();
    EXPECT_EQ(level->TopIndex(), 3);
    EXPECT_EQ(level->VisibleCount(), shown);

    // Off the bands it stops; on the top band it goes back.
    World->Cursor = {x, level->Top() + ir.Top + 40};
    level->TrackTick();
    EXPECT_EQ(level->ScrollCode(), smsNone);
    EXPECT_FALSE(level->MenuScrollTimer()->Enabled());
    World->Cursor = {x, level->Top() + ir.Top + 3};
    level->TrackTick();
    EXPECT_EQ(level->ScrollCode(), smsUp);
    for (int i = 0; i < 5; ++i) level->ScrollTick();
    EXPECT_EQ(level->TopIndex(), 0);
    EXPECT_EQ(level->ScrollCode(), smsNone); // stopped at the end

    // Scrolling all the way down shows the last item and no further.
    World->Cursor = {x, level->Top() + ir.Bottom - 3};
    level->TrackTick();
    for (int i = 0; i < 60; ++i) level->ScrollTick();
    EXPECT_EQ(level->TopIndex() + level->VisibleCount(), 40);
    EXPECT_TRUE(level->Items(39)->Visible);
}

TEST_F(SkinMenuTest, UpAndDownSkipWhatCannotBeChosenAndWrap) {
    AddItem(Root(), "&First");
    AddItem(Root(), "-");
    AddItem(Root(), "&Second");
    AddItem(Root(), "&Off")->SetEnabled(false);
    ASSERT_TRUE(Menu->Popup(Root(), Skin.get(), {10, 10}, nullptr));
    TSkinPopupWindow* level = Menu->Level(0);
    EXPECT_EQ(level->ItemIndex(), 0);
    EXPECT_TRUE(Key(VK_DOWN));
    EXPECT_EQ(level->ItemIndex(), 2);
    Key(VK_DOWN); // the last enabled item wraps to the first
    EXPECT_EQ(level->ItemIndex(), 0);
    Key(VK_UP);
    EXPECT_EQ(level->ItemIndex(), 2);
    EXPECT_TRUE(level->Items(2)->Active);
    EXPECT_FALSE(level->Items(0)->Active);
}

TEST_F(SkinMenuTest, WrappingInATallLevelScrollsToTheOtherEnd) {
    World->Work = {0, 0, 1024, 300};
    for (int i = 0; i < 40; ++i) AddItem(Root(), QStringLiteral("Item %1").arg(i));
    ASSERT_TRUE(Menu->Popup(Root(), Skin.get(), {10, 0}, nullptr));
    TSkinPopupWindow* level = Menu->Level(0);
    Key(VK_UP);
    EXPECT_EQ(level->ItemIndex(), 39);
    EXPECT_TRUE(level->Items(39)->Visible);
    EXPECT_EQ(level->TopIndex() + level->VisibleCount(), 40);
    Key(VK_DOWN);
    EXPECT_EQ(level->ItemIndex(), 0);
    EXPECT_EQ(level->TopIndex(), 0);
    const int shown = level->VisibleCount();
    for (int i = 0; i < shown; ++i) Key(VK_DOWN);
    EXPECT_EQ(level->ItemIndex(), shown);
    EXPECT_TRUE(level->Items(shown)->Visible);
    EXPECT_EQ(level->TopIndex(), 1);
}

TEST_F(SkinMenuTest, AcceleratorsEnterEscapeAndArrowsBetweenLevels) {
    int opened = 0, saved = 0;
    AddItem(Root(), "&Open")->OnClick = [&](TObject*) { ++opened; };
    AddItem(Root(), "&Gone")->SetEnabled(false);
    TMenuItem* more = AddItem(Root(), "&More");
    AddItem(more, "&Save")->OnClick = [&](TObject*) { ++saved; };
    AddItem(more, "Save &as");

    ASSERT_TRUE(Menu->Popup(Root(), Skin.get(), {10, 10}, nullptr));
    EXPECT_TRUE(Key('G')); // a disabled item's accelerator does nothing
    EXPECT_EQ(Menu->Count(), 1);
    Key('M'); // opens the submenu at once
    ASSERT_EQ(Menu->Count(), 2);
    EXPECT_EQ(Menu->Level(1)->ItemIndex(), 0);
    EXPECT_TRUE(Menu->Level(0)->Items(2)->SubMenuOpened);
    Key(VK_LEFT);
    EXPECT_EQ(Menu->Count(), 1);
    Key(VK_LEFT); // the top level stays
    EXPECT_EQ(Menu->Count(), 1);
    Key(VK_UP); // past the disabled item
    EXPECT_EQ(Menu->Level(0)->ItemIndex(), 0);
    Key(VK_RIGHT); // the current item has no submenu
    EXPECT_EQ(Menu->Count(), 1);
    Key(VK_DOWN);
    EXPECT_EQ(Menu->Level(0)->ItemIndex(), 2);
    Key(VK_RIGHT);
    ASSERT_EQ(Menu->Count(), 2);
    Key(VK_ESCAPE);
    EXPECT_EQ(Menu->Count(), 1);
    Key(VK_RIGHT);
    Key(VK_RETURN);
    EXPECT_FALSE(Menu->Visible());
    EXPECT_EQ(saved, 0); // clicked from the event loop
    QCoreApplication::processEvents();
    EXPECT_EQ(saved, 1);

    ASSERT_TRUE(Menu->Popup(Root(), Skin.get(), {10, 10}, nullptr));
    Key('O');
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(Menu->Visible());
    ASSERT_TRUE(Menu->Popup(Root(), Skin.get(), {10, 10}, nullptr));
    Key(VK_ESCAPE);
    EXPECT_FALSE(Menu->Visible());
    EXPECT_EQ(Closed, 3);
}

TEST_F(SkinMenuTest, HoverWaitsBeforeASubmenuOpensAndLeafItemsCloseDeeperLevels) {
    AddItem(Root(), "&Plain");
    TMenuItem* more = AddItem(Root(), "&More");
    AddItem(more, "&Inner");
    ASSERT_TRUE(Menu->Popup(Root(), Skin.get(), {10, 10}, nullptr));
    TSkinPopupWindow* level = Menu->Level(0);
    CursorOnItem(level, 1);
    EXPECT_EQ(level->ItemIndex(), 1);
    EXPECT_EQ(Menu->WaitItem(), level->Items(1));
    EXPECT_EQ(Menu->SubmenuDelayTimer()->Interval(), 500u);
    EXPECT_EQ(Menu->Count(), 1);
    Menu->SubmenuDelayTimer()->Tick();
    ASSERT_EQ(Menu->Count(), 2);
    // Beside its item.
    const TRect r = level->Items(1)->ObjectRect;
    EXPECT_EQ(Menu->Level(1)->Left(), level->Left() + r.Right);
    EXPECT_EQ(Menu->Level(1)->Top(), level->Top() + r.Top);

    CursorOnItem(level, 0);
    EXPECT_EQ(Menu->Count(), 1);
    EXPECT_FALSE(level->Items(1)->Active);

    // Leaving an item before the delay forgets its submenu.
    CursorOnItem(level, 1);
    CursorOnItem(level, 0);
    EXPECT_EQ(Menu->WaitItem(), nullptr);
    EXPECT_FALSE(Menu->SubmenuDelayTimer()->Enabled());
}

TEST_F(SkinMenuTest, ReleasingTheButtonOnAnItemClicksIt) {
    int clicks = 0;
    AddItem(Root(), "&One");
    AddItem(Root(), "&Two")->OnClick = [&](TObject*) { ++clicks; };
    AddItem(Root(), "&Off")->SetEnabled(false);
    ASSERT_TRUE(Menu->Popup(Root(), Skin.get(), {10, 10}, nullptr));
    TSkinPopupWindow* level = Menu->Level(0);
    auto centre = [&](int i) {
        const TRect r = level->Items(i)->ObjectRect;
        return MakeLParam((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    };
    level->SendWindowMessage(WM_LBUTTONUP, 0, centre(2));
    EXPECT_TRUE(Menu->Visible());
    level->SendWindowMessage(WM_LBUTTONUP, 0, centre(1));
    EXPECT_FALSE(Menu->Visible());
    QCoreApplication::processEvents(); // frees the level and clicks
    EXPECT_EQ(clicks, 1);
}

TEST_F(SkinMenuTest, TheFilterClosesOnAPressElsewhereAndTellsTheFormOnce) {
    AddItem(Root(), "&One");
    int opened = 0;
    Menu->OnOpen = [&](TObject*) { ++opened; };
    ASSERT_TRUE(Menu->Popup(Root(), Skin.get(), {10, 10}, nullptr));
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(ApplicationMessageFilterSet());
    TSkinPopupWindow* level = Menu->Level(0);
    TMessage inside{WM_LBUTTONDOWN, 0, MakeLParam(level->Left() + 5, level->Top() + 10), 0};
    EXPECT_FALSE(Menu->FilterMessage(inside));
    EXPECT_TRUE(Menu->Visible());
    TMessage typed{WM_KEYDOWN, 'X', 0, 0};
    EXPECT_TRUE(Menu->FilterMessage(typed)); // typing goes nowhere
    TMessage shortcut{WM_KEYDOWN, 'X', 2, 0};
    EXPECT_FALSE(Menu->FilterMessage(shortcut));
    TMessage outside{WM_LBUTTONDOWN, 0, MakeLParam(600, 600), 0};
    EXPECT_TRUE(Menu->FilterMessage(outside));
    EXPECT_FALSE(Menu->Visible());
    EXPECT_FALSE(ApplicationMessageFilterSet());
    EXPECT_EQ(Closed, 1);
}

TEST_F(SkinMenuTest, EmulatedTranslucencyWaitsForTheCaptureAndBlends) {
    World->Layered = false;
    Menu->MenusTransparent = true;
    Menu->MenusTransparentValue = 20;
    AddItem(Root(), "&One");
    ASSERT_TRUE(Menu->Popup(Root(), Skin.get(), {10, 10}, nullptr));
    TSkinPopupWindow* level = Menu->Level(0);
    EXPECT_TRUE(level->EmulatedTranslucency());
    EXPECT_FALSE(level->Visible());
    EXPECT_EQ(level->DelayedShowTimer()->Interval(), 100u);
    level->DelayedShowTick();
    ASSERT_NE(level->ScreenCapture(), nullptr);
    EXPECT_EQ(level->ScreenCapture()->Width(), level->Width() + 1);
    TBitmap under;
    level->ScreenCapture()->AssignTo(under);
    EXPECT_TRUE(level->Visible());
    EXPECT_EQ(level->ItemIndex(), 0);

    // Every pixel is 80 % of the opaque level's and 20 % of what lay under it.
    TBitmap blended;
    level->PaintTo(blended);
    Menu->MenusTransparent = false;
    ASSERT_TRUE(Menu->Popup(Root(), Skin.get(), {10, 10}, nullptr));
    TBitmap opaque;
    Menu->Level(0)->PaintTo(opaque);
    ASSERT_EQ(opaque.Width(), blended.Width());
    for (TPoint p : {TPoint{2, 2}, TPoint{opaque.Width() / 2, opaque.Height() - 3}}) {
        const TColor o = opaque.Canvas()->Pixels(p.X, p.Y);
        const TColor b = blended.Canvas()->Pixels(p.X, p.Y);
        const TColor u = under.Canvas()->Pixels(p.X, p.Y);
        EXPECT_NEAR(GetRValue(b), GetRValue(o) * 0.8 + GetRValue(u) * 0.2, 1.01) << p.X;
        EXPECT_NEAR(GetGValue(b), GetGValue(o) * 0.8 + GetGValue(u) * 0.2, 1.01) << p.Y;
    }
}

TEST_F(SkinMenuTest, LayeredTranslucencyUsesTheWindowsAlpha) {
    Menu->MenusTransparent = true;
    Menu->MenusTransparentValue = 20;
    AddItem(Root(), "&One");
    ASSERT_TRUE(Menu->Popup(Root(), Skin.get(), {10, 10}, nullptr));
    EXPECT_FALSE(Menu->Level(0)->EmulatedTranslucency());
    EXPECT_TRUE(Menu->Level(0)->Visible());
    EXPECT_EQ(WindowAlpha(Menu->Level(0)), 204);
}
