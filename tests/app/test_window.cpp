// The main window as the user meets it: start-up, the views, the status line, the detail view
// and the exit question.

#include "WindowFixture.h"
#include "app/cycle/Status.h"
#include "platform/WidgetOf.h"

#include <QDateEdit>
#include <QFile>

namespace {

QString U8(const char* S) {
    return QString::fromUtf8(S);
}

// The picker changed by the user (the program's own setting raises no change event).
void Pick(Tform_velna& W, int Y, int M, int D) {
    W.DateTimePicker1->Editor()->setDate(QDate(Y, M, D));
}

std::vector<TPanel*> Views(Tform_velna& W) {
    return {W.Panel1, W.Panel2, W.Panel3, W.Panel4, W.Panel6, W.Panel7, W.Panel8};
}

TPanel* OnlyVisibleView(Tform_velna& W) {
    TPanel* shown = nullptr;
    for (TPanel* p : Views(W)) {
        if (!p->Visible()) continue;
        if (shown) return nullptr;
        shown = p;
    }
    return shown;
}

} // namespace

TEST_F(WindowFixture, StartShowsHomeOverTheTestViewAndSeedsThePickerQuietly) {
    Seed({{EncodeDate(2026, 11, 3), "a"},
          {EncodeDate(2026, 12, 2), "b"},
          {EncodeDate(2026, 10, 1), "c"}},
         30);
    Tform_velna& w = Open();
    // The last row the query returns, whatever its date.
    EXPECT_EQ(w.DateTimePicker1->Date(), EncodeDate(2026, 10, 1));
    EXPECT_EQ(w.Phases.CycleLength, 30);
    EXPECT_EQ(w.Apart_list->ItemCount(), 3);
    EXPECT_EQ(w.Apart_list->Item(1)->Caption(), "2026-12-02");
    EXPECT_EQ(w.Label26->Caption(), "2026-12-16");
    // Nothing computed yet: the status keeps its first caption and every phase date is zero.
    EXPECT_EQ(w.Label3->Caption(), U8("请选择您上次例假日期          "));
    cycle::PhaseState none;
    none.CycleLength = 30;
    EXPECT_EQ(w.Phases, none);
    EXPECT_EQ(w.Label3->Width(), 233);
    // Home lies over the test view, both at the content area.
    EXPECT_TRUE(w.Panel8->Visible());
    EXPECT_TRUE(w.Panel1->Visible());
    EXPECT_EQ(w.Panel8->Left(), 143);
    EXPECT_EQ(w.Panel8->Top(), 56);
    EXPECT_EQ(FindControlAtScreen(w.Panel8->ClientToScreen({200, 150})), w.Image7);
    EXPECT_TRUE(World->Boxes.empty());
}

TEST_F(WindowFixture, EveryButtonShowsItsViewAloneAlsoWhenItIsShownAlready) {
    Seed({}, 28);
    Tform_velna& w = Open();
    const std::pair<TControl*, TPanel*> pairs[] = {
        {w.FlatSpeedButton1, w.Panel1}, {w.FlatSpeedButton2, w.Panel2},
        {w.FlatSpeedButton3, w.Panel3}, {w.FlatSpeedButton4, w.Panel4},
        {w.FlatSpeedButton6, w.Panel6}, {w.FlatSpeedButton7, w.Panel7},
        {w.FlatSpeedButton1, w.Panel1}, {w.FlatSpeedButton1, w.Panel1}};
    for (auto [button, view] : pairs) {
        button->Click();
        EXPECT_EQ(OnlyVisibleView(w), view) << view->Name().toStdString();
        EXPECT_EQ(view->BoundsRect(), Bounds(143, 56, 438, 336));
    }
    // The knowledge text is there and cannot be changed.
    EXPECT_EQ(w.FlatMemo1->Lines()->Count(), 279);
    EXPECT_TRUE(w.FlatMemo1->ReadOnly());
}

