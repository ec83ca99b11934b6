// The sorting grid: comparison styles, stable multi-key sorting, header clicks, the painted
// header, hidden rows and size changes.

#include "GridTestSupport.h"
#include "grid/SortGrid.h"
#include "platform/WidgetOf.h"
#include "tests/support/TestWorld.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

struct SortGridFixture : ::testing::Test {
    TTestWorld World;
    TForm* Form = &World.NewForm(0, 0, 500, 300);
    TSortGrid* Grid = nullptr;

    void SetUp() override {
        Grid = new TSortGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBorderStyle(TBorderStyle::bsNone); // the frame has tests of its own
        Grid->SetScrollBars(TScrollStyle::ssNone);
        Grid->SetBounds(0, 0, 320, 200);
        Grid->SetColCount(2);
        Grid->SetDefaultRowHeight(18);
        Form->Show();
    }
    // Rows 1.. get the texts of column 0 and their original row number in column 1.
    void Fill(const std::vector<QString>& Keys) {
        Grid->SetRowCount(int(Keys.size()) + 1);
        for (size_t i = 0; i < Keys.size(); ++i) {
            Grid->SetCellText(0, int(i) + 1, Keys[i]);
            Grid->SetCellText(1, int(i) + 1, QString::number(i + 1));
        }
    }
    QStringList Column(int Col) const {
        QStringList r;
        for (int i = 1; i < Grid->RowCount(); ++i) r << Grid->CellText(Col, i);
        return r;
    }
    void Release(int X, int Y, bool Right = false) {
        Grid->Perform(Right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, Right ? MK_RBUTTON : MK_LBUTTON,
                      MakeLParam(X, Y));
        Grid->Perform(Right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, MakeLParam(X, Y));
    }
    QImage Render() {
        QImage img(WidgetOf(*Grid)->size(), QImage::Format_RGB32);
        WidgetOf(*Grid)->render(&img);
        return img;
    }
};

TEST_F(SortGridFixture, EqualKeysKeepTheirOrderInBothDirections) {
    Fill({"b", "a", "b", "a", "c", "b"});
    Grid->SortOptions()->SetSortStyle(TSortStyle::ssNormal);
    Grid->SortByColumn(0);
    EXPECT_EQ(Column(1), QStringList({"2", "4", "1", "3", "6", "5"}));
    Fill({"b", "a", "b", "a", "c", "b"});
    Grid->SortOptions()->SetSortDirection(TSortDirection::sdDescending);
    Grid->SortByColumn(0);
    EXPECT_EQ(Column(1), QStringList({"5", "1", "3", "6", "2", "4"}));
}

TEST_F(SortGridFixture, CaseRulesAndCustomComparisonServingOneSort) {
    Fill({"abc", "ABC", "Abd"});
    Grid->SortByColumn(0);
    EXPECT_EQ(Column(0), QStringList({"abc", "ABC", "Abd"}));
    Grid->SortOptions()->SetSortCaseSensitive(true);
    Grid->SortByColumn(0);
    EXPECT_EQ(Column(0), QStringList({"ABC", "Abd", "abc"}));

    int calls = 0;
    Grid->SortOptions()->SetSortStyle(TSortStyle::ssCustom);
    Grid->SortOptions()->SetCompareProc([&calls](const QString& A, const QString& B) {
        ++calls;
        return int(A.size()) - int(B.size());
    });
    Fill({"ccc", "a", "bb"});
    Grid->SortByColumn(0);
    EXPECT_GT(calls, 0);
    EXPECT_EQ(Column(0), QStringList({"a", "bb", "ccc"}));
    EXPECT_FALSE(Grid->SortOptions()->CompareProc());
}

TEST_F(SortGridFixture, NumericExtendedOrdersNumbersInsideTexts) {
    Grid->SortOptions()->SetSortStyle(TSortStyle::ssNumericExtended);
    Fill({"item10", "item2", "a-10", "a-2", "item1"});
    Grid->SortByColumn(0);
    EXPECT_EQ(Column(0), QStringList({"a-2", "a-10", "item1", "item2", "item10"}));
    auto cmp = [&](const char* A, const char* B) {
        return TSortGrid::CompareItems({A, 1, Grid->SortOptions()}, {B, 2, Grid->SortOptions()});
    };
    // The empty text comes first, and equal numbers written differently still get an order:
    // an answer of "less" both ways would be no ordering for the sort.
    EXPECT_EQ(cmp("", "x"), -1);
    EXPECT_EQ(cmp("x", ""), 1);
    EXPECT_EQ(cmp("07", "7"), -cmp("7", "07"));
}

