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
    for (int row = 1; row <= CalendarWeekRows; ++row)
        for (int col = 0; col < CalendarColumns; ++col)
            if (const int d = DayAt(firstWeekDay, daysInMonth, row, col))
                cells[size_t(row - 1)][size_t(col)] = std::to_string(d);
    return cells;
}

int DayAt(int firstWeekDay, int daysInMonth, int row, int column) {
    const int d = (row - 1) * CalendarColumns + column - (firstWeekDay - 1) + 1;
    if (d < 1) return 0;
    // The first week is filled from the first day to Saturday, whatever the month's length.
    return row == 1 || d <= daysInMonth ? d : 0;
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

TColor DayColor(double date, const PhaseState& p, const CycleShifts& shifts) {
    if (InShiftedRange(p.DangerStart, p.DangerEnd, date, p.CycleLength, shifts)) return Red;
    if (InShiftedRange(p.PeriodStart, p.PeriodEnd, date, p.CycleLength, shifts)) return Black;
    return Green;
}

} // namespace cycle
