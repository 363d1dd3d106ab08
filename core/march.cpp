#include "core/march.h"

#include <bit>
#include <cmath>
#include <cstdlib>

namespace menetkalk {
namespace {

constexpr std::int32_t kSpeedAboveAll = 20;
constexpr double kShortMarchCells = 30.0;

// The single-precision value nearest 0.01; using it (not 0.01) is what makes
// e.g. 41 cells at speed 9 take 16400 s rather than 16399 s.
const double kPercent = static_cast<double>(std::bit_cast<float>(std::uint32_t{0x3C23D70A}));

std::int32_t SlowestSpeed(People people, const UnitTicks& ticked) {
  std::int32_t slowest = kSpeedAboveAll;
  for (std::int32_t unit = 0; unit < kUnitsPerPeople; ++unit) {
    if (!ticked[static_cast<std::size_t>(unit)]) continue;
    if (auto found = FindUnit(people, unit); found && found->speed < slowest) slowest = found->speed;
  }
  return slowest;
}

// Cut toward zero; NaN and values beyond 32 bits (a non-positive speed factor)
// saturate, since converting them would be undefined.
std::uint32_t WholeSeconds(float hours) {
  const double seconds = static_cast<double>(hours) * 3600.0;
  if (!(seconds > 0.0)) return 0;
  if (seconds >= 4294967296.0) return UINT32_MAX;
  return static_cast<std::uint32_t>(seconds);
}

}  // namespace

MarchResult ComputeMarch(People people, const UnitTicks& ticked, std::int32_t ownX,
                         std::int32_t ownY, std::int32_t targetX, std::int32_t targetY,
                         std::int32_t trainingLevel) {
  MarchResult result;
  result.slowestSpeed = SlowestSpeed(people, ticked);

  // Squares summed in double cannot overflow for unchecked coordinates; within
  // -500..500 every step is exact, so this equals the integer sum.
  const auto dx = static_cast<double>(std::llabs(std::int64_t{ownX} - targetX));
  const auto dy = static_cast<double>(std::llabs(std::int64_t{ownY} - targetY));
  const double sumOfSquares = dx * dx + dy * dy;

  const double root = std::sqrt(sumOfSquares);
  result.distance = static_cast<float>(root);

  const double d = static_cast<double>(result.distance);
  const double v = static_cast<double>(result.slowestSpeed);
  if (root < kShortMarchCells) {
    result.travelHours = static_cast<float>(d / v);
  } else {
    const double l = static_cast<double>(trainingLevel);
    double factor = l * 10.0;
    factor = factor + 100.0;
    factor = factor * v;
    factor = factor * kPercent;
    const double beyond = (d - kShortMarchCells) / factor;
    const double first = kShortMarchCells / v;
    result.travelHours = static_cast<float>(beyond + first);
  }
  result.travelSeconds = WholeSeconds(result.travelHours);
  return result;
}

ClockForm ToClockForm(std::uint32_t travelSeconds) {
  return {travelSeconds / 3600u, (travelSeconds / 60u) % 60u, travelSeconds % 60u};
}

std::uint32_t FromClockForm(const ClockForm& clock) {
  return (clock.hours * 60u + clock.minutes) * 60u + clock.seconds;
}

}  // namespace menetkalk
