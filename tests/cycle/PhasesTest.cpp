#include "app/cycle/Phases.h"
#include "app/cycle/Detail.h"
#include "app/cycle/Status.h"
#include "tests/cycle/TestDates.h"

#include <gtest/gtest.h>

using namespace cycle;
using cycle_test::Day;
using cycle_test::ShortDate;

namespace {

const double S = Day(2024, 12, 2);
const StatusLine Initial{std::string(InitialStatusCaption), Black, StatusWidth};

StatusLine StatusOn(double today, int cycleLength = 28, double start = S,
                    const StatusLine& current = Initial) {
    return TodayStatus(current, ComputePhases(start, cycleLength), today);
}

} // namespace

TEST(Phases, WorkedExampleDates) {
    const PhaseState p = ComputePhases(S, 28);
    EXPECT_EQ(p.PeriodStart, Day(2024, 12, 2));
    EXPECT_EQ(p.PeriodEnd, Day(2024, 12, 6));
    EXPECT_EQ(p.PreSafeStart, Day(2024, 12, 7));
    EXPECT_EQ(p.PreSafeEnd, Day(2024, 12, 10));
    EXPECT_EQ(p.DangerStart, Day(2024, 12, 11));
    EXPECT_EQ(p.OvulationDay, Day(2024, 12, 16));
    EXPECT_EQ(p.DangerEnd, Day(2024, 12, 20));
    EXPECT_EQ(p.PostSafeStart, Day(2024, 12, 21));
    EXPECT_EQ(p.PostSafeEnd, Day(2024, 12, 29));
    EXPECT_EQ(p.NextPeriodStart, Day(2024, 12, 30));
    EXPECT_EQ(p.NextPeriodEnd, Day(2025, 1, 3));
}

TEST(Status, EachPhaseAtItsBoundaries) {
    const StatusLine menstrual{std::string(MenstrualText), Black, StatusWidth};
    const StatusLine preSafe{std::string(PreSafeText), Green, StatusWidth};
    const StatusLine danger{std::string(DangerText), Red, StatusWidth};
    const StatusLine ovulation{std::string(OvulationText), Red, StatusWidth};
    const StatusLine postSafe{std::string(PostSafeText), Green, StatusWidth};

    EXPECT_EQ(StatusOn(Day(2024, 12, 2)), menstrual);
    EXPECT_EQ(StatusOn(Day(2024, 12, 6)), menstrual);
    EXPECT_EQ(StatusOn(Day(2024, 12, 7)), preSafe);
    EXPECT_EQ(StatusOn(Day(2024, 12, 10)), preSafe);
    EXPECT_EQ(StatusOn(Day(2024, 12, 11)), danger);
    EXPECT_EQ(StatusOn(Day(2024, 12, 15)), danger);
    EXPECT_EQ(StatusOn(Day(2024, 12, 16)), ovulation);
    EXPECT_EQ(StatusOn(Day(2024, 12, 17)), danger);
    EXPECT_EQ(StatusOn(Day(2024, 12, 20)), danger);
    EXPECT_EQ(StatusOn(Day(2024, 12, 21)), postSafe);
    EXPECT_EQ(StatusOn(Day(2024, 12, 29)), postSafe);
}

TEST(Status, KeepsWhatNoRuleSets) {
    const StatusLine odd{"earlier", 0x123456, 99};

    // The menstrual rule sets neither width; the safe and danger rules restore it.
    EXPECT_EQ(StatusOn(S, 28, S, odd), (StatusLine{std::string(MenstrualText), Black, 99}));
    EXPECT_EQ(StatusOn(Day(2024, 12, 8), 28, S, odd).Width, StatusWidth);
    // The first day of the next period matches no rule.
    EXPECT_EQ(StatusOn(Day(2024, 12, 30), 28, S, odd), odd);
    // After it only the text is blanked.
    EXPECT_EQ(StatusOn(Day(2024, 12, 31), 28, S, odd), (StatusLine{"      ", 0x123456, 99}));
    EXPECT_EQ(StatusOn(Day(2025, 6, 1), 28, S, odd).Text, "      ");
    // A period start in the future turns the text black but keeps the width.
    EXPECT_EQ(StatusOn(Day(2024, 12, 1), 28, S, odd),
              (StatusLine{std::string(FuturePickText), Black, 99}));
}

