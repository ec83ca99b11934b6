// The skinned button: size by the skin, faces by state, mouse, keyboard, groups and morphing.
#include "SkinCtrlsTestSupport.h"

#include "skin/SPEffBmp.h"

using namespace skintest;

namespace {

const TRect kNormal = Rect(0, 0, 24, 21);
const TRect kActive = Rect(48, 0, 72, 21);
const TRect kPressed = Rect(24, 0, 48, 21);

struct Clicks {
    int Count = 0;
    TNotifyEvent Handler() {
        return [this](TObject*) { ++Count; };
    }
};

} // namespace

TEST_F(SkinnedForm, ButtonDefaultsAndRefusedValues) {
    auto* b = Button(0, 0, 75, 25, false);
    EXPECT_EQ(b->Width(), 75);
    EXPECT_EQ(b->Height(), 25);
    EXPECT_EQ(b->SkinDataName(), "button");
    EXPECT_EQ(b->NumGlyhps(), 2);
    EXPECT_EQ(b->Spacing(), 1);
    EXPECT_EQ(b->Margin(), -1);
    EXPECT_EQ(b->Layout(), TspButtonLayout::blGlyphLeft);
    EXPECT_TRUE(b->DrawDefault());
    EXPECT_EQ(b->TransparentValue(), 50);
    EXPECT_FALSE(b->MorphTimer()->Enabled());
    EXPECT_EQ(b->MorphTimer()->Interval(), 20u);
    EXPECT_EQ(b->LeaveCheckTimer()->Interval(), 500u);
    b->SetMargin(-2);
    EXPECT_EQ(b->Margin(), -1);
    b->SetMargin(3);
    b->SetMargin(-2);
    EXPECT_EQ(b->Margin(), 3);
    b->SetNumGlyhps(5);
    b->SetTransparentValue(0);
    EXPECT_EQ(b->NumGlyhps(), 2);
    EXPECT_EQ(b->TransparentValue(), 50);
    b->SetCanFocused(true);
    EXPECT_TRUE(b->TabStop());
    b->SetGroupIndex(1);
    EXPECT_FALSE(b->CanFocused());
    EXPECT_FALSE(b->TabStop());
}

TEST_F(SkinnedForm, TheSkinMakesTheButton21HighAndWidensItsFaceByTiling) {
    LoadSkin();
    auto* b = Button(10, 10);
    EXPECT_EQ(b->Width(), 75);
    EXPECT_EQ(b->Height(), 21);
    b->SetBounds(10, 10, 120, 60); // the width follows, the height does not
    EXPECT_EQ(b->Width(), 120);
    EXPECT_EQ(b->Height(), 21);
    EXPECT_EQ(b->NewPoints().CR, Rect(2, 2, 22 + 96, 19));
    EXPECT_EQ(Differences(Shot(), *b, Face(kNormal, 120)), 0);

    // Bounds set before the skin is given are corrected when it is.
    auto* late = Button(10, 100, 75, 25, false);
    EXPECT_EQ(late->Height(), 25);
    late->SetSkinData(Data.get());
    EXPECT_EQ(late->Height(), 21);
}

TEST_F(SkinnedForm, AButtonWithoutAButtonDescriptionKeepsItsSizeAndTheDefaultLook) {
    LoadSkin();
    auto* b = Button(10, 10, 75, 25, false);
    b->SetSkinDataName("stdlabel");
    b->SetSkinData(Data.get());
    EXPECT_EQ(b->Height(), 25);
    TBitmap shot = Shot();
    EXPECT_EQ(Rgb(shot, 12, 12), RgbOf(clBtnFace));
    EXPECT_EQ(Rgb(shot, 10, 20), RgbOf(clBtnHighlight));
    EXPECT_EQ(Rgb(shot, 84, 20), RgbOf(clBtnShadow));
    // Without DrawDefault nothing is drawn: the form shows through.
    b->SetDrawDefault(false);
    shot = Shot();
    EXPECT_EQ(Rgb(shot, 12, 12), RgbOf(Form.Color()));
    EXPECT_EQ(b->SkinIndex(), -1);
}

