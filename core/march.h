// Distance, slowest speed and travel time of one march, fixed to the bit:
// each step is a single IEEE double operation in a set order, so the compiler
// must not fuse anything (the build passes -ffp-contract=off).
#pragma once

#include <array>
#include <cstdint>

#include "core/catalogue.h"

namespace menetkalk {

using UnitTicks = std::array<bool, kUnitsPerPeople>;

struct MarchResult {
  float distance = 0.0f;           // cells
  std::int32_t slowestSpeed = 0;   // cells per hour
  float travelHours = 0.0f;
  std::uint32_t travelSeconds = 0;
};

// Travel time as the report prints it; hours are not folded into days.
struct ClockForm {
  std::uint32_t hours = 0;
  std::uint32_t minutes = 0;
  std::uint32_t seconds = 0;
};

// Expects coordinates already checked to -500..500. A people outside its
// table ticks nothing (speed stays at the starting 20); a training level
// whose speed factor is not positive saturates instead of overflowing.
MarchResult ComputeMarch(People people, const UnitTicks& ticked, std::int32_t ownX,
                         std::int32_t ownY, std::int32_t targetX, std::int32_t targetY,
                         std::int32_t trainingLevel);

ClockForm ToClockForm(std::uint32_t travelSeconds);
std::uint32_t FromClockForm(const ClockForm& clock);

}  // namespace menetkalk