TEST(Status, ComparesByCalendarDay) {
    // Times of day on either side never move a date to another day.
    EXPECT_EQ(StatusOn(Day(2024, 12, 6) + 0.1, 28, S + 0.9).Text, MenstrualText);
    EXPECT_EQ(StatusOn(S + 0.2, 28, S + 0.9).Text, MenstrualText);
    EXPECT_EQ(StatusOn(Day(2024, 12, 1) + 0.99, 28, S).Text, FuturePickText);
    EXPECT_EQ(StatusOn(Day(2024, 12, 16) + 0.5, 28, S + 0.75).Text, OvulationText);
    EXPECT_EQ(StatusOn(Day(2024, 12, 30) + 0.9, 28, S, Initial), Initial);
}

TEST(Status, ShortAndDegenerateCycles) {
    // L = 20: the pre-ovulation safe range is inverted and matches only on its ends; on the
    // period start it overwrites the menstrual text.
    EXPECT_EQ(StatusOn(S, 20), (StatusLine{std::string(PreSafeText), Green, StatusWidth}));
    EXPECT_TRUE(OnPhase(S + 5, S, S + 5));
    EXPECT_FALSE(OnPhase(S + 5, S, S + 2));

    // L = 0: the next period starts on S, so every later day is past the cycle.
    EXPECT_EQ(StatusOn(S, 0).Text, MenstrualText);
    EXPECT_EQ(StatusOn(S + 1, 0), (StatusLine{"      ", Black, StatusWidth}));
    EXPECT_EQ(StatusOn(S + 5, 0), (StatusLine{"      ", Green, StatusWidth}));
    EXPECT_EQ(StatusOn(S - 1, 0).Text, FuturePickText);

    // A negative length puts the period start itself past the cycle.
    EXPECT_EQ(StatusOn(S, -3).Text, "      ");
}

TEST(Detail, RangeTexts) {
    EXPECT_EQ(RangeText("2024-12-02", "2024-12-06"), "2024-12-02至2024-12-06   ");

    const auto texts = DetailTexts(ComputePhases(S, 28), ShortDate);
    EXPECT_EQ(texts[0], "2024-12-02至2024-12-06   ");
    EXPECT_EQ(texts[1], "2024-12-07至2024-12-10   ");
    EXPECT_EQ(texts[2], "2024-12-11至2024-12-20   ");
    EXPECT_EQ(texts[3], "2024-12-21至2024-12-29   ");
    EXPECT_EQ(texts[4], "2024-12-30至2025-01-03   ");
}

TEST(Detail, SteppingByWholeCycles) {
    const int L = 28;
    const PhaseState first = ComputePhases(S, L);

    const PhaseState next = ComputePhases(NextCycleStart(first), L);
    const auto nextTexts = DetailTexts(next, ShortDate);
    EXPECT_EQ(nextTexts[0], "2024-12-30至2025-01-03   ");
    EXPECT_EQ(nextTexts[4], "2025-01-27至2025-01-31   ");

    const PhaseState twice = ComputePhases(NextCycleStart(next), L);
    const auto before = DetailRanges(first);
    const auto after = DetailRanges(twice);
    for (int i = 0; i < DetailRangeCount; ++i) {
        EXPECT_EQ(after[i].First - before[i].First, 2 * L) << "range " << i;
        EXPECT_EQ(after[i].Last - before[i].Last, 2 * L) << "range " << i;
    }
    EXPECT_EQ(twice.OvulationDay - first.OvulationDay, 2 * L);

    const PhaseState back = ComputePhases(PreviousCycleStart(first), L);
    EXPECT_EQ(ComputePhases(NextCycleStart(back), L), first);

    const PhaseState still = ComputePhases(S, 0);
    EXPECT_EQ(ComputePhases(NextCycleStart(still), 0), still);
    EXPECT_EQ(ComputePhases(PreviousCycleStart(still), 0), still);
}

TEST(Detail, BeforeAnyComputationEverythingIsDayZero) {
    PhaseState zero;
    zero.CycleLength = 28;
    for (const std::string& text : DetailTexts(zero, ShortDate)) {
        EXPECT_EQ(text, "1899-12-30至1899-12-30   ");
    }
    const PhaseState next = ComputePhases(NextCycleStart(zero), 28);
    EXPECT_EQ(DetailTexts(next, ShortDate)[0], "1900-01-27至1900-01-31   ");
    const PhaseState previous = ComputePhases(PreviousCycleStart(zero), 28);
    EXPECT_EQ(DetailTexts(previous, ShortDate)[0], "1899-12-02至1899-12-06   ");
}
