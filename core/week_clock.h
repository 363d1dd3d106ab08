// A moment on the repeating weekly clock (no date), and the count back from
// the wanted arrival to the moment the troops must leave.
#pragma once

#include <cstdint>

namespace menetkalk {

inline constexpr std::int64_t kSecondsPerDay = 86400;
inline constexpr std::int64_t kSecondsPerWeek = 7 * kSecondsPerDay;

struct WeekClock {
  std::int32_t hour = 0;
  std::int32_t minute = 0;
  std::int32_t second = 0;
  std::int32_t weekday = 0;  // 0 = Monday

  friend bool operator==(const WeekClock&, const WeekClock&) = default;
};

// Constant time: the launch lies travelSeconds before the arrival, taken
// modulo a week. Fields outside their ranges are folded in the same way.
WeekClock CountBackLaunch(const WeekClock& arrival, std::uint32_t travelSeconds);

}  // namespace menetkalk
