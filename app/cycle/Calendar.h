#pragma once

#include "app/cycle/Colors.h"
#include "app/cycle/Phases.h"

#include <array>
#include <string>
#include <string_view>

namespace cycle {

inline constexpr int CalendarColumns = 7;  // column 0 is Sunday
inline constexpr int CalendarWeekRows = 6; // grid rows 1..6; row 0 holds the week-day names

inline constexpr std::array<std::string_view, CalendarColumns> WeekDayNames = {
    "星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};

// Captions of the two calendars before the picker is first changed.
inline constexpr std::string_view FirstCalendarCaption = "前一月：";
inline constexpr std::string_view SecondCalendarCaption = "后一月：";

struct YearMonth {
    int Year = 0;
    int Month = 0;

    bool operator==(const YearMonth&) const = default;
};

// The month after the given one (December is followed by January of the next year).
YearMonth NextMonth(YearMonth month);

// "<Y>年<M>月：" in plain decimal.
std::string MonthCaption(YearMonth month);

// Texts of grid rows 1..6: element [row - 1][column]. firstWeekDay is the week day of the
// month's first day, 1 = Sunday .. 7 = Saturday.
using MonthCells = std::array<std::array<std::string, CalendarColumns>, CalendarWeekRows>;
MonthCells LayoutMonth(int firstWeekDay, int daysInMonth);
// The day number LayoutMonth puts at grid row 1..6 and column, or 0 where the cell stays empty.
int DayAt(int firstWeekDay, int daysInMonth, int row, int column);

// Which cycles, in multiples of the cycle length, each calendar colours, so that the coloured
// periods carry on across the border between the two months.
using CycleShifts = std::array<int, 3>;
inline constexpr CycleShifts FirstCalendarShifts = {0, -1, +1};
inline constexpr CycleShifts SecondCalendarShifts = {0, +2, +1};

// Colour of the day number for date: red in a danger period, else black in a menstrual period,
// else green, over the given cycles.
TColor DayColor(double date, const PhaseState& phases, const CycleShifts& shifts);

} // namespace cycle
