#include "app/cycle/Calendar.h"

#include <stdexcept>

namespace cycle {

YearMonth NextMonth(YearMonth month) {
    if (month.Month <= 11) return {month.Year, month.Month + 1};
    return {month.Year + 1, 1};
}

std::string MonthCaption(YearMonth month) {
    return std::to_string(month.Year) + "年" + std::to_string(month.Month) + "月：";
}

MonthCells LayoutMonth(int firstWeekDay, int daysInMonth) {
    if (firstWeekDay < 1 || firstWeekDay > CalendarColumns) {
        throw std::invalid_argument("week day of the month's first day must be 1 to 7");
    }
    MonthCells cells;
    int d = 1;
    // The first week is filled from the first day to Saturday, whatever the month's length.
    for (int col = firstWeekDay - 1; col < CalendarColumns; ++col)
        cells[0][col] = std::to_string(d++);
    for (int row = 1; row < CalendarWeekRows; ++row) {
        for (int col = 0; col < CalendarColumns; ++col, ++d) {
            if (d <= daysInMonth) cells[row][col] = std::to_string(d);
        }
    }
    return cells;
}

namespace {

bool InShiftedRange(double first, double last, double day, int cycleLength,
                    const CycleShifts& shifts) {
    for (int k : shifts) {
        const double shift = double(k) * cycleLength;
        if (OnPhase(first + shift, last + shift, day)) return true;
    }
    return false;
}

} // namespace

TColor DayColor(double date, const PhaseState& p, int cycleLength, const CycleShifts& shifts) {
    if (InShiftedRange(p.DangerStart, p.DangerEnd, date, cycleLength, shifts)) return Red;
    if (InShiftedRange(p.PeriodStart, p.PeriodEnd, date, cycleLength, shifts)) return Black;
    return Green;
}

} // namespace cycle