TEST_F(WindowFixture, PickingADateComputesTheCycleAndTodaysStatus) {
    Seed({}, 28);
    Tform_velna& w = Open();
    w.FlatSpeedButton1->Click();
    Pick(w, 2026, 12, 2); // today is 16 December: the ovulation day
    EXPECT_EQ(w.Label3->Caption(), U8("排卵期,性事受孕可能性大,千万注意      "));
    EXPECT_EQ(w.Label3->Font()->Color(), clRed);
    EXPECT_EQ(w.Label7->Caption(), U8("2026年12月："));
    EXPECT_EQ(w.Label8->Caption(), U8("2027年1月："));
    EXPECT_EQ(w.CalendarMonths[0].Days, 31);
    EXPECT_EQ(w.CalendarMonths[1].Days, 31);
    EXPECT_EQ(w.Phases.OvulationDay, EncodeDate(2026, 12, 16));

    Pick(w, 2026, 12, 17); // in the future
    EXPECT_EQ(w.Label3->Caption(), U8("你选的日期已经超过了今天!!      "));
    EXPECT_EQ(w.Label3->Font()->Color(), clBlack);
    Pick(w, 2026, 11, 1); // long past: after the next period began
    EXPECT_EQ(w.Label3->Caption(), "      ");
}

TEST_F(WindowFixture, DetailViewShowsAndStepsTheWholeCycle) {
    Seed({}, 28);
    Tform_velna& w = Open();
    TLabel* ranges[] = {w.Label10, w.Label12, w.Label14, w.Label16, w.Label18};
    for (TLabel* l : ranges) EXPECT_EQ(l->Caption(), U8("时间    "));
    // Before any computation every date is day zero.
    w.FlatSpeedButton6->Click();
    for (TLabel* l : ranges) EXPECT_EQ(l->Caption(), U8("1899-12-30至1899-12-30   "));

    Pick(w, 2026, 12, 2);
    w.FlatSpeedButton6->Click();
    EXPECT_EQ(w.Label10->Caption(), U8("2026-12-02至2026-12-06   "));
    EXPECT_EQ(w.Label12->Caption(), U8("2026-12-07至2026-12-10   "));
    EXPECT_EQ(w.Label14->Caption(), U8("2026-12-11至2026-12-20   "));
    EXPECT_EQ(w.Label16->Caption(), U8("2026-12-21至2026-12-29   "));
    EXPECT_EQ(w.Label18->Caption(), U8("2026-12-30至2027-01-03   "));
    const QString status = w.Label3->Caption();

    w.FlatSpeedButton9->Click();
    EXPECT_EQ(w.Label10->Caption(), U8("2026-12-30至2027-01-03   "));
    EXPECT_EQ(w.Label18->Caption(), U8("2027-01-27至2027-01-31   "));
    w.FlatSpeedButton9->Click();
    EXPECT_EQ(w.Phases.DangerStart, EncodeDate(2026, 12, 11) + 56);
    w.FlatSpeedButton8->Click();
    w.FlatSpeedButton8->Click();
    EXPECT_EQ(w.Label14->Caption(), U8("2026-12-11至2026-12-20   "));
    EXPECT_EQ(w.Label3->Caption(), status); // stepping leaves the status line alone
    // A new pick brings the cycle back to the picked date.
    w.FlatSpeedButton9->Click();
    Pick(w, 2026, 12, 3);
    EXPECT_EQ(w.Phases.PeriodStart, EncodeDate(2026, 12, 3));
}

TEST_F(WindowFixture, WithoutSettingsTheCycleIsZeroAndStepsChangeNothing) {
    Seed({{EncodeDate(2026, 12, 1), "x"}}, std::nullopt);
    Tform_velna& w = Open();
    EXPECT_EQ(w.Phases.CycleLength, 0);
    EXPECT_TRUE(World->Boxes.empty());
    Pick(w, 2026, 12, 2);
    w.FlatSpeedButton6->Click();
    const QString before = w.Label10->Caption();
    w.FlatSpeedButton9->Click();
    EXPECT_EQ(w.Label10->Caption(), before);
    EXPECT_EQ(w.Label3->Caption(), "      "); // after S the status ends as six blanks
}

