// The tray icon against a notification area the test plays: the tip, the icon list, the timing
// of clicks and double clicks, cycling, the menu, hiding into the tray and an area that restarts.

#include "skin/spTrayIcon.h"
#include "tests/skin/SkinMenuTestSupport.h"

#include <QCoreApplication>

using namespace skintest;

namespace {

struct TAreaLog {
    bool Available = true;
    int Adds = 0, Modifies = 0, Deletes = 0;
    QString Tip;
    QByteArray IconData;
    bool Shown = false;
    TNotifyIcon* Icon = nullptr;
};

class TFakeNotifyIcon : public TNotifyIcon {
public:
    explicit TFakeNotifyIcon(TAreaLog* L) : Log(L) { Log->Icon = this; }
    ~TFakeNotifyIcon() override { Log->Icon = nullptr; }
    bool Add(const TIcon& Icon, const QString& Tip) override {
        ++Log->Adds;
        Record(Icon, Tip);
        Log->Shown = Log->Available;
        return Log->Available;
    }
    bool Modify(const TIcon& Icon, const QString& Tip) override {
        ++Log->Modifies;
        Record(Icon, Tip);
        return Log->Available;
    }
    void Delete() override {
        ++Log->Deletes;
        Log->Shown = false;
    }
    bool Shown() const override { return Log->Shown; }

private:
    void Record(const TIcon& Icon, const QString& Tip) {
        Log->Tip = Tip;
        Log->IconData = Icon.SaveToData();
    }
    TAreaLog* Log;
};

class TTestHost : public TComponent, public TSkinMenuHost {
public:
    TTestHost(TComponent* Form, TspSkinData* Skin)
        : TComponent(Form), FSkin(Skin), FMenu(nullptr) {}
    TSkinMenu* SkinMenu() override { return &FMenu; }
    TspSkinData* MenuSkinData() const override { return FSkin; }

private:
    TspSkinData* FSkin;
    TSkinMenu FMenu;
};

class TrayTest : public SkinMenuTest {
protected:
    void SetUp() override {
        SkinMenuTest::SetUp();
        SetNotifyIconFactory([this] { return std::make_unique<TFakeNotifyIcon>(&Area); });
        Tray = std::make_unique<TspTrayIcon>(Form.get());
        Tray->OnClick = [this](TObject*) { ++Clicks; };
        Tray->OnDblClick = [this](TObject*) { ++DblClicks; };
        World->DoubleClick = 400;
    }
    void TearDown() override {
        Tray.reset();
        SetNotifyIconFactory(nullptr);
        SkinMenuTest::TearDown();
    }
    // Three differently coloured 16 x 16 pictures.
    void FillList(TImageList& List) {
        for (TColor c : {clRed, clLime, clBlue}) {
            TBitmap b;
            b.SetSize(16, 16);
            b.Canvas()->Brush()->SetColor(c);
            b.Canvas()->FillRect(Rect(0, 0, 16, 16));
            List.AddMasked(&b, clFuchsia);
        }
    }
    QByteArray ListIcon(TImageList& List, int Index) {
        TIcon icon;
        GetImageListIcon(List, Index, icon);
        return icon.SaveToData();
    }

    TAreaLog Area;
    std::unique_ptr<TspTrayIcon> Tray;
    int Clicks = 0, DblClicks = 0;
};

} // namespace

TEST_F(TrayTest, TheTipIsTheHintsFirst127CharactersAndFollowsItsChanges) {
    Tray->SetHint(QString(200, QChar('x')));
    Tray->SetIconVisible(true);
    EXPECT_EQ(Area.Adds, 1);
    EXPECT_EQ(Area.Tip, QString(127, QChar('x')));
    EXPECT_TRUE(Tray->IconShown());
    Tray->SetHint(QStringLiteral("经期计算"));
    EXPECT_EQ(Area.Tip, QStringLiteral("经期计算"));
    Tray->SetShowHint(false);
    EXPECT_EQ(Area.Tip, QString());
    // A character of two code units is not cut in half.
    Tray->SetShowHint(true);
    Tray->SetHint(QString(126, QChar('y')) + QString::fromUcs4(U"\U0001F600"));
    EXPECT_EQ(Area.Tip, QString(126, QChar('y')));
    Tray->SetIconVisible(false);
    EXPECT_EQ(Area.Deletes, 1);
    EXPECT_FALSE(Tray->IconShown());
    // Changes of a hidden icon are not sent.
    const int modifies = Area.Modifies;
    Tray->SetHint(QStringLiteral("later"));
    EXPECT_EQ(Area.Modifies, modifies);
}