TEST_F(SortGridFixture, AutomaticStyleIsDetectedOnceAndKept) {
    Grid->SortOptions()->SetSortStyle(TSortStyle::ssAutomatic);
    Fill({"10", "9", "100"});
    Grid->SortByColumn(0);
    EXPECT_EQ(Column(0), QStringList({"9", "10", "100"}));
    EXPECT_EQ(Grid->SortOptions()->SortStyle(), TSortStyle::ssNumeric);
    // Texts now: a numbers comparison that falls back to text for the pairs that fail.
    Fill({"b", "20", "a", "3"});
    Grid->SortByColumn(0);
    EXPECT_EQ(Grid->SortOptions()->SortStyle(), TSortStyle::ssNumeric);
    EXPECT_EQ(Column(0).indexOf("3") < Column(0).indexOf("20"), true);

    Grid->SortOptions()->SetSortStyle(TSortStyle::ssAutomatic);
    Fill({"2026-12-02 10:00", "2026-01-05"});
    EXPECT_EQ(Grid->DetectSortStyle(0), TSortStyle::ssDateTime);
    Fill({"10:30", "9:15:02"});
    EXPECT_EQ(Grid->DetectSortStyle(0), TSortStyle::ssTime);
    Fill({"1", ""});
    EXPECT_EQ(Grid->DetectSortStyle(0), TSortStyle::ssNormal);
}

TEST_F(SortGridFixture, SecondaryKeysAndTheSelectionFollowingItsRecords) {
    Grid->SetColCount(3);
    Grid->SetRowCount(5);
    const char* rows[4][3] = {
        {"b", "2", "r1"}, {"a", "9", "r2"}, {"b", "1", "r3"}, {"a", "3", "r4"}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) Grid->SetCellText(c, r + 1, rows[r][c]);
    Grid->GoToCell(0, 3, false); // r3 selected
    int before = -2, after = -2;
    Grid->BeforeSort = [&](TObject*, int& Col) { before = Col; };
    Grid->AfterSort = [&](TObject*, int Col) { after = Col; };
    Grid->SortOptions()->SetSecondaryIndex("1");
    Grid->SortOptions()->SetSortStyle(TSortStyle::ssNumeric);
    Grid->SortByColumn(0);
    EXPECT_EQ(Column(2), QStringList({"r4", "r2", "r3", "r1"}));
    EXPECT_EQ(before, 0);
    EXPECT_EQ(after, 0);
    EXPECT_EQ(Grid->CurrentRow(), 3);
    EXPECT_EQ(Grid->SelectedRows()->Text(), QString("3\r\n"));
    EXPECT_FALSE(Grid->Sorting());
}

TEST_F(SortGridFixture, HeaderClicksToggleAndSkipTheEdges) {
    Fill({"b", "c", "a"});
    Grid->SetColWidths(0, 100);
    Grid->SortOptions()->SetSortCol(1);
    Release(50, 5); // another column: ascending
    EXPECT_EQ(Grid->SortOptions()->SortCol(), 0);
    EXPECT_EQ(Column(0), QStringList({"a", "b", "c"}));
    Release(50, 5); // the sort column again: descending
    EXPECT_EQ(Column(0), QStringList({"c", "b", "a"}));
    Release(50, 5);
    EXPECT_EQ(Grid->SortOptions()->SortDirection(), TSortDirection::sdAscending);
    Release(50, 5, true); // the right button always descends
    Release(50, 5, true);
    EXPECT_EQ(Column(0), QStringList({"c", "b", "a"}));
    Release(97, 5); // within 5 pixels of the edge: no sort
    Release(3, 5);
    EXPECT_EQ(Grid->SortOptions()->SortDirection(), TSortDirection::sdDescending);
    Grid->SortOptions()->SetCanSort(false);
    Release(50, 5);
    EXPECT_EQ(Column(0), QStringList({"c", "b", "a"}));
}

TEST_F(SortGridFixture, NarrowHeadersEndInTwoDotsAndKeepThreeCharacters) {
    Grid->Canvas()->SetFont(*Grid->Font());
    const QString text = QStringLiteral("Temperature");
    const QString cut = Grid->FitHeaderText(text, Grid->Canvas()->TextWidth("Temper"));
    EXPECT_TRUE(cut.endsWith(".."));
    EXPECT_LE(Grid->Canvas()->TextWidth(cut), Grid->Canvas()->TextWidth("Temper"));
    EXPECT_EQ(Grid->FitHeaderText(text, 1).size(), 3);
    EXPECT_EQ(Grid->FitHeaderText(text, 500), text);
}

