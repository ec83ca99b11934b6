// The test view's two month calendars: layout, captions and the day colours as painted.

#include "WindowFixture.h"
#include "platform/WidgetOf.h"

#include <QDateEdit>
#include <QImage>

namespace {

QString U8(const char* S) {
    return QString::fromUtf8(S);
}

void Pick(Tform_velna& W, int Y, int M, int D) {
    W.DateTimePicker1->Editor()->setDate(QDate(Y, M, D));
}

enum class Ink { None, Red, Black, Green };

QImage Render(TSortGrid* G) {
    QImage img(WidgetOf(*G)->size(), QImage::Format_RGB32);
    WidgetOf(*G)->render(&img);
    return img;
}

// The colour the day number at (Col, Row) was painted in: the ink with most pixels in the cell.
// Cells are in client coordinates, which start inside the grid's frame.
Ink InkAt(const QImage& Img, TSortGrid* G, int Col, int Row) {
    const TRect r = G->CellBounds(Col, Row);
    const TPoint o = G->ClientOffset();
    int red = 0, black = 0, green = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            const QRgb p = Img.pixel(x + o.X, y + o.Y) & 0xFFFFFF;
            red += p == 0xFF0000;
            black += p == 0x000000;
            green += p == 0x008000;
        }
    if (red == 0 && black == 0 && green == 0) return Ink::None;
    if (red >= black && red >= green) return Ink::Red;
    return black >= green ? Ink::Black : Ink::Green;
}

// Grid cell of a day number, found by its text.
TGridCoord CellOf(TSortGrid* G, int Day) {
    for (int r = 1; r < G->RowCount(); ++r)
        for (int c = 0; c < G->ColCount(); ++c)
            if (G->CellText(c, r) == QString::number(Day)) return {c, r};
    ADD_FAILURE() << "day " << Day << " not in the grid";
    return {0, 0};
}

Ink DayInk(TSortGrid* G, int Day) {
    const TGridCoord c = CellOf(G, Day);
    return InkAt(Render(G), G, c.X, c.Y);
}

int Days(TSortGrid* G) {
    int n = 0;
    for (int r = 1; r < G->RowCount(); ++r)
        for (int c = 0; c < G->ColCount(); ++c) n += !G->CellText(c, r).isEmpty();
    return n;
}

} // namespace

TEST_F(WindowFixture, CalendarsArePreparedWithWeekDaysAndEmptyDayRows) {
    Seed({}, 28);
    Tform_velna& w = Open();
    for (TSortGrid* g : {w.SortGrid1, w.SortGrid2}) {
        EXPECT_EQ(g->ColCount(), 7);
        EXPECT_EQ(g->RowCount(), 7);
        EXPECT_EQ(g->ColWidths(3), 46);
        EXPECT_EQ(g->RowHeights(2), 16);
        EXPECT_FALSE(g->Options().Contains(TGridOption::goRangeSelect));
        EXPECT_EQ(g->CurrentCol(), 5);
        EXPECT_EQ(g->CurrentRow(), 6);
        EXPECT_EQ(g->CellText(0, 0), U8("星期日"));
        EXPECT_EQ(g->CellText(6, 0), U8("星期六"));
        EXPECT_EQ(Days(g), 0);
        const QImage img = Render(g);
        for (int r = 1; r < 7; ++r)
            for (int c = 0; c < 7; ++c) EXPECT_EQ(InkAt(img, g, c, r), Ink::None);
    }
    EXPECT_EQ(w.SortGrid1->Left(), 12);
    EXPECT_EQ(w.SortGrid2->Top(), 209);
    EXPECT_EQ(w.Label7->Caption(), U8("前一月："));
}