TEST_F(TrayTest, WithoutANotificationAreaTheIconIsNotShownAndNothingFails) {
    Area.Available = false;
    Tray->SetIconVisible(true);
    EXPECT_TRUE(Tray->IconVisible());
    EXPECT_FALSE(Tray->IconShown());
    // The area appears: the visible icon is added again.
    Area.Available = true;
    Area.Icon->OnAreaCreated();
    EXPECT_EQ(Area.Adds, 2);
    EXPECT_TRUE(Tray->IconShown());
}

TEST(TrayWithoutFake, TheDesktopsOwnServiceSaysWhetherItShows) {
    TspTrayIcon tray(nullptr);
    tray.SetHint(QStringLiteral("提示"));
    tray.SetIconVisible(true);
    EXPECT_EQ(tray.IconShown(), NotificationAreaAvailable());
    tray.SetIconVisible(false);
    EXPECT_FALSE(tray.IconShown());
}

TEST_F(TrayTest, IconIndexStaysInTheListAndPicksItsPicture) {
    TImageList list(nullptr);
    Tray->SetIconIndex(4); // no list: 0
    EXPECT_EQ(Tray->IconIndex(), 0);
    FillList(list);
    Tray->SetIconList(&list);
    Tray->SetIconVisible(true);
    Tray->SetIconIndex(10);
    EXPECT_EQ(Tray->IconIndex(), 2);
    EXPECT_EQ(Area.IconData, ListIcon(list, 2));
    Tray->SetIconIndex(-3);
    EXPECT_EQ(Tray->IconIndex(), 0);
    EXPECT_EQ(Area.IconData, ListIcon(list, 0));
}

