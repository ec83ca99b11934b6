#include "app/cycle/Phases.h"

#include <cmath>

namespace cycle {

PhaseState ComputePhases(double periodStart, int cycleLength) {
    PhaseState p;
    p.PeriodStart = periodStart;
    p.PeriodEnd = p.PeriodStart + 4;
    p.NextPeriodStart = p.PeriodStart + cycleLength;
    p.NextPeriodEnd = p.NextPeriodStart + 4;
    p.OvulationDay = p.NextPeriodStart - 14;
    p.DangerStart = p.OvulationDay - 5;
    p.DangerEnd = p.OvulationDay + 4;
    p.PreSafeStart = p.PeriodEnd + 1;
    p.PreSafeEnd = p.DangerStart - 1;
    p.PostSafeStart = p.DangerEnd + 1;
    p.PostSafeEnd = p.NextPeriodStart - 1;
    p.CycleLength = cycleLength;
    return p;
}

double CalendarDay(double date) {
    return std::floor(date);
}

bool OnPhase(double first, double last, double day) {
    const double f = CalendarDay(first);
    const double l = CalendarDay(last);
    const double t = CalendarDay(day);
    return (f < t && t < l) || t == f || t == l;
}

double PreviousCycleStart(const PhaseState& phases) {
    return phases.PeriodStart - phases.CycleLength;
}

double NextCycleStart(const PhaseState& phases) {
    return phases.PeriodStart + phases.CycleLength;
}

} // namespace cycle
