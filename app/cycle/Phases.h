#pragma once

namespace cycle {

// Dates are the platform's day counts (whole part = day, day 0 = 30 December 1899). Phase
// arithmetic adds whole days, so a time of day on the period start travels along unchanged;
// every comparison looks at the calendar day only.
struct PhaseState {
    double PeriodStart = 0;
    double PeriodEnd = 0;
    double NextPeriodStart = 0;
    double NextPeriodEnd = 0;
    double OvulationDay = 0;
    double DangerStart = 0;
    double DangerEnd = 0;
    double PreSafeStart = 0;
    double PreSafeEnd = 0;
    double PostSafeStart = 0;
    double PostSafeEnd = 0;
    // The length the phases were worked out with, which also steps them by whole cycles.
    int CycleLength = 0;

    bool operator==(const PhaseState&) const = default;
};

// The phases of the cycle that begins on periodStart. Any cycle length is accepted; short, zero
// or negative ones give overlapping or inverted ranges, which the rules then apply as they are.
PhaseState ComputePhases(double periodStart, int cycleLength);

// The calendar day of a date, its time of day dropped.
double CalendarDay(double date);

// Whether day lies on first..last, both ends included. Written as "strictly between, or on
// either end" because an inverted range must still match on its two end days.
bool OnPhase(double first, double last, double day);

// Where the detail view's previous and next buttons move the period start.
double PreviousCycleStart(const PhaseState& phases);
double NextCycleStart(const PhaseState& phases);

} // namespace cycle