TEST_F(SkinnedForm, FacesFollowHoverPressAndRelease) {
    LoadSkin();
    auto* b = Button(10, 10);
    Clicks clicks;
    b->OnClick = clicks.Handler();

    Move(b, 5, 5);
    EXPECT_TRUE(b->MouseIn());
    EXPECT_TRUE(b->LeaveCheckTimer()->Enabled());
    EXPECT_EQ(Differences(Shot(), *b, Face(kActive)), 0);

    Press(b, 5, 5);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(clicks.Count, 0);
    // The caption is empty, so the pressed face shows unshifted.
    EXPECT_EQ(Differences(Shot(), *b, Face(kPressed)), 0);

    // Dragged off the button while held: the leave check finds the cursor elsewhere; the
    // button is still down but shows its normal face.
    World.CursorAway();
    b->LeaveCheckTimer()->Tick();
    EXPECT_FALSE(b->LeaveCheckTimer()->Enabled());
    EXPECT_FALSE(b->MouseIn());
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(Differences(Shot(), *b, Face(kNormal)), 0);

    Release(b, 5, 5);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(clicks.Count, 1);
}

TEST_F(SkinnedForm, ReleasingOutsideClearsDownWithoutAClick) {
    LoadSkin();
    auto* b = Button(10, 10);
    Clicks clicks;
    b->OnClick = clicks.Handler();
    Move(b, 5, 5);
    Press(b, 5, 5);
    // No leave check has run yet: where the release happens decides.
    Release(b, 200, 5);
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(b->MouseIn());
    EXPECT_EQ(clicks.Count, 0);
    Release(b, 5, 5); // a second release without a press does nothing
    EXPECT_EQ(clicks.Count, 0);
}

TEST_F(SkinnedForm, GroupButtonsReleaseEachOtherAndClickOnPress) {
    LoadSkin();
    auto* first = Button(10, 10);
    auto* second = Button(100, 10);
    auto* other = Button(10, 50);
    first->SetGroupIndex(1);
    second->SetGroupIndex(1);
    other->SetGroupIndex(2);
    Clicks clicks;
    second->OnClick = clicks.Handler();
    first->SetDown(true);
    other->SetDown(true);

    Press(second, 5, 5);
    EXPECT_EQ(clicks.Count, 1); // on the press, not the release
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(first->Down());
    EXPECT_TRUE(other->Down()); // another group
    Release(second, 5, 5);
    EXPECT_TRUE(second->Down());
    EXPECT_EQ(clicks.Count, 1);

    // Pressing it again changes nothing.
    Press(second, 5, 5);
    Release(second, 5, 5);
    EXPECT_TRUE(second->Down());
    EXPECT_EQ(clicks.Count, 1);

    // A down group button shows its pressed face with the mouse away.
    Move(first, 5, 5);
    EXPECT_EQ(Differences(Shot(), *second, Face(kPressed)), 0);
}

TEST_F(SkinnedForm, KeysAndAcceleratorsNeedCanFocused) {
    LoadSkin();
    World.ShowActive();
    auto* b = Button(10, 10);
    b->SetCaption(QString::fromUtf8("增  加[&A]"));
    Clicks clicks;
    b->OnClick = clicks.Handler();

    EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'A'), 0);
    unsigned space = VK_SPACE, enter = VK_RETURN;
    b->Perform(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(clicks.Count, 0);
    EXPECT_FALSE(b->Focused());
    Press(b, 5, 5); // no focus from a click either
    Release(b, 5, 5);
    EXPECT_FALSE(b->Focused());
    EXPECT_EQ(clicks.Count, 1);

    b->SetCanFocused(true);
    EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'A'), 1);
    EXPECT_TRUE(b->Focused());
    EXPECT_EQ(clicks.Count, 2);
    // Focused with CanFocused: the active face, without the mouse.
    b->SetCaption(QString());
    EXPECT_EQ(Differences(Shot(), *b, Face(kActive)), 0) << "focus look";

    b->Perform(WM_KEYDOWN, space);
    EXPECT_TRUE(b->Down());
    b->Perform(WM_KEYUP, space);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(clicks.Count, 3);
    b->Perform(WM_KEYDOWN, enter);
    EXPECT_EQ(clicks.Count, 4);
}

