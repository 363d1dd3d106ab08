// The calculate command without its window: one request in, one message or
// the six-line report out.
#pragma once

#include <cstdint>
#include <string>

#include "core/march.h"

namespace menetkalk {

struct MarchRequest {
  People people = 0;
  UnitTicks ticked{};
  std::string ownXText;
  std::string ownYText;
  std::string targetXText;
  std::string targetYText;
  std::int32_t trainingLevel = 0;
  std::int32_t arrivalHour = 0;
  std::int32_t arrivalMinute = 0;
  std::int32_t arrivalSecond = 0;
  std::int32_t arrivalDay = 0;  // weekday, 0 = Monday
};

// Exactly one of message and report is non-empty; saveInputs goes with the report.
struct CalculateOutcome {
  std::string message;
  std::string report;
  bool saveInputs = false;
};

CalculateOutcome RunCalculate(const MarchRequest& request);

}  // namespace menetkalk