TEST_F(TrayTest, CyclingShowsEachPictureAndAnnouncesTheNextIndex) {
    TImageList list(nullptr);
    FillList(list);
    Tray->SetIconList(&list);
    Tray->SetIconVisible(true);
    Tray->SetIconIndex(2);
    std::vector<int> next;
    std::vector<QByteArray> shown;
    Tray->OnCycle = [&](TObject*, int Next) {
        next.push_back(Next);
        shown.push_back(Area.IconData);
    };
    Tray->SetCycleIcons(true);
    EXPECT_EQ(Tray->IconIndex(), 0);
    EXPECT_FALSE(Tray->CycleTimer()->Enabled()); // no interval yet
    Tray->SetAnimateTimerInterval(150);
    EXPECT_TRUE(Tray->CycleTimer()->Enabled());
    EXPECT_EQ(Tray->CycleTimer()->Interval(), 150u);
    for (int i = 0; i < 4; ++i) Tray->CycleTimer()->Tick();
    EXPECT_EQ(next, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(shown[0], ListIcon(list, 0));
    EXPECT_EQ(shown[1], ListIcon(list, 1));
    EXPECT_EQ(shown[2], ListIcon(list, 2));
    EXPECT_EQ(Tray->IconIndex(), 1);
    Tray->SetCycleIcons(false);
    EXPECT_FALSE(Tray->CycleTimer()->Enabled());
}

TEST_F(TrayTest, ASingleClickWaitsForTheDoubleClickTimeAndADoubleClickIsNoClick) {
    std::vector<QString> order;
    Tray->OnMouseDown = [&](TObject*, TMouseButton B, TShiftState S, int X, int Y) {
        order.push_back(QStringLiteral("down %1 %2,%3 %4")
                            .arg(int(B))
                            .arg(X)
                            .arg(Y)
                            .arg(S.Contains(TShiftStateItem::ssLeft)));
    };
    World->Cursor = {900, 740};
    Tray->TrayMouse(TTrayMouse::LeftDown);
    Tray->TrayMouse(TTrayMouse::LeftUp);
    EXPECT_EQ(Clicks, 0);
    EXPECT_EQ(Tray->ClickTimer()->Interval(), 400u);
    Tray->ClickTimer()->Tick();
    EXPECT_EQ(Clicks, 1);
    EXPECT_FALSE(Tray->ClickTimer()->Enabled());
    EXPECT_EQ(order, (std::vector<QString>{"down 0 900,740 1"}));

    // Down, up, double, up: the double click only.
    Tray->TrayMouse(TTrayMouse::LeftDown);
    Tray->TrayMouse(TTrayMouse::LeftUp);
    Tray->TrayMouse(TTrayMouse::LeftDouble);
    Tray->TrayMouse(TTrayMouse::LeftUp);
    Tray->ClickTimer()->Tick();
    EXPECT_EQ(DblClicks, 1);
    EXPECT_EQ(Clicks, 1);

    // A press held past the double-click time clicks at its release.
    Tray->TrayMouse(TTrayMouse::LeftDown);
    Tray->ClickTimer()->Tick();
    EXPECT_EQ(Clicks, 1);
    Tray->TrayMouse(TTrayMouse::LeftUp);
    EXPECT_EQ(Clicks, 2);

    // A disabled icon reports nothing.
    Tray->SetEnabled(false);
    Tray->TrayMouse(TTrayMouse::LeftDown);
    Tray->TrayMouse(TTrayMouse::LeftUp);
    Tray->TrayMouse(TTrayMouse::LeftDouble);
    EXPECT_FALSE(Tray->ClickTimer()->Enabled());
    EXPECT_EQ(DblClicks, 1);
    EXPECT_EQ(order.size(), 3u);
}

TEST_F(TrayTest, TheRightButtonOpensTheSkinnedMenuAtTheCursor) {
    new TTestHost(Form.get(), Skin.get());
    auto* menu = new TspSkinPopupMenu(Form.get());
    auto* open = new TMenuItem(menu);
    open->SetCaption(QStringLiteral("&Open"));
    int opened = 0;
    open->OnClick = [&](TObject*) { ++opened; };
    menu->Items()->Add(open);
    Tray->SetPopupMenu(menu);
    TSkinMenu* engine = FindSkinMenuHost(Form.get())->SkinMenu();

    World->Cursor = {300, 200};
    Tray->TrayMouse(TTrayMouse::LeftDown);
    EXPECT_FALSE(engine->Visible());
    Tray->TrayMouse(TTrayMouse::RightDown);
    ASSERT_TRUE(engine->Visible());
    EXPECT_EQ(engine->Level(0)->Left(), 300);
    EXPECT_EQ(engine->Level(0)->Top(), 200);
    EXPECT_EQ(menu->PopupComponent(), Tray.get());
    engine->CloseAll();

    Tray->SetPopupByLeftButton(true);
    Tray->TrayMouse(TTrayMouse::LeftDown);
    EXPECT_TRUE(engine->Visible());
    engine->CloseAll();

    // A double click runs the default item, unless the left button opens the menu.
    open->SetDefault(true);
    Tray->TrayMouse(TTrayMouse::LeftDouble);
    EXPECT_EQ(opened, 0);
    Tray->SetPopupByLeftButton(false);
    Tray->TrayMouse(TTrayMouse::LeftDouble);
    EXPECT_EQ(opened, 1);
    menu->SetAutoPopup(false);
    Tray->TrayMouse(TTrayMouse::LeftDouble);
    Tray->TrayMouse(TTrayMouse::RightDown);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(engine->Visible());
}

TEST_F(TrayTest, MinimizingHidesTheProgramIntoTheTrayAndRestoringBringsItBack) {
    Application->SetMainForm(Form.get());
    Form->Show();
    Tray->SetMinimizeToTray(true);
    int hidden = 0;
    Tray->OnMinimizeToTray = [&](TObject*) { ++hidden; };
    ShowWindowMinimized(Form.get());
    for (int i = 0; i < 5 && !hidden; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(hidden, 1);
    EXPECT_FALSE(Form->Visible());
    EXPECT_TRUE(Tray->IconVisible());
    Tray->RestoreFromTray();
    EXPECT_TRUE(Form->Visible());
    EXPECT_FALSE(WindowMinimized(Form.get()));
    Application->SetMainForm(nullptr);
}
