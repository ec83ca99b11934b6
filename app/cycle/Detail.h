#pragma once

#include "app/cycle/Phases.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace cycle {

// What the five range labels of the detail view read before their first update.
inline constexpr std::string_view RangePlaceholder = "时间    ";

struct DateRange {
    double First = 0;
    double Last = 0;

    bool operator==(const DateRange&) const = default;
};

// The detail view's ranges in label order: period, pre-ovulation safe, danger,
// post-ovulation safe, next period.
inline constexpr int DetailRangeCount = 5;
using DetailRangeList = std::array<DateRange, DetailRangeCount>;
DetailRangeList DetailRanges(const PhaseState& phases);

// "first至last" followed by three blanks, from the two short date texts.
std::string RangeText(std::string_view first, std::string_view last);

// The five range texts in label order, each date written by shortDate.
using ShortDateFormat = std::function<std::string(double date)>;
std::array<std::string, DetailRangeCount> DetailTexts(const PhaseState& phases,
                                                      const ShortDateFormat& shortDate);

} // namespace cycle
