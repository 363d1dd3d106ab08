#include "cli/march_arguments.h"

#include <optional>
#include <string_view>
#include <vector>

#include "cli/catalogue_lookup.h"
#include "cli/decimal_int.h"

namespace menetkalk::cli {
namespace {

constexpr std::int32_t kHighestLevel = 20;

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const auto at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

std::string Quoted(std::string_view text) { return '"' + std::string(text) + '"'; }

RequestOrProblem Problem(std::string text) { return {{}, std::move(text)}; }

// Split at the first comma only: the texts go to the coordinate checks as
// typed, and a further comma makes one of them fail there as in the dialog.
bool SplitCoordinates(std::string_view text, std::string& x, std::string& y) {
  const auto comma = text.find(',');
  if (comma == std::string_view::npos) return false;
  x = text.substr(0, comma);
  y = text.substr(comma + 1);
  return true;
}

}  // namespace

RequestOrProblem BuildRequest(const MarchArguments& arguments) {
  MarchRequest request;

  const auto people = LookUpPeople(arguments.people);
  if (!people) return Problem("--people: no people " + Quoted(arguments.people) + " (" + PeopleChoices() + ")");
  request.people = *people;

  if (!arguments.units.empty()) {
    for (const std::string_view item : SplitAt(arguments.units, ',')) {
      const auto unit = LookUpUnit(request.people, item);
      if (!unit)
        return Problem("--units: no unit " + Quoted(item) + " (" + UnitChoices(request.people) + ")");
      request.ticked[static_cast<std::size_t>(*unit)] = true;
    }
  }

  if (!SplitCoordinates(arguments.own, request.ownXText, request.ownYText))
    return Problem("--own: " + Quoted(arguments.own) + " is not two coordinates X,Y");
  if (!SplitCoordinates(arguments.target, request.targetXText, request.targetYText))
    return Problem("--target: " + Quoted(arguments.target) + " is not two coordinates X,Y");

  const auto level = ParseDecimalInt(arguments.level);
  if (!level || *level < 0 || *level > kHighestLevel)
    return Problem("--level: " + Quoted(arguments.level) + " is not a training-ground level 0..20");
  request.trainingLevel = *level;

  const auto fields = SplitAt(arguments.arrival, ':');
  std::vector<std::int32_t> clock;
  for (const std::string_view field : fields) {
    if (const auto value = ParseDecimalInt(field)) clock.push_back(*value);
  }
  if (fields.size() != 3 || clock.size() != 3)
    return Problem("--arrival: " + Quoted(arguments.arrival) + " is not three integers H:M:S");
  request.arrivalHour = clock[0];
  request.arrivalMinute = clock[1];
  request.arrivalSecond = clock[2];

  const auto day = LookUpWeekday(arguments.day);
  if (!day) return Problem("--day: no weekday " + Quoted(arguments.day) + " (" + WeekdayChoices() + ")");
  request.arrivalDay = *day;

  return {request, {}};
}

}  // namespace menetkalk::cli
