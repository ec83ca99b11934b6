#pragma once

#include "app/cycle/Colors.h"
#include "app/cycle/Phases.h"

#include <string>
#include <string_view>

namespace cycle {

// Width of the status line, set when the window is created and by the red and green rules.
inline constexpr int StatusWidth = 233;

inline constexpr std::string_view InitialStatusCaption = "请选择您上次例假日期          ";

inline constexpr std::string_view MenstrualText = "月经期,要注意经期卫生      ";
inline constexpr std::string_view PreSafeText = "排卵前安全期,性事一般不会受孕        ";
inline constexpr std::string_view OvulationText = "排卵期,性事受孕可能性大,千万注意      ";
inline constexpr std::string_view DangerText = "危险期,性事受孕可能性大,千万注意      ";
inline constexpr std::string_view PostSafeText = "排卵后安全期,性事一般不会受孕        ";
inline constexpr std::string_view AfterCycleText = "      ";
inline constexpr std::string_view FuturePickText = "你选的日期已经超过了今天!!      ";

// What the status line shows: its text (UTF-8), font colour and width.
struct StatusLine {
    std::string Text;
    TColor FontColor = Black;
    int Width = StatusWidth;

    bool operator==(const StatusLine&) const = default;
};

// Today's status. The line is never cleared first and some rules keep the colour or the width,
// so the rules start from what the line shows now; when no rule matches it comes back unchanged.
StatusLine TodayStatus(const StatusLine& current, const PhaseState& phases, double today);

} // namespace cycle
