#pragma once

#include <cstdint>

namespace cycle {

// The platform's colour value: 0x00BBGGRR for plain RGB colours.
using TColor = std::uint32_t;

inline constexpr TColor Black = 0x000000; // RGB 0, 0, 0
inline constexpr TColor Red = 0x0000FF;   // RGB 255, 0, 0
inline constexpr TColor Green = 0x008000; // RGB 0, 128, 0

} // namespace cycle
