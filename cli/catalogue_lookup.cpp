#include "cli/catalogue_lookup.h"

#include <functional>

#include "cli/decimal_int.h"

namespace menetkalk::cli {
namespace {

using NameOf = std::function<std::optional<std::string_view>(std::int32_t index)>;

// An index in 0..count-1, or the first index whose name is the text.
std::optional<std::int32_t> LookUp(std::string_view text, std::int32_t count,
                                   const NameOf& nameOf) {
  if (const auto index = ParseDecimalInt(text)) {
    if (nameOf(*index)) return index;
    return std::nullopt;
  }
  for (std::int32_t index = 0; index < count; ++index) {
    if (nameOf(index) == text) return index;
  }
  return std::nullopt;
}

std::string Choices(std::int32_t count, const NameOf& nameOf) {
  std::string text = "0.." + std::to_string(count - 1) + " or ";
  for (std::int32_t index = 0; index < count; ++index) {
    if (index > 0) text += ", ";
    text += nameOf(index).value_or("");
  }
  return text;
}

std::optional<std::string_view> UnitName(People people, std::int32_t unit) {
  if (const auto found = FindUnit(people, unit)) return found->name;
  return std::nullopt;
}

}  // namespace

std::optional<People> LookUpPeople(std::string_view text) {
  return LookUp(text, kPeopleCount, PeopleName);
}

std::optional<std::int32_t> LookUpUnit(People people, std::string_view text) {
  return LookUp(text, kUnitsPerPeople, [people](std::int32_t unit) { return UnitName(people, unit); });
}

std::optional<std::int32_t> LookUpWeekday(std::string_view text) {
  return LookUp(text, kWeekdayCount, WeekdayName);
}

std::string PeopleChoices() {
  return Choices(kPeopleCount, PeopleName);
}

std::string UnitChoices(People people) {
  return Choices(kUnitsPerPeople, [people](std::int32_t unit) { return UnitName(people, unit); });
}

std::string WeekdayChoices() {
  return Choices(kWeekdayCount, WeekdayName);
}

}  // namespace menetkalk::cli
