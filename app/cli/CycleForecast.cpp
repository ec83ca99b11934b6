#include "app/cli/CycleForecast.h"

#include "app/cycle/Phases.h"

namespace {

const QString kUidDomain = QStringLiteral("@soveli.invalid");
const QString kCategory = QStringLiteral("soveli");

void AddRange(std::vector<ics::AllDayEvent>& Events, double First, double Last, const QString& Kind,
              const QString& Summary, const QString& Note) {
    if (Last < First) return;
    Events.push_back({QStringLiteral("cycle-%1-%2").arg(ics::DateValue(First), Kind) + kUidDomain,
                      First, Last, Summary, Note, kCategory});
}

void AddCycle(std::vector<ics::AllDayEvent>& Events, const cycle::PhaseState& P, int Length) {
    const QString note =
        QStringLiteral("按例假周期 %1 天推算。安全期避孕并不可靠，请同时采用其他避孕方法。")
            .arg(Length);
    AddRange(Events, P.PeriodStart, P.PeriodEnd, "period", QStringLiteral("月经期"), note);
    AddRange(Events, P.PreSafeStart, P.PreSafeEnd, "presafe", QStringLiteral("排卵前安全期"), note);
    AddRange(Events, P.DangerStart, P.DangerEnd, "danger", QStringLiteral("危险期"), note);
    AddRange(Events, P.OvulationDay, P.OvulationDay, "ovulation", QStringLiteral("排卵日"), note);
    AddRange(Events, P.PostSafeStart, P.PostSafeEnd, "postsafe", QStringLiteral("排卵后安全期"),
             note);
}

} // namespace

int DiaryEvents(const std::vector<StoredDiary>& Diary, std::vector<ics::AllDayEvent>& Events) {
    int count = 0;
    for (const StoredDiary& row : Diary) {
        TDateTime day;
        if (!TryStrToDate(row.DateText, day)) continue;
        Events.push_back(
            {QStringLiteral("diary-%1-%2").arg(row.ID).arg(ics::DateValue(day)) + kUidDomain, day,
             day, QStringLiteral("例假日记：") + row.Status, row.Diary, kCategory});
        ++count;
    }
    return count;
}

Forecast CycleEvents(const std::vector<StoredDiary>& Diary,
                     const std::optional<CycleSettings>& Settings,
                     std::vector<ics::AllDayEvent>& Events) {
    if (!Settings || Settings->CycleLength <= 0)
        return {0, QStringLiteral("没有保存例假周期，所以没有推算之后的周期。")};
    TDateTime start;
    if (Diary.empty()) return {0, QStringLiteral("日记是空的，所以没有推算之后的周期。")};
    if (!TryStrToDate(Diary.back().DateText, start))
        return {0, QStringLiteral("最后一条日记的日期无法识别，所以没有推算之后的周期。")};
    const int length = Settings->CycleLength;
    cycle::PhaseState phases = cycle::ComputePhases(start, length);
    for (int k = 0; k < kForecastCycles; ++k) {
        AddCycle(Events, phases, length);
        phases = cycle::ComputePhases(cycle::NextCycleStart(phases), length);
    }
    return {kForecastCycles, {}};
}
