// Switching the painter on and off: what it takes over on its form and what it leaves alone.

#include "xpmenu/XPControlSubClass.h"
#include "xpmenu/XPMenu.h"

#include "platform/Environment.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

#include <gtest/gtest.h>

namespace {

TMenuItem* AddItem(TMenuItem* Parent, const QString& Caption) {
    auto* it = new TMenuItem(nullptr);
    it->SetCaption(Caption);
    Parent->Add(it);
    return it;
}

struct TXPForm {
    TForm Form{nullptr};
    TMainMenu* Main = new TMainMenu(&Form);
    TPopupMenu* Popup = new TPopupMenu(&Form);
    TMenuItem* File = AddItem(Main->Items(), "&File");
    TMenuItem* Open = AddItem(File, "&Open");
    TMenuItem* Cut = AddItem(Popup->Items(), "Cu&t");
    TCustomEdit* Edit = new TCustomEdit(&Form);
    TXPMenu* XP = new TXPMenu(&Form);
    TXPForm() {
        Form.SetBounds(0, 0, 300, 200);
        Main->SetForm(&Form);
        Edit->SetParent(&Form);
    }
};

bool Hooked(TXPMenu* XP, TMenuItem* Item) {
    return XP->IsOwnHandler(Item->OnAdvancedDrawItem) && XP->IsOwnHandler(Item->OnMeasureItem);
}

} // namespace

TEST(XPWalk, ActivatingHooksMenusItemsAndControlsAndDeactivatingUnhooks) {
    TXPForm f;
    f.XP->SetActive(true);
    EXPECT_TRUE(f.Main->OwnerDraw());
    EXPECT_TRUE(f.Popup->OwnerDraw());
    for (TMenuItem* it : {f.File, f.Open, f.Cut}) EXPECT_TRUE(Hooked(f.XP, it));
    ASSERT_NE(f.XP->SubClassOf(f.Edit), nullptr);
    EXPECT_TRUE(f.XP->SubClassOf(f.Edit)->Active());

    // Switching on twice makes no second subclass.
    f.XP->SetActive(false);
    f.XP->SetActive(true);
    int subs = 0;
    for (int i = 0; i < f.Form.ComponentCount(); ++i)
        if (f.XP->SubClassOf(dynamic_cast<TControl*>(f.Form.Components(i)))) ++subs;
    EXPECT_EQ(subs, 1);

    f.XP->SetActive(false);
    EXPECT_FALSE(f.Main->OwnerDraw());
    EXPECT_FALSE(f.Popup->OwnerDraw());
    for (TMenuItem* it : {f.File, f.Open, f.Cut}) {
        EXPECT_FALSE(it->OnAdvancedDrawItem);
        EXPECT_FALSE(it->OnMeasureItem);
    }
    EXPECT_FALSE(f.XP->SubClassOf(f.Edit)->Active());
}

TEST(XPWalk, Tag999AndOwnHandlersAreLeftAlone) {
    TXPForm f;
    f.Open->SetTag(999);
    f.Popup->SetTag(999); // a pop-up menu's own tag does not count
    f.Edit->SetTag(999);
    int ownDraws = 0;
    f.Cut->OnDrawItem = [&](TObject*, TCanvas*, TRect, bool) { ++ownDraws; };
    f.XP->SetActive(true);
    EXPECT_TRUE(Hooked(f.XP, f.File));
    EXPECT_FALSE(f.Open->OnAdvancedDrawItem);
    EXPECT_TRUE(f.Popup->OwnerDraw());
    EXPECT_FALSE(f.Cut->OnAdvancedDrawItem); // its own handler draws it
    EXPECT_TRUE(f.XP->IsOwnHandler(f.Cut->OnMeasureItem));
    EXPECT_EQ(f.XP->SubClassOf(f.Edit), nullptr);
    f.XP->SetActive(false);

    // Overriding takes over own handlers; switching off gives them back untouched.
    f.XP->SetOverrideOwnerDraw(true);
    f.XP->SetActive(true);
    EXPECT_TRUE(Hooked(f.XP, f.Cut));
    f.XP->SetActive(false);
    ASSERT_TRUE(f.Cut->OnDrawItem);
    f.Cut->OnDrawItem(f.Cut, nullptr, {}, false);
    EXPECT_EQ(ownDraws, 1);

    // A main menu tagged 999 keeps its platform drawing.
    TXPForm g;
    g.Main->SetTag(999);
    g.XP->SetActive(true);
    EXPECT_FALSE(g.Main->OwnerDraw());
    EXPECT_FALSE(g.File->OnAdvancedDrawItem);
    EXPECT_TRUE(g.Popup->OwnerDraw());
}

