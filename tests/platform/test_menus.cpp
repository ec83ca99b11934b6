// Menus: the item tree, shortcuts, image lists, and what Qt's menus show for them.

#include "platform/Environment.h"
#include "platform/Forms.h"
#include "platform/MenuWidgets.h"
#include "platform/StdCtrls.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

TMenuItem* AddItem(TMenuItem* Parent, const QString& Caption, TComponent* Owner = nullptr) {
    auto* it = new TMenuItem(Owner);
    it->SetCaption(Caption);
    Parent->Add(it);
    return it;
}

QStringList Texts(QWidget* W) {
    QStringList out;
    for (QAction* a : W->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

TBitmap Filled(int W, int H, TColor C) {
    TBitmap b;
    b.SetSize(W, H);
    b.Canvas()->Brush()->SetColor(C);
    b.Canvas()->FillRect(Rect(0, 0, W, H));
    return b;
}

void Pump() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

} // namespace

TEST(MenuShortCuts, TextRoundTripsAndRejectsUnknownNames) {
    const TShortCut ctrlS = ShortCut('S', {TShiftStateItem::ssCtrl});
    EXPECT_EQ(ShortCutToText(ctrlS), "Ctrl+S");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F4, {TShiftStateItem::ssAlt})), "Alt+F4");
    const TShortCut three =
        ShortCut(VK_DELETE, {TShiftStateItem::ssShift, TShiftStateItem::ssCtrl});
    EXPECT_EQ(ShortCutToText(three), "Shift+Ctrl+Del");
    for (TShortCut s : {ctrlS, three, ShortCut(VK_F12, {}), ShortCut('7', {})})
        EXPECT_EQ(TextToShortCut(ShortCutToText(s)), s) << ShortCutToText(s).toStdString();
    EXPECT_EQ(TextToShortCut("ctrl+s"), ctrlS);
    EXPECT_EQ(TextToShortCut("Hyper+S"), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
    EXPECT_EQ(ShortCutToText(0), "");
}

TEST(MenuItems, TreeOwnershipAndFreeingInAnyOrder) {
    {
        // Items owned by a form, freed with it after their parents and children.
        TForm form(nullptr);
        auto* menu = new TPopupMenu(&form);
        TMenuItem* file = AddItem(menu->Items(), "&File", &form);
        AddItem(file, "&Open", &form);
        TMenuItem* close = AddItem(file, "&Close", &form);
        EXPECT_EQ(close->Parent(), file);
        EXPECT_EQ(close->MenuIndex(), 1);
        EXPECT_EQ(close->GetParentMenu(), menu);
        EXPECT_TRUE(file->IsTopLevel());
        EXPECT_FALSE(close->IsTopLevel());
        EXPECT_EQ(file->Find("open"), file->Items(0));
        delete close;
        EXPECT_EQ(file->Count(), 1);
    }
    TPopupMenu menu(nullptr);
    TMenuItem* a = AddItem(menu.Items(), "a");
    TMenuItem* b = AddItem(a, "b");
    EXPECT_THROW(b->Add(a), EMenuError);            // into its own sub-item
    EXPECT_THROW(menu.Items()->Add(b), EMenuError); // already has a parent
    EXPECT_THROW(a->Delete(5), EMenuError);
    menu.Items()->Delete(0); // frees a and b
    EXPECT_EQ(menu.Items()->Count(), 0);
}

