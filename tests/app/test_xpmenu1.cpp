// The window carries the XP-style painter switched off: nothing of the window is taken over.

#include "WindowFixture.h"

TEST_F(WindowFixture, XPMenuPainterIsPlacedInactiveAndTakesOverNothing) {
    Tform_velna& w = Open();
    ASSERT_NE(w.XPMenu1, nullptr);
    TXPMenu& xp = *w.XPMenu1;
    EXPECT_EQ(w.FindComponent("XPMenu1"), &xp);
    EXPECT_FALSE(xp.Active());
    EXPECT_EQ(xp.DimLevel(), 30);
    EXPECT_EQ(xp.GrayLevel(), 10);
    EXPECT_EQ(xp.Font()->Name(), QString::fromUtf8("宋体"));
    EXPECT_EQ(xp.Font()->Height(), -12);
    EXPECT_EQ(xp.Font()->Color(), clMenuText);
    EXPECT_EQ(xp.IconWidth(), 24);
    EXPECT_TRUE(xp.DrawSelect());
    EXPECT_TRUE(xp.UseSystemColors());
    EXPECT_EQ(xp.Color(), clBtnFace);
    EXPECT_EQ(xp.SelectColor(), clHighlight);
    for (int i = 0; i < w.ComponentCount(); ++i)
        EXPECT_EQ(xp.SubClassOf(dynamic_cast<TControl*>(w.Components(i))), nullptr);
}