TEST(XPWalk, ControlKindsAndContainersChooseWhatIsSubclassed) {
    TXPForm f;
    auto* panel = new TPanel(&f.Form);
    panel->SetParent(&f.Form);
    auto* inPanel = new TCustomEdit(&f.Form);
    inPanel->SetParent(panel);
    auto* tagged = new TPanel(&f.Form);
    tagged->SetParent(&f.Form);
    tagged->SetTag(999);
    auto* underTagged = new TCustomEdit(&f.Form);
    underTagged->SetParent(tagged);
    f.XP->SetXPContainers(AllXPContainers - TXPContainers{TXPContainer::xccPanel});
    f.XP->SetXPControls(AllXPControls - TXPControls{TXPControl::xcPopupMenu});
    f.XP->SetActive(true);
    EXPECT_NE(f.XP->SubClassOf(f.Edit), nullptr);
    EXPECT_NE(f.XP->SubClassOf(panel), nullptr); // a panel on the form
    EXPECT_EQ(f.XP->SubClassOf(inPanel), nullptr);
    EXPECT_EQ(f.XP->SubClassOf(underTagged), nullptr);
    EXPECT_FALSE(f.Popup->OwnerDraw());
    // The panel is flat while the painter is on and framed as before afterwards.
    EXPECT_EQ(panel->BevelOuter(), TBevelCut::bvNone);
    f.XP->SetActive(false);
    EXPECT_EQ(panel->BevelOuter(), TBevelCut::bvRaised);

    // A subclassed control may go first.
    f.XP->SetActive(true);
    delete f.Edit;
    f.XP->SetActive(false);
}

TEST(XPWalk, ToolBarsAndControlBarsKeepOwnHandlersUnlessOverridden) {
    TXPForm f;
    auto* bar = new TToolBar(&f.Form);
    bar->SetParent(&f.Form);
    auto* cbar = new TControlBar(&f.Form);
    cbar->SetParent(&f.Form);
    int own = 0;
    cbar->OnBandPaint = [&](TObject*, TControl*, TCanvas*, TRect&, TBandPaintOptions&) { ++own; };
    f.XP->SetActive(true);
    EXPECT_TRUE(bar->Flat());
    EXPECT_TRUE(f.XP->IsOwnHandler(bar->OnCustomDrawButton));
    EXPECT_FALSE(f.XP->IsOwnHandler(cbar->OnBandPaint));
    f.XP->SetActive(false);
    EXPECT_FALSE(bar->OnCustomDrawButton);
    f.XP->SetOverrideOwnerDraw(true);
    f.XP->SetActive(true);
    EXPECT_TRUE(f.XP->IsOwnHandler(cbar->OnBandPaint));
}

TEST(XPWalk, ActiveFromADescriptionWaitsForTheWholeFormAndDestructionUnhooks) {
    auto form = std::make_unique<TForm>(nullptr);
    form->BeginLoading();
    auto* xp = new TXPMenu(form.get());
    xp->SetActive(true);
    auto* popup = new TPopupMenu(form.get()); // made after the painter
    TMenuItem* item = AddItem(popup->Items(), "x");
    form->EndLoading();
    EXPECT_TRUE(popup->OwnerDraw());
    EXPECT_TRUE(xp->IsOwnHandler(item->OnAdvancedDrawItem));

    // Items added later are hooked when their parent item is drawn.
    TMenuItem* sub = AddItem(item, "later");
    TBitmap bmp;
    bmp.SetSize(100, 20);
    item->DrawItem(bmp.Canvas(), Rect(0, 0, 100, 20), {});
    EXPECT_TRUE(xp->IsOwnHandler(sub->OnAdvancedDrawItem));

    delete xp;
    EXPECT_FALSE(popup->OwnerDraw());
    EXPECT_FALSE(item->OnAdvancedDrawItem);
    EXPECT_FALSE(sub->OnMeasureItem);
}
