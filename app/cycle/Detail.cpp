#include "app/cycle/Detail.h"

namespace cycle {

DetailRangeList DetailRanges(const PhaseState& p) {
    return {{
        {p.PeriodStart, p.PeriodEnd},
        {p.PreSafeStart, p.PreSafeEnd},
        {p.DangerStart, p.DangerEnd},
        {p.PostSafeStart, p.PostSafeEnd},
        {p.NextPeriodStart, p.NextPeriodEnd},
    }};
}

std::string RangeText(std::string_view first, std::string_view last) {
    std::string text;
    text.reserve(first.size() + last.size() + 6);
    text.append(first).append("至").append(last).append("   ");
    return text;
}

std::array<std::string, DetailRangeCount> DetailTexts(const PhaseState& phases,
                                                      const ShortDateFormat& shortDate) {
    std::array<std::string, DetailRangeCount> texts;
    const DetailRangeList ranges = DetailRanges(phases);
    for (int i = 0; i < DetailRangeCount; ++i) {
        texts[i] = RangeText(shortDate(ranges[i].First), shortDate(ranges[i].Last));
    }
    return texts;
}

} // namespace cycle