TEST(MenuItems, RadioGroupsAutoCheckAndDisabledClicks) {
    TPopupMenu menu(nullptr);
    std::vector<TMenuItem*> r;
    for (int g : {1, 1, 2}) {
        TMenuItem* it = AddItem(menu.Items(), "r");
        it->SetRadioItem(true);
        it->SetGroupIndex(g);
        it->SetAutoCheck(true);
        r.push_back(it);
    }
    r[0]->SetChecked(true);
    r[2]->SetChecked(true);
    r[1]->Click();
    EXPECT_FALSE(r[0]->Checked());
    EXPECT_TRUE(r[1]->Checked());
    EXPECT_TRUE(r[2]->Checked()); // another group
    r[1]->Click();                // a radio item stays checked
    EXPECT_TRUE(r[1]->Checked());

    TMenuItem* plain = AddItem(menu.Items(), "p");
    plain->SetAutoCheck(true);
    int clicks = 0;
    plain->OnClick = [&](TObject*) { ++clicks; };
    plain->Click();
    plain->Click();
    EXPECT_FALSE(plain->Checked());
    EXPECT_EQ(clicks, 2);
    plain->SetEnabled(false);
    plain->Click();
    EXPECT_EQ(clicks, 2);
}

TEST(MenuItems, ShortCutsFindEnabledVisibleItemsOnly) {
    TMainMenu menu(nullptr);
    TMenuItem* edit = AddItem(menu.Items(), "&Edit");
    TMenuItem* copy = AddItem(edit, "&Copy");
    const TShortCut ctrlC = ShortCut('C', {TShiftStateItem::ssCtrl});
    copy->SetShortCut(ctrlC);
    int clicks = 0;
    copy->OnClick = [&](TObject*) { ++clicks; };
    EXPECT_TRUE(menu.IsShortCut(ctrlC));
    EXPECT_EQ(clicks, 1);
    edit->SetEnabled(false);
    EXPECT_FALSE(menu.IsShortCut(ctrlC));
    edit->SetEnabled(true);
    edit->SetVisible(false);
    EXPECT_FALSE(menu.IsShortCut(ctrlC));
    EXPECT_FALSE(menu.IsShortCut(ShortCut('V', {TShiftStateItem::ssCtrl})));
    EXPECT_EQ(clicks, 1);
}

TEST(ImageLists, MasksKeysAndOutOfRangeIndexes) {
    TImageList list(nullptr);
    list.SetWidth(4);
    list.SetHeight(4);
    TBitmap pic = Filled(4, 4, clRed);
    pic.Canvas()->SetPixel(0, 3, clLime); // bottom-left: the transparent colour
    pic.Canvas()->SetPixel(1, 1, clLime);
    EXPECT_EQ(list.AddMasked(&pic, clDefault), 0);
    const QImage img = list.Image(0);
    EXPECT_EQ(qAlpha(img.pixel(1, 1)), 0);
    EXPECT_EQ(img.pixel(2, 2), QColor(Qt::red).rgba());

    TBitmap out;
    EXPECT_TRUE(list.GetBitmap(0, &out));
    EXPECT_TRUE(out.Transparent());
    EXPECT_EQ(out.TransparentColor(), clFuchsia);
    EXPECT_EQ(out.Canvas()->Pixels(1, 1), clFuchsia);
    EXPECT_EQ(out.Canvas()->Pixels(2, 2), clRed);
    EXPECT_FALSE(list.GetBitmap(1, &out));
    EXPECT_TRUE(out.Empty());

    TBitmap strip = Filled(10, 4, clBlue); // two whole pictures and a part
    EXPECT_EQ(list.AddStrip(&strip, clNone), 1);
    EXPECT_EQ(list.Count(), 3);
    list.SetWidth(8); // pictures of the old size cannot stay
    EXPECT_EQ(list.Count(), 0);

    TBitmap shade = Filled(2, 1, clWhite);
    shade.Canvas()->SetPixel(1, 0, clBlack);
    MapBitmapPixels(
        shade, [](TColor) { return clRed; }, clBlack);
    EXPECT_EQ(shade.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(shade.Canvas()->Pixels(1, 0), clBlack);
}

TEST(PopupMenus, ShowVisibleItemsWithShortcutsAndClickFromTheLoop) {
    TPopupMenu menu(nullptr);
    TMenuItem* open = AddItem(menu.Items(), "&Open");
    open->SetShortCut(ShortCut('O', {TShiftStateItem::ssCtrl}));
    AddItem(menu.Items(), "-");
    AddItem(menu.Items(), "Hidden")->SetVisible(false);
    TMenuItem* more = AddItem(menu.Items(), "More");
    AddItem(more, "Deeper");
    TMenuItem* mark = AddItem(menu.Items(), "Mark");
    mark->SetChecked(true);
    int popups = 0, clicks = 0;
    menu.OnPopup = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &menu);
        ++popups;
    };
    open->OnClick = [&](TObject*) { ++clicks; };

    menu.Popup(100, 120);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(menu.PopupPoint(), Point(100, 120));
    QMenu* qm = menu.MenuWidget();
    EXPECT_EQ(Texts(qm), (QStringList{"&Open\tCtrl+O", "-", "More", "Mark"}));
    EXPECT_TRUE(qm->actions()[3]->isChecked());
    ASSERT_NE(qm->actions()[2]->menu(), nullptr);

    qm->actions()[0]->trigger();
    EXPECT_EQ(clicks, 0); // chosen items are clicked once the menu has closed
    Pump();
    EXPECT_EQ(clicks, 1);

    // An item freed between the choice and the click is not clicked.
    qm->actions()[0]->trigger();
    delete open;
    Pump();
    EXPECT_EQ(clicks, 1);
    menu.CloseMenu();

    TPopupMenu empty(nullptr);
    empty.Popup(0, 0);
    EXPECT_FALSE(empty.IsShown());
}

