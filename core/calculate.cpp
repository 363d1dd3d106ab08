#include "core/calculate.h"

#include <string_view>

#include "core/fixed_format.h"
#include "core/input_checks.h"
#include "core/week_clock.h"

namespace menetkalk {
namespace {

// The dialog passes -1 for a level list without a selection; it enters the
// formula as it is. Anything further out would make the speed factor zero or
// negative.
constexpr std::int32_t kLowestTrainingLevel = -1;
constexpr std::int32_t kHighestTrainingLevel = 20;

CalculateOutcome Refuse(std::string_view message) { return {std::string(message), {}, false}; }

std::string TwoDigits(std::uint32_t value) {
  std::string text = std::to_string(value);
  if (text.size() < 2) text.insert(0, 1, '0');
  return text;
}

std::string ClockText(std::uint32_t hours, std::uint32_t minutes, std::uint32_t seconds) {
  return std::to_string(hours) + ':' + TwoDigits(minutes) + ':' + TwoDigits(seconds);
}

}  // namespace

CalculateOutcome RunCalculate(const MarchRequest& request) {
  const auto coordinates = ParseCoordinateTexts(
      {request.ownXText, request.ownYText, request.targetXText, request.targetYText});
  if (!coordinates) return Refuse(kCoordinateTextMessage);
  if (auto failed = CheckCoordinateRange(*coordinates)) return Refuse(*failed);
  if (auto failed = CheckTickedUnits(request.ticked)) return Refuse(*failed);
  if (!IsValidPeople(request.people)) return Refuse(kPeopleMissingMessage);
  if (request.trainingLevel < kLowestTrainingLevel || request.trainingLevel > kHighestTrainingLevel)
    return Refuse(kTrainingLevelMessage);

  const MarchResult march = ComputeMarch(request.people, request.ticked, coordinates->ownX, coordinates->ownY,
                                         coordinates->targetX, coordinates->targetY, request.trainingLevel);
  const ClockForm travel = ToClockForm(march.travelSeconds);
  std::string report;
  report += "Tavolsag: " + FormatFixed2(march.distance) + " cella\r\n";
  report += "Sebesseg: " + std::to_string(march.slowestSpeed) + " cella / ora\r\n";
  report += "Ut-ido: " + ClockText(travel.hours, travel.minutes, travel.seconds) + "\r\n";
  report += "-----------------------------------\r\n";

  if (auto failed = CheckArrivalTime(request.arrivalHour, request.arrivalMinute, request.arrivalSecond))
    return Refuse(*failed);
  if (!IsValidWeekday(request.arrivalDay)) return Refuse(kArrivalDayMissingMessage);

  const WeekClock launch = CountBackLaunch(
      {request.arrivalHour, request.arrivalMinute, request.arrivalSecond, request.arrivalDay},
      FromClockForm(travel));
  const auto u = [](std::int32_t v) { return static_cast<std::uint32_t>(v); };
  report += "Ekkor kell inditani:\r\n";
  report += ClockText(u(launch.hour), u(launch.minute), u(launch.second)) + " [" +
            std::string(WeekdayNames[static_cast<std::size_t>(launch.weekday)]) + "]\r\n";
  return {{}, std::move(report), true};
}

}  // namespace menetkalk
