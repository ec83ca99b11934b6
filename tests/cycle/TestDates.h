#pragma once

#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

// Day numbers of civil dates in the platform's scale (day 0 = 30 December 1899), so that the
// tests can be written with the calendar dates people check them against.
namespace cycle_test {

inline constexpr std::chrono::sys_days DayZero{std::chrono::year{1899} / 12 / 30};

inline double Day(int year, unsigned month, unsigned day) {
    const std::chrono::sys_days date{std::chrono::year{year} / month / day};
    return double((date - DayZero).count());
}

// yyyy-MM-dd of the calendar day of a date.
inline std::string ShortDate(double date) {
    const std::chrono::year_month_day ymd{DayZero + std::chrono::days{long(std::floor(date))}};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(ymd.year()), unsigned(ymd.month()),
                  unsigned(ymd.day()));
    return text;
}

} // namespace cycle_test
