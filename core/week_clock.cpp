#include "core/week_clock.h"

namespace menetkalk {

WeekClock CountBackLaunch(const WeekClock& arrival, std::uint32_t travelSeconds) {
  const std::int64_t position = arrival.weekday * kSecondsPerDay + arrival.hour * std::int64_t{3600} +
                                arrival.minute * std::int64_t{60} + arrival.second;
  std::int64_t launch = (position - std::int64_t{travelSeconds}) % kSecondsPerWeek;
  if (launch < 0) launch += kSecondsPerWeek;

  WeekClock result;
  result.weekday = static_cast<std::int32_t>(launch / kSecondsPerDay);
  result.hour = static_cast<std::int32_t>(launch % kSecondsPerDay / 3600);
  result.minute = static_cast<std::int32_t>(launch % 3600 / 60);
  result.second = static_cast<std::int32_t>(launch % 60);
  return result;
}

}  // namespace menetkalk
