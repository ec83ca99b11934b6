#include "app/cycle/Calendar.h"
#include "tests/cycle/TestDates.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

using namespace cycle;
using cycle_test::Day;

namespace {

// Checks that the day numbers run 1..days in reading order from column W - 1 of row 1 and that
// every other cell is empty.
void ExpectMonth(const MonthCells& cells, int firstWeekDay, int days) {
    int position = -(firstWeekDay - 1);
    for (int row = 0; row < CalendarWeekRows; ++row) {
        for (int col = 0; col < CalendarColumns; ++col, ++position) {
            const int day = position + 1;
            const std::string expected = day >= 1 && day <= days ? std::to_string(day) : "";
            EXPECT_EQ(cells[row][col], expected) << "row " << row + 1 << " column " << col;
        }
    }
}

struct MonthColours {
    std::set<int> Red;
    std::set<int> Black;
};

// Colours of days 1..days of a month whose day 1 is firstDay; everything not listed is green.
void ExpectColours(double firstDay, int days, const PhaseState& phases, const CycleShifts& shifts,
                   const MonthColours& expected) {
    for (int day = 1; day <= days; ++day) {
        TColor colour = Green;
        if (expected.Red.contains(day)) colour = Red;
        if (expected.Black.contains(day)) colour = Black;
        EXPECT_EQ(DayColor(firstDay + day - 1, phases, shifts), colour) << "day " << day;
    }
}

std::set<int> Days(int first, int last) {
    std::set<int> days;
    for (int d = first; d <= last; ++d) days.insert(d);
    return days;
}

} // namespace

TEST(CalendarLayout, MonthsOfEveryShape) {
    // September 2024 begins on a Sunday.
    const MonthCells sunday = LayoutMonth(1, 30);
    EXPECT_EQ(sunday[0][0], "1");
    ExpectMonth(sunday, 1, 30);

    // March 2025 has 31 days and begins on a Saturday: all six week rows are used.
    const MonthCells saturday = LayoutMonth(7, 31);
    EXPECT_EQ(saturday[0][6], "1");
    EXPECT_EQ(saturday[5][1], "31");
    ExpectMonth(saturday, 7, 31);

    // February 2024 (a leap year) begins on a Thursday.
    ExpectMonth(LayoutMonth(5, 29), 5, 29);

    EXPECT_THROW(LayoutMonth(0, 31), std::invalid_argument);
    EXPECT_THROW(LayoutMonth(8, 31), std::invalid_argument);
}

TEST(CalendarLayout, Captions) {
    EXPECT_EQ(MonthCaption({2024, 3}), "2024年3月：");
    EXPECT_EQ(NextMonth({2024, 11}), (YearMonth{2024, 12}));
    EXPECT_EQ(MonthCaption(NextMonth({2024, 11})), "2024年12月：");
    EXPECT_EQ(NextMonth({2024, 12}), (YearMonth{2025, 1}));
    EXPECT_EQ(MonthCaption(NextMonth({2024, 12})), "2025年1月：");
}

TEST(CalendarColour, ThreeCyclesAcrossTwoMonths) {
    // Period on 2 December, L = 28: next period 30 December to 3 January.
    const PhaseState p = ComputePhases(Day(2024, 12, 2), 28);
    MonthColours december{Days(11, 20), Days(2, 6)};
    december.Black.insert({30, 31});
    ExpectColours(Day(2024, 12, 1), 31, p, FirstCalendarShifts, december);

    MonthColours january{Days(8, 17), Days(1, 3)};
    january.Black.merge(Days(27, 31));
    ExpectColours(Day(2025, 1, 1), 31, p, SecondCalendarShifts, january);
}

TEST(CalendarColour, ZeroLengthColoursOneCycle) {
    // Danger 1 to 10 December, period 20 to 24 December; no other cycle is coloured.
    const PhaseState p = ComputePhases(Day(2024, 12, 20), 0);
    ExpectColours(Day(2024, 12, 1), 31, p, FirstCalendarShifts, {Days(1, 10), Days(20, 24)});
    ExpectColours(Day(2025, 1, 1), 31, p, SecondCalendarShifts, {});
}

TEST(CalendarColour, DangerWinsOverPeriod) {
    // With L = 10 the danger period ends on the period start and the next danger period covers
    // most of the period.
    const PhaseState p = ComputePhases(Day(2024, 12, 2), 10);
    ExpectColours(Day(2024, 12, 1), 31, p, FirstCalendarShifts, {Days(1, 12), Days(13, 16)});
}

TEST(CalendarColour, ComparesByCalendarDay) {
    const PhaseState p = ComputePhases(Day(2024, 12, 2) + 0.7, 28);
    EXPECT_EQ(DayColor(Day(2024, 12, 2) + 0.1, p, FirstCalendarShifts), Black);
    EXPECT_EQ(DayColor(Day(2024, 12, 20) + 0.99, p, FirstCalendarShifts), Red);
    EXPECT_EQ(DayColor(Day(2024, 12, 21) + 0.01, p, FirstCalendarShifts), Green);
}
