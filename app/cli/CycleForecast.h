#pragma once
// The calendar events of the iCalendar export: one per diary entry, and the phases of the cycles
// to come as the program's own cycle rules compute them.

#include "app/cli/ICalendar.h"
#include "app/store/DiaryRecords.h"

#include <optional>
#include <vector>

inline constexpr int kForecastCycles = 6;

// Adds one event per diary entry whose date can be read; returns how many.
int DiaryEvents(const std::vector<StoredDiary>& Diary, std::vector<ics::AllDayEvent>& Events);

struct Forecast {
    int Cycles = 0;
    QString Reason; // why there is none, for the user
};
// Adds the period, the two safe periods, the danger period and the ovulation day of
// kForecastCycles cycles, the first starting on the date of the last diary entry (the entry the
// window starts from), each one cycle length after the one before. Ranges that the rules turn
// upside down for a very short cycle are left out.
Forecast CycleEvents(const std::vector<StoredDiary>& Diary,
                     const std::optional<CycleSettings>& Settings,
                     std::vector<ics::AllDayEvent>& Events);