TEST_F(WindowFixture, ExitAsksAndOnlyYesCloses) {
    Seed({}, 28);
    Tform_velna& w = Open();
    w.FlatSpeedButton3->Click();
    World->Answer = [](const TMessageBoxRequest&) { return IDNO; };
    w.FlatSpeedButton5->Click();
    ASSERT_EQ(World->Boxes.size(), 1u);
    EXPECT_EQ(World->Boxes[0].Text, U8("欢迎使用本软件。确定退出吗?"));
    EXPECT_EQ(World->Boxes[0].Caption, U8("系统提示"));
    EXPECT_EQ(World->Boxes[0].Flags, unsigned(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(World->Beeps, 1);
    EXPECT_TRUE(w.Showing());
    EXPECT_EQ(OnlyVisibleView(w), w.Panel3);

    World->Answer = [](const TMessageBoxRequest&) { return IDYES; };
    bool closed = false;
    w.OnClose = [&](TObject*, TCloseAction&) { closed = true; };
    w.FlatSpeedButton5->Click();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(w.Showing());
}

TEST_F(WindowFixture, FirstRunCreatesTheDatabaseBesideTheProgramNotTheWorkingFolder) {
    QTemporaryDir elsewhere;
    const QString old = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    Tform_velna& w = Open();
    QDir::setCurrent(old);
    EXPECT_TRUE(QFile::exists(DatabaseFile()));
    EXPECT_FALSE(QFile::exists(elsewhere.filePath("velna.dll")));
    EXPECT_EQ(QFile::permissions(DatabaseFile()) & (QFile::ReadGroup | QFile::ReadOther), 0);
    EXPECT_TRUE(World->Boxes.empty());
    // An empty diary leaves the picker on today; the list is simply empty.
    EXPECT_EQ(w.DateTimePicker1->Date(), World->Today);
    EXPECT_EQ(w.Apart_list->ItemCount(), 0);
}

TEST_F(WindowFixture, AFileThatIsNoDatabaseIsNamedAndLeftUntouched) {
    QFile f(DatabaseFile());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is somebody's letter, not a database");
    f.close();
    Tform_velna& w = Open();
    ASSERT_EQ(World->Boxes.size(), 1u);
    EXPECT_TRUE(World->Boxes[0].Text.contains(DatabaseFile()));
    EXPECT_TRUE(World->Boxes[0].Flags & MB_ICONSTOP);
    EXPECT_FALSE(w.DatabaseReady());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("this is somebody's letter, not a database"));
    // The window still works.
    w.FlatSpeedButton1->Click();
    Pick(w, 2026, 12, 15);
    Pick(w, 2026, 12, 16); // no settings: a cycle of 0 days, so only today itself is menstrual
    EXPECT_EQ(w.Label3->Caption(), U8("月经期,要注意经期卫生      "));
}

TEST_F(WindowFixture, TheWindowTakesItsOutlineFromTheStoredRegion) {
    Tform_velna& w = Open();
    EXPECT_EQ(w.BorderStyle(), TFormBorderStyle::bsNone);
    EXPECT_EQ(w.BoundsRect(), Bounds(128, 116, 590, 403));
    const QByteArray stored = w.fcImageForm1->WriteRegionData();
    ASSERT_EQ(stored.size(), 68);
    const QRegion outline = WindowRegion(&w).ToQRegion();
    EXPECT_TRUE(outline.contains(QPoint(0, 0)));
    EXPECT_TRUE(outline.contains(QPoint(589, 402)));
    EXPECT_TRUE(outline.contains(QPoint(1, 402)));
    EXPECT_FALSE(outline.contains(QPoint(0, 402))); // the bottom-left pixel is cut away
    // Where no other windowless control lies, the picture itself is under the mouse.
    EXPECT_EQ(FindControlAtScreen(w.ClientToScreen({300, 10})), w.fcImageForm1);
    EXPECT_EQ(FindControlAtScreen(w.leftPanel->ClientToScreen({40, 30})), w.FlatSpeedButton1);
}

TEST_F(WindowFixture, TheLegendsContentsSitInsideItsSingleLineBorder) {
    Tform_velna& w = Open();
    w.FlatSpeedButton1->Click();
    // The legend at 352, 73 of the test view, its client area one pixel in: the first swatch
    // starts at 512, 146 of the window.
    const TPoint swatch = w.ScreenToClient(w.Image2->ClientOrigin());
    EXPECT_EQ(swatch, Point(512, 146));
    QWidget* legend = WidgetOf(*w.Panel5);
    QImage img(legend->size(), QImage::Format_RGB32);
    legend->render(&img);
    EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, 0x000000u);             // the border line
    EXPECT_EQ(img.pixel(16, 16) & 0xFFFFFF, 0xE2E6D7u);           // the legend's colour
    EXPECT_NE(img.pixel(17, 17) & 0xFFFFFF, 0xE2E6D7u);           // the green swatch
    EXPECT_EQ(img.pixel(17 + 40, 17 + 15) & 0xFFFFFF, 0xE2E6D7u); // just past it
}