TEST_F(SortGridFixture, HiddenRowsPaintBlankUnderAVisibleHeader) {
    Grid->SetColWidths(0, 100);
    Fill({"MMMM", "WWWW"});
    const auto inked = [](const QImage& Img, int Top, int Bottom) {
        int n = 0;
        for (int y = Top; y < Bottom; ++y)
            for (int x = 2; x < 98; ++x) n += qGray(Img.pixel(x, y)) < 100;
        return n;
    };
    Grid->SetCellText(0, 0, "HEAD");
    EXPECT_GT(inked(Render(), 20, 36), 0);
    Grid->SetHideRows(true);
    const QImage img = Render();
    // Each data row is one flat fill: no glyph edges, no grid lines.
    for (int y = 19; y < 56; ++y)
        for (int x = 2; x < 98; ++x) ASSERT_EQ(img.pixel(x, y), img.pixel(2, y)) << x << "," << y;
    EXPECT_GT(inked(img, 0, 18), 0);
}

TEST_F(SortGridFixture, TooFewRowsAreReportedAndTheLastColumnStretches) {
    std::vector<std::pair<int, int>> changes;
    Grid->OnSizeChanged = [&](TObject*, int C, int R) { changes.push_back({C, R}); };
    Grid->SetRowCount(1);
    ASSERT_EQ(World->Boxes.size(), 1u);
    EXPECT_EQ(World->Boxes[0].Text, QString("Rowsize too small"));
    EXPECT_EQ(Grid->RowCount(), 1);
    EXPECT_EQ(changes.size(), 1u);
    EXPECT_TRUE(Grid->Modified());

    Grid->SetRowCount(3);
    Grid->SetColCount(3);
    Grid->SetBounds(0, 0, 400, 200);
    EXPECT_EQ(Grid->ColWidths(2), 400 - 64 - 64 - 3 - 3);
}

TEST_F(SortGridFixture, RowAndColumnInsertRemoveSwap) {
    Fill({"a", "b", "c"});
    int inserted = -1;
    Grid->OnRowInsert = [&](TObject*, int R) { inserted = R; };
    Grid->InsertRowAt(1);
    EXPECT_EQ(inserted, 1);
    EXPECT_EQ(Column(0), QStringList({"", "a", "b", "c"}));
    Grid->InsertRowAt(99); // past the end: appended
    EXPECT_EQ(Column(0), QStringList({"", "a", "b", "c", ""}));
    Grid->RemoveRow(1);
    Grid->SwapRows(1, 3);
    EXPECT_EQ(Column(0), QStringList({"c", "b", "a", ""}));
    Grid->SortOptions()->SetSortCol(1);
    Grid->InsertColumnAt(0);
    EXPECT_EQ(Grid->SortOptions()->SortCol(), 2);
    EXPECT_EQ(Column(1), QStringList({"c", "b", "a", ""}));
    Grid->RemoveColumn(0);
    EXPECT_EQ(Column(0), QStringList({"c", "b", "a", ""}));
}

} // namespace

namespace {

TEST_F(SortGridFixture, AFailingComparisonLosesNoRecord) {
    Fill({"b", "a", "c"});
    Grid->SortOptions()->SetSortStyle(TSortStyle::ssCustom);
    Grid->SortOptions()->SetCompareProc(
        [](const QString&, const QString&) -> int { throw Exception("no order"); });
    EXPECT_THROW(Grid->SortByColumn(0), Exception);
    EXPECT_EQ(Column(0), QStringList({"b", "a", "c"}));
    EXPECT_FALSE(Grid->Sorting());
    EXPECT_FALSE(Grid->NowUpdating());
}

TEST_F(SortGridFixture, ProportionalThumbsFollowTheVisibleShare) {
    Grid->SetScrollBars(TScrollStyle::ssVertical);
    Grid->SetRowCount(101);
    EXPECT_EQ(Grid->WindowScrollBars().GetScrollPage(SB_VERT), 0);
    Grid->SetProportionalScrollBars(true);
    int lo = 0, hi = 0;
    Grid->WindowScrollBars().GetScrollRange(SB_VERT, lo, hi);
    const int want = int(std::lround(double(Grid->VisibleRowCount() + 1) / 101 * (hi + 1)));
    EXPECT_GT(want, 1);
    EXPECT_EQ(Grid->WindowScrollBars().GetScrollPage(SB_VERT), want);
    Grid->SetRowCount(1001);
    EXPECT_LT(Grid->WindowScrollBars().GetScrollPage(SB_VERT), want);
}

} // namespace