TEST_F(WindowFixture, ThreeCyclesColourBothMonthsAcrossTheYearEnd) {
    Seed({}, 28);
    Tform_velna& w = Open();
    Pick(w, 2026, 12, 2);
    EXPECT_EQ(w.Label7->Caption(), U8("2026年12月："));
    EXPECT_EQ(w.Label8->Caption(), U8("2027年1月："));
    TSortGrid* dec = w.SortGrid1;
    TSortGrid* jan = w.SortGrid2;
    EXPECT_EQ(Days(dec), 31);
    EXPECT_EQ(CellOf(dec, 1), (TGridCoord{2, 1})); // 1 December 2026 is a Tuesday
    EXPECT_EQ(CellOf(jan, 1), (TGridCoord{5, 1})); // 1 January 2027 is a Friday
    const QImage d = Render(dec);
    for (int day = 1; day <= 31; ++day) {
        const TGridCoord c = CellOf(dec, day);
        const Ink want = (day >= 11 && day <= 20)                             ? Ink::Red
                         : ((day >= 2 && day <= 6) || day == 30 || day == 31) ? Ink::Black
                                                                              : Ink::Green;
        EXPECT_EQ(InkAt(d, dec, c.X, c.Y), want) << "December " << day;
    }
    const QImage j = Render(jan);
    for (int day = 1; day <= 31; ++day) {
        const TGridCoord c = CellOf(jan, day);
        // The next cycle: period 30 December to 3 January, danger 8 to 17 January; the one
        // after: period 27 to 31 January.
        const Ink want = (day >= 8 && day <= 17)                  ? Ink::Red
                         : (day <= 3 || (day >= 27 && day <= 31)) ? Ink::Black
                                                                  : Ink::Green;
        EXPECT_EQ(InkAt(j, jan, c.X, c.Y), want) << "January " << day;
    }
    // The header and the empty cells carry no day colour.
    EXPECT_EQ(InkAt(d, dec, 0, 1), Ink::None);
}

TEST_F(WindowFixture, SteppingTheDetailViewRecoloursOnTheNextPaint) {
    Seed({}, 28);
    Tform_velna& w = Open();
    Pick(w, 2026, 12, 2);
    EXPECT_EQ(DayInk(w.SortGrid1, 2), Ink::Black);
    w.FlatSpeedButton6->Click();
    w.FlatSpeedButton9->Click();
    w.FlatSpeedButton9->Click(); // the cycle now starts on 27 January
    EXPECT_EQ(DayInk(w.SortGrid1, 2), Ink::Green);
    EXPECT_EQ(DayInk(w.SortGrid1, 11), Ink::Green);
    EXPECT_EQ(DayInk(w.SortGrid1, 30), Ink::Black);
    EXPECT_EQ(DayInk(w.SortGrid2, 27), Ink::Black);
    EXPECT_EQ(w.Label7->Caption(), U8("2026年12月：")); // the months stay
    // A new pick clears the rows and lays out again.
    Pick(w, 2026, 2, 10);
    EXPECT_EQ(CellOf(w.SortGrid1, 1), (TGridCoord{0, 1})); // 1 February 2026 is a Sunday
    EXPECT_EQ(Days(w.SortGrid1), 28);
    EXPECT_EQ(w.SortGrid1->CellText(0, 6), QString());
}

TEST_F(WindowFixture, LeapFebruaryAndAMonthNeedingSixWeekRows) {
    Seed({}, 28);
    Tform_velna& w = Open();
    Pick(w, 2028, 1, 15);
    EXPECT_EQ(CellOf(w.SortGrid1, 1), (TGridCoord{6, 1})); // 1 January 2028 is a Saturday
    EXPECT_EQ(CellOf(w.SortGrid1, 31), (TGridCoord{1, 6}));
    EXPECT_EQ(Days(w.SortGrid2), 29);
    EXPECT_EQ(w.Label8->Caption(), U8("2028年2月："));
}

TEST_F(WindowFixture, ZeroCycleLengthColoursOneCycleOnly) {
    Seed({}, std::nullopt);
    Tform_velna& w = Open();
    ASSERT_EQ(w.Phases.CycleLength, 0);
    Pick(w, 2026, 12, 20);
    // Next period on the 20th too: ovulation 6 December, danger 1 to 10, period 20 to 24.
    const QImage img = Render(w.SortGrid1);
    for (int day : {1, 10}) EXPECT_EQ(DayInk(w.SortGrid1, day), Ink::Red);
    for (int day : {20, 24}) EXPECT_EQ(DayInk(w.SortGrid1, day), Ink::Black);
    for (int day : {11, 19, 25}) EXPECT_EQ(DayInk(w.SortGrid1, day), Ink::Green);
}
