// The painter's colour rules and the colours it derives for a display.

#include "xpmenu/XPColors.h"
#include "xpmenu/XPMenu.h"

#include "platform/Environment.h"

#include <gtest/gtest.h>

TEST(XPColorRules, LightenDarkenGreyAndReadableText) {
    // Halves go to the even neighbour: 245 * 10 % = 24.5 -> 24, 255 * 50 % = 127.5 -> 128.
    EXPECT_EQ(Lighten(RGB(10, 0, 255), 10), RGB(34, 26, 255));
    EXPECT_EQ(Lighten(RGB(0, 0, 0), 50), RGB(128, 128, 128));
    EXPECT_EQ(Lighten(RGB(0, 0, 0), 250), RGB(255, 255, 255)); // limited to 100 %
    EXPECT_EQ(Lighten(clHighlight, 68), RGB(177, 185, 207));   // system colours resolve first
    // A 16-bit display shows 5 bits of red and blue and 6 of green.
    EXPECT_EQ(Lighten(RGB(100, 100, 100), 0, 16), RGB(99, 101, 99));

    EXPECT_EQ(Darken(RGB(100, 100, 100), 90), RGB(10, 12, 10));
    EXPECT_EQ(Darken(RGB(5, 250, 5), 10), RGB(0, 242, 0));
    EXPECT_EQ(Darken(RGB(230, 230, 230), -40), RGB(255, 255, 255));
    EXPECT_EQ(Darken(RGB(10, 10, 10), -40), RGB(50, 52, 50));

    EXPECT_EQ(GrayColor(RGB(30, 60, 90), 10), RGB(70, 70, 70));
    EXPECT_EQ(GrayColor(RGB(250, 250, 250), 10), RGB(240, 240, 240));

    EXPECT_EQ(ReadableTextColor(clBlack, RGB(200, 0, 200)), clBlack); // (r + b) / 2 > 150
    EXPECT_EQ(ReadableTextColor(clBlack, RGB(0, 201, 0)), clBlack);   // green > 200
    EXPECT_EQ(ReadableTextColor(clBlack, RGB(0, 0, 100)), Lighten(RGB(0, 0, 100), 90));
}

class XPEffective : public testing::Test {
protected:
    void SetUp() override {
        auto env = std::make_unique<TScriptedEnvironment>();
        SetEnvironment(std::move(env));
    }
    void TearDown() override { SetEnvironment(nullptr); }
};

TEST_F(XPEffective, ConstructionValues) {
    TXPMenu xp(nullptr);
    EXPECT_FALSE(xp.Active());
    EXPECT_EQ(xp.Font()->Name(), "宋体");
    EXPECT_EQ(xp.Font()->Color(), clMenuText);
    for (TColor c : {xp.Color(), xp.IconBackColor(), xp.MenuBarColor(), xp.SeparatorColor()})
        EXPECT_EQ(c, clBtnFace);
    for (TColor c : {xp.SelectColor(), xp.SelectBorderColor(), xp.CheckedColor()})
        EXPECT_EQ(c, clHighlight);
    EXPECT_EQ(xp.SelectFontColor(), clMenuText);
    EXPECT_EQ(xp.DisabledColor(), clInactiveCaption);
    EXPECT_EQ(xp.IconWidth(), 24);
    EXPECT_TRUE(xp.DrawSelect());
    EXPECT_TRUE(xp.UseSystemColors());
    EXPECT_FALSE(xp.OverrideOwnerDraw() || xp.Gradient() || xp.FlatMenu() || xp.AutoDetect());
    EXPECT_EQ(xp.GrayLevel(), 10);
    EXPECT_EQ(xp.DimLevel(), 30);
    EXPECT_EQ(xp.XPContainers().Bits(), 1023u);
    EXPECT_EQ(xp.XPControls().Bits(), 65535u);
}

TEST_F(XPEffective, OwnColoursOnDeepAndShallowDisplays) {
    TXPMenu xp(nullptr);
    xp.SetUseSystemColors(false);
    xp.SetSelectColor(RGB(0, 0, 200));
    xp.SetColor(clWhite);
    const TXPEffectiveColors deep = xp.EffectiveColors(32);
    EXPECT_EQ(deep.SelectFill, Lighten(RGB(0, 0, 200), 68));
    EXPECT_EQ(deep.CheckedArea, Lighten(RGB(0, 0, 200), 80));
    EXPECT_EQ(deep.CheckedAreaSelected, Lighten(RGB(0, 0, 200), 50));
    EXPECT_EQ(deep.MenuBorder, Darken(clBtnFace, 90));
    EXPECT_EQ(deep.MenuShadow, Darken(clBtnFace, 76));
    EXPECT_EQ(deep.Color, clWhite);

    // 15 bits or fewer: the selection is filled with the colour itself.
    const TXPEffectiveColors shallow = xp.EffectiveColors(15);
    EXPECT_EQ(shallow.SelectFill, RGB(0, 0, 200));
    EXPECT_EQ(shallow.CheckedArea, clWhite);
    EXPECT_EQ(shallow.CheckedAreaSelected, clSilver);
    EXPECT_EQ(shallow.MenuBorder, clBtnShadow);
    EXPECT_EQ(xp.EffectiveColors(16).SelectFill, Lighten(RGB(0, 0, 200), 68, 16));
}

TEST_F(XPEffective, SystemColoursReplaceTheOwnOnesAndTheFont) {
    TXPMenu xp(nullptr);
    TFont big;
    big.SetName("Arial");
    big.SetHeight(-20);
    big.SetColor(clRed);
    xp.SetFont(big);
    xp.SetColor(clRed);
    xp.SetSelectColor(clLime);
    const TXPEffectiveColors deep = xp.EffectiveColors(32);
    EXPECT_EQ(xp.Font()->Name(), "宋体");
    EXPECT_EQ(xp.Font()->Height(), -12);
    EXPECT_EQ(xp.SelectFontColor(), clMenuText);
    EXPECT_EQ(deep.Color, Lighten(clBtnFace, 86));
    EXPECT_EQ(deep.IconBack, Lighten(clBtnFace, 16));
    EXPECT_EQ(deep.SelectFill, Lighten(clHighlight, 68));
    EXPECT_EQ(deep.SelectBorder, clHighlight);
    EXPECT_EQ(deep.Disabled, Lighten(clBtnShadow, 10));
    EXPECT_EQ(deep.Separator, Lighten(clBtnShadow, 25));
    EXPECT_EQ(deep.CheckedAreaSelected, Lighten(clHighlight, 50));

    const TXPEffectiveColors shallow = xp.EffectiveColors(8);
    EXPECT_EQ(shallow.Color, clWhite);
    EXPECT_EQ(shallow.SelectFill, clWhite);
    EXPECT_EQ(shallow.IconBack, clBtnFace);
    EXPECT_EQ(shallow.Disabled, clBtnShadow);
    EXPECT_EQ(shallow.CheckedAreaSelected, clWhite);
}