TEST(PopupMenus, OwnerDrawnItemsAreMeasuredAndPaintedByTheirEvents) {
    TPopupMenu menu(nullptr);
    menu.SetOwnerDraw(true);
    TMenuItem* drawn = AddItem(menu.Items(), "Drawn");
    AddItem(menu.Items(), "Plain"); // no draw event: Qt draws it
    std::vector<TOwnerDrawState> states;
    drawn->OnMeasureItem = [](TObject*, TCanvas* C, int& W, int& H) {
        EXPECT_GT(C->TextWidth("W"), 0);
        W = 150;
        H = 31;
    };
    drawn->OnAdvancedDrawItem = [&](TObject*, TCanvas* C, TRect R, TOwnerDrawState S) {
        states.push_back(S);
        C->Brush()->SetColor(clRed);
        C->FillRect(R);
    };
    menu.Popup(10, 10);
    QMenu* qm = menu.MenuWidget();
    const QRect r = qm->actionGeometry(qm->actions()[0]);
    EXPECT_EQ(r.height(), 31);
    EXPECT_GE(r.width(), 150 + 12); // the level adds a check mark's width
    EXPECT_NE(qm->actionGeometry(qm->actions()[1]).height(), 31);

    qm->setActiveAction(qm->actions()[0]);
    QImage shot(qm->size(), QImage::Format_RGB32);
    qm->render(&shot);
    EXPECT_EQ(shot.pixel(r.center()), QColor(Qt::red).rgb());
    ASSERT_FALSE(states.empty());
    EXPECT_TRUE(states.back().Contains(TOwnerDrawStateItem::odSelected));
    const QRect p = qm->actionGeometry(qm->actions()[1]);
    EXPECT_NE(shot.pixel(p.center()), QColor(Qt::red).rgb());

    // Switched back to plain drawing the events are not asked.
    menu.SetOwnerDraw(false);
    states.clear();
    menu.CloseMenu();
    menu.Popup(10, 10);
    qm->render(&shot);
    EXPECT_TRUE(states.empty());
    EXPECT_NE(qm->actionGeometry(qm->actions()[0]).height(), 31);
    menu.CloseMenu();
}

