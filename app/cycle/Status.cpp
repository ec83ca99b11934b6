#include "app/cycle/Status.h"

namespace cycle {

StatusLine TodayStatus(const StatusLine& current, const PhaseState& p, double today) {
    StatusLine line = current;
    const double t = CalendarDay(today);
    const double s = CalendarDay(p.PeriodStart);

    // All rules run in order; a later match overwrites an earlier one.
    if (OnPhase(p.PeriodStart, p.PeriodEnd, t)) {
        line.Text = MenstrualText;
        line.FontColor = Black;
    }
    if (OnPhase(p.PreSafeStart, p.PreSafeEnd, t)) {
        line = {std::string(PreSafeText), Green, StatusWidth};
    }
    if (OnPhase(p.DangerStart, p.DangerEnd, t)) {
        const bool ovulation = t == CalendarDay(p.OvulationDay);
        line = {std::string(ovulation ? OvulationText : DangerText), Red, StatusWidth};
    }
    if (OnPhase(p.PostSafeStart, p.PostSafeEnd, t)) {
        line = {std::string(PostSafeText), Green, StatusWidth};
    }
    if (t > s + p.CycleLength) line.Text = AfterCycleText;
    if (s > t) {
        line.Text = FuturePickText;
        line.FontColor = Black;
    }
    return line;
}

} // namespace cycle
