#include "core/input_checks.h"

#include <algorithm>

namespace menetkalk {

std::optional<std::int32_t> IsCanonicalInt(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  const std::string_view digits = negative ? text.substr(1) : text;
  if (digits.empty() || digits.size() > 10) return std::nullopt;
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  if (digits.front() == '0' && (digits.size() > 1 || negative)) return std::nullopt;

  std::int64_t magnitude = 0;
  for (char c : digits) magnitude = magnitude * 10 + (c - '0');
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::optional<Coordinates> ParseCoordinateTexts(const CoordinateTexts& texts) {
  // All four are parsed even after a failure; the outcome is the same either way.
  const auto ownX = IsCanonicalInt(texts.ownX);
  const auto ownY = IsCanonicalInt(texts.ownY);
  const auto targetX = IsCanonicalInt(texts.targetX);
  const auto targetY = IsCanonicalInt(texts.targetY);
  if (!ownX || !ownY || !targetX || !targetY) return std::nullopt;
  return Coordinates{*ownX, *ownY, *targetX, *targetY};
}

CheckResult CheckCoordinateTexts(const CoordinateTexts& texts) {
  if (!ParseCoordinateTexts(texts)) return kCoordinateTextMessage;
  return std::nullopt;
}

CheckResult CheckCoordinateRange(const Coordinates& values) {
  for (std::int32_t v : {values.ownX, values.ownY, values.targetX, values.targetY}) {
    if (v < -kCoordinateLimit || v > kCoordinateLimit) return kCoordinateRangeMessage;
  }
  return std::nullopt;
}

CheckResult CheckTickedUnits(const UnitTicks& ticked) {
  if (std::none_of(ticked.begin(), ticked.end(), [](bool t) { return t; })) return kNoUnitTickedMessage;
  return std::nullopt;
}

CheckResult CheckArrivalTime(std::int32_t hour, std::int32_t minute, std::int32_t second) {
  // The last failing field names the message: second before minute before hour.
  if (second < 0 || second > 59) return kArrivalSecondMessage;
  if (minute < 0 || minute > 59) return kArrivalMinuteMessage;
  if (hour < 0 || hour > 23) return kArrivalHourMessage;
  return std::nullopt;
}

}  // namespace menetkalk