TEST_F(SkinnedForm, MorphingBlendsTowardsTheActiveFaceAndBack) {
    MorphingButtonSkin();
    LoadSkin();
    auto* b = Button(10, 10);
    ASSERT_TRUE(b->Morphing());
    // The skin change starts the timer, which settles at once on the inactive end.
    b->MorphTimer()->Tick();
    EXPECT_FALSE(b->MorphTimer()->Enabled());

    Move(b, 5, 5);
    EXPECT_TRUE(b->MorphTimer()->Enabled());
    for (int i = 0; i < 5; ++i) b->MorphTimer()->Tick();
    EXPECT_NEAR(b->MorphProgress(), 0.5, 1e-9);
    TspEffectBmp half(Face(kNormal));
    half.Blend(TspEffectBmp(Face(kActive)), b->MorphProgress());
    TBitmap expected;
    half.AssignTo(expected);
    EXPECT_EQ(Differences(Shot(), *b, expected), 0);

    for (int i = 0; i < 6; ++i) b->MorphTimer()->Tick();
    EXPECT_EQ(b->MorphProgress(), 1.0);
    EXPECT_FALSE(b->MorphTimer()->Enabled());
    EXPECT_EQ(Differences(Shot(), *b, Face(kActive)), 0);

    b->Perform(CM_MOUSELEAVE);
    b->MorphTimer()->Tick();
    EXPECT_NEAR(b->MorphProgress(), 0.9, 1e-9);
    // A press jumps to the end and stops the morph; the release starts it again.
    Press(b, 5, 5);
    EXPECT_EQ(b->MorphProgress(), 1.0);
    EXPECT_FALSE(b->MorphTimer()->Enabled());
    Release(b, 200, 5);
    EXPECT_TRUE(b->MorphTimer()->Enabled());
}

TEST_F(SkinnedForm, GradientMorphingWidensTheActiveFaceFromTheMiddle) {
    MorphingButtonSkin("mkgradient");
    LoadSkin();
    auto* b = Button(10, 10);
    Move(b, 5, 5);
    for (int i = 0; i < 3; ++i) b->MorphTimer()->Tick();
    TspEffectBmp part(Face(kNormal));
    part.BlendGradient(TspEffectBmp(Face(kActive)), 0.3);
    TBitmap expected;
    part.AssignTo(expected);
    EXPECT_EQ(Differences(Shot(), *b, expected), 0);
}

TEST_F(SkinnedForm, TransparentButtonsShowTheParentByTheirValue) {
    LoadSkin();
    auto* b = Button(10, 10);
    b->SetTransparent(true);
    b->SetTransparentValue(100);
    EXPECT_EQ(Rgb(ShotOf(*b), 30, 10), RgbOf(Form.Color()));
    b->SetTransparentValue(50);
    const QRgb face = Rgb(Face(kNormal), 30, 10), form = RgbOf(Form.Color());
    const QRgb mixed = Rgb(ShotOf(*b), 30, 10);
    EXPECT_NEAR(qRed(mixed), (qRed(face) + qRed(form)) / 2.0, 1);
    EXPECT_NEAR(qGreen(mixed), (qGreen(face) + qGreen(form)) / 2.0, 1);
    EXPECT_NEAR(qBlue(mixed), (qBlue(face) + qBlue(form)) / 2.0, 1);
}

TEST_F(SkinnedForm, SkinChangesReachTheButtonAsMessages) {
    LoadSkin();
    auto* b = Button(10, 10);
    const WPARAM data = reinterpret_cast<WPARAM>(Data.get());
    b->Perform(SKINMSG_BEFORE_CHANGE, data, 1000);
    EXPECT_EQ(b->SkinIndex(), -1);
    // Another skin data's messages are not for this button.
    TspSkinData other(nullptr);
    b->Perform(SKINMSG_AFTER_CHANGE, reinterpret_cast<WPARAM>(&other), 1000);
    EXPECT_EQ(b->SkinIndex(), -1);
    b->Perform(SKINMSG_AFTER_CHANGE, data, 1000);
    EXPECT_EQ(b->SkinIndex(), Data->FindControlDescription("button"));

    // A skin without pictures loaded behind the button's back: nothing dangles.
    auto bare = IniSkin("[SKINCONTROLS]\ncount=1\n0=button:button\n[button]\npictureindex=4\n"
                        "skinrect=0,0,24,21\nrighttoppoint=18,9\nlefttoppoint=4,8\n");
    Data->SetStoredSkin(bare.get());
    Data->SetStoredSkin(nullptr);
    TBitmap shot = Shot();
    EXPECT_EQ(Rgb(shot, 40, 20), RgbOf(clBtnFace));

    // The skin data going away leaves the button unskinned.
    Data.reset();
    EXPECT_EQ(b->SkinData(), nullptr);
    shot = Shot();
    EXPECT_EQ(Rgb(shot, 40, 20), RgbOf(clBtnFace));
}