TEST(PopupMenus, RightClickOpensTheControlsMenuWhenItPopsUpByItself) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 200);
    auto* panel = new TWinControl(&form);
    panel->SetParent(&form);
    panel->SetBounds(10, 10, 50, 50);
    TPopupMenu menu(nullptr);
    AddItem(menu.Items(), "One");
    panel->SetPopupMenu(&menu);
    const TPoint at = panel->ClientToScreen(Point(5, 5));
    panel->Perform(WM_CONTEXTMENU, 0, MakeLParam(at.X, at.Y));
    EXPECT_TRUE(menu.IsShown());
    EXPECT_EQ(menu.PopupComponent(), panel);
    EXPECT_EQ(menu.PopupPoint(), at);
    menu.CloseMenu();

    menu.SetAutoPopup(false);
    menu.SetPopupComponent(nullptr);
    panel->Perform(WM_CONTEXTMENU, 0, MakeLParam(at.X, at.Y));
    EXPECT_FALSE(menu.IsShown());
    EXPECT_EQ(menu.PopupComponent(), nullptr);
    panel->SetPopupMenu(nullptr);
}

TEST(MainMenus, BarAtTheFormsTopFollowsChangesAndDiesWithEitherSide) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* client = new TWinControl(&form);
    client->SetParent(&form);
    client->SetAlign(TAlign::alClient);
    auto* menu = new TMainMenu(&form);
    TMenuItem* file = AddItem(menu->Items(), "&File");
    AddItem(file, "E&xit");
    menu->SetForm(&form);
    EXPECT_EQ(FormMainMenu(&form), menu);
    TMenuBarControl* bar = menu->Bar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Top(), 0);
    EXPECT_GT(bar->Height(), 0);
    EXPECT_EQ(client->Top(), bar->Height());
    EXPECT_EQ(Texts(bar->MenuBar()), QStringList{"&File"});

    AddItem(menu->Items(), "&Help");
    Pump();
    EXPECT_EQ(Texts(bar->MenuBar()), (QStringList{"&File", "&Help"}));

    // The bar's items are measured by their events when the menu is owner-drawn.
    menu->SetOwnerDraw(true);
    file->OnMeasureItem = [](TObject*, TCanvas*, int& W, int& H) {
        W = 77;
        H = 18;
    };
    file->OnDrawItem = [](TObject*, TCanvas*, TRect, bool) {};
    bar->Sync();
    EXPECT_EQ(bar->MenuBar()->actionGeometry(bar->MenuBar()->actions()[0]).width(), 77);

    delete menu;
    EXPECT_EQ(FormMainMenu(&form), nullptr);
    EXPECT_EQ(client->Top(), 0);

    // A menu that outlives its form lets go of it.
    TMainMenu loose(nullptr);
    {
        TForm other(nullptr);
        loose.SetForm(&other);
        EXPECT_NE(loose.Bar(), nullptr);
    }
    EXPECT_EQ(loose.Form(), nullptr);
    EXPECT_EQ(loose.Bar(), nullptr);
}

TEST(MainMenus, ShortcutsReachTheMenuBeforeTheFocusedControl) {
    auto env = std::make_unique<TScriptedEnvironment>();
    TScriptedEnvironment* world = env.get();
    SetEnvironment(std::move(env));
    {
        TForm form(nullptr);
        auto* edit = new TCustomEdit(&form);
        edit->SetParent(&form);
        auto* menu = new TMainMenu(&form);
        TMenuItem* copy = AddItem(AddItem(menu->Items(), "&Edit"), "&Copy");
        copy->SetShortCut(ShortCut('C', {TShiftStateItem::ssCtrl}));
        int clicks = 0;
        copy->OnClick = [&](TObject*) { ++clicks; };
        menu->SetForm(&form);

        world->Modifiers = 2; // Ctrl
        EXPECT_EQ(edit->Perform(CN_KEYDOWN, 'C'), 1);
        Pump();
        EXPECT_EQ(clicks, 1);
        copy->SetEnabled(false); // the edit gets the key
        EXPECT_EQ(edit->Perform(CN_KEYDOWN, 'C'), 0);
        world->Modifiers = 0;
        copy->SetEnabled(true);
        EXPECT_EQ(edit->Perform(CN_KEYDOWN, 'C'), 0); // plain C is no shortcut
        Pump();
        EXPECT_EQ(clicks, 1);
    }
    SetEnvironment(nullptr);
}