namespace {

TEST_F(SortGridFixture, TheSortArrowPointsTheSortDirection) {
    Fill({"b", "a"});
    Grid->SetCellText(0, 0, "Name");
    const int top = Grid->RowHeights(0) / 2 - 4;
    // Grey pixels of the arrow's picture row Y (0..6), drawn at column 0's left + 3.
    const auto grey = [&](const QImage& Img, int Y) {
        int n = 0;
        for (int x = 3; x < 11; ++x) n += (Img.pixel(x, top + Y) & 0xFFFFFF) == 0x808080;
        return n;
    };
    QImage img = Render();
    EXPECT_EQ(grey(img, 1), 2); // ascending: the point at the top
    EXPECT_EQ(grey(img, 4), 8);
    Grid->SortOptions()->SetSortDirection(TSortDirection::sdDescending);
    Grid->Invalidate();
    img = Render();
    EXPECT_EQ(grey(img, 2), 8);
    EXPECT_EQ(grey(img, 5), 2);
    Grid->SortOptions()->SetCanSort(false);
    Grid->Invalidate();
    EXPECT_EQ(grey(Render(), 5), 0);
}

TEST_F(SortGridFixture, LongColumnsWithEmptyCellsKeepEveryRecord) {
    // More rows than the sort's insertion stage handles alone, empty cells among them.
    std::vector<QString> keys;
    for (int i = 0; i < 40; ++i)
        keys.push_back(i % 3 == 0 ? QString() : QStringLiteral("r%1").arg(40 - i));
    Fill(keys);
    Grid->SortOptions()->SetSortStyle(TSortStyle::ssNumericExtended);
    Grid->SortByColumn(0);
    QStringList expected;
    for (int i = 0; i < 14; ++i) expected << QString();
    for (int v = 1; v <= 40; ++v)
        if ((40 - v) % 3 != 0) expected << QStringLiteral("r%1").arg(v);
    EXPECT_EQ(Column(0), expected);
    // Empty keys keep their old order.
    EXPECT_EQ(Grid->CellText(1, 1), QStringLiteral("1"));
    EXPECT_EQ(Grid->CellText(1, 2), QStringLiteral("4"));

    // Numbers mixed with words: a cycle once ("5x" < "6" < "10" < "5x").
    std::vector<QString> mixed;
    for (int i = 0; i < 30; ++i)
        mixed.push_back(i % 3 == 0 ? QStringLiteral("%1x").arg(i) : QString::number(i * 7 % 31));
    Fill(mixed);
    Grid->SortOptions()->SetSortStyle(TSortStyle::ssNumeric);
    Grid->SortByColumn(0);
    QStringList rows = Column(1);
    rows.sort();
    QStringList all;
    for (int i = 1; i <= 30; ++i) all << QString::number(i);
    all.sort();
    EXPECT_EQ(rows, all);
    EXPECT_EQ(Grid->CellText(0, 1), QStringLiteral("4")); // values first, words after them
    EXPECT_EQ(Grid->CellText(0, 30), QStringLiteral("9x"));

    // An application's comparison that is no ordering at all still loses nothing.
    Grid->SortOptions()->SetSortStyle(TSortStyle::ssCustom);
    Grid->SortOptions()->SetCompareProc([](const QString&, const QString&) { return -1; });
    Grid->SortByColumn(1);
    rows = Column(1);
    rows.sort();
    EXPECT_EQ(rows, all);
}

TEST_F(SortGridFixture, UserSettingsCopyTheirSourceEvenWhenItIsTheirOwn) {
    Grid->UserSettings()->Add(QStringLiteral("width=3"));
    Grid->SetModified(false);
    Grid->SetUserSettings(Grid->UserSettings());
    ASSERT_EQ(Grid->UserSettings()->Count(), 1);
    EXPECT_EQ(Grid->UserSettings()->Strings(0), QStringLiteral("width=3"));
    EXPECT_TRUE(Grid->Modified());
    TStringList other;
    other.Add(QStringLiteral("a"));
    other.Add(QStringLiteral("b"));
    Grid->SetUserSettings(&other);
    other.Clear(); // the grid holds a copy, not the caller's list
    EXPECT_EQ(Grid->UserSettings()->Count(), 2);
}

TEST_F(SortGridFixture, SettersRepaintOnlyWhenTheValueChanges) {
    TInvalidations spy(Grid);
    Grid->SetAlignmentHorz(Grid->AlignmentHorz());
    Grid->SetAlignmentVert(Grid->AlignmentVert());
    Grid->SetBevelStyle(Grid->BevelStyle());
    Grid->SetProportionalScrollBars(Grid->ProportionalScrollBars());
    Grid->SetBorderStyle(Grid->BorderStyle());
    Grid->SetDefaultColWidth(Grid->DefaultColWidth());
    EXPECT_TRUE(spy.Areas.empty());
    Grid->SetBevelStyle(TCellBevelStyle::cbRaised);
    EXPECT_FALSE(spy.Areas.empty());
    // The default width still takes back widths set one by one.
    Grid->SetColWidths(1, 30);
    Grid->SetDefaultColWidth(Grid->DefaultColWidth());
    EXPECT_EQ(Grid->ColWidths(1), Grid->DefaultColWidth());
}

} // namespace
