// The diary's skinned buttons and the settings view's skinned labels as the window builds them.

#include "WindowFixture.h"

TEST_F(WindowFixture, DiaryButtonsAreSkinnedAndSettingsLabelsKeepTheirFonts) {
    Tform_velna& w = Open();
    struct Expected {
        TspSkinButton* Button;
        const char* Caption;
        int Left;
    };
    for (const Expected& e :
         {Expected{w.BitBtn1, "增  加[&A]", 143}, Expected{w.button_add, "修  改[&E]", 231},
          Expected{w.BitBtn2, "删  除[&D]", 319}}) {
        EXPECT_EQ(e.Button->Caption(), QString::fromUtf8(e.Caption));
        EXPECT_EQ(e.Button->BoundsRect(), Bounds(e.Left, 10, 75, 21)) << e.Caption;
        EXPECT_EQ(e.Button->SkinData(), w.spSkinData1);
        EXPECT_FALSE(e.Button->CanFocused());
        EXPECT_FALSE(e.Button->Transparent());
    }
    // The labels have no skin data: the skin's Arial 14 never reaches them.
    for (TspSkinStdLabel* l : {w.spSkinStdLabel1, w.spSkinStdLabel2, w.spSkinStdLabel3,
                               w.spSkinStdLabel4, w.spSkinStdLabel5}) {
        EXPECT_EQ(l->SkinData(), nullptr);
        EXPECT_EQ(l->Font()->Name(), QString::fromUtf8("宋体"));
        EXPECT_EQ(l->Font()->Height(), -13);
    }
    EXPECT_EQ(w.spSkinStdLabel7->Font()->Name(), "Arial");
    EXPECT_EQ(w.spSkinStdLabel7->Font()->Color(), clRed);
}

TEST_F(WindowFixture, AReloadedSkinReachesTheDiaryButtonsThroughTheFrame) {
    Tform_velna& w = Open();
    ASSERT_GE(w.BitBtn1->SkinIndex(), 0);
    int indexDuringLoad = 0;
    // The frame tells the buttons before the load, so a paint then draws unskinned.
    const int hook = w.HookWindowProc([](TMessage&, bool&) {},
                                      [&](TMessage& M) {
                                          if (M.Msg == SKINMSG_BEFORE_CHANGE)
                                              indexDuringLoad = w.BitBtn1->SkinIndex();
                                      });
    w.spSkinData1->ApplyStoredSkin(w.spStoredSkin1);
    w.UnhookWindowProc(hook);
    EXPECT_EQ(indexDuringLoad, -1);
    EXPECT_EQ(w.BitBtn1->SkinIndex(), w.spSkinData1->FindControlDescription("button"));
    EXPECT_EQ(w.BitBtn2->Height(), 21);
}
