// Peoples, units and weekdays given on the command line either by index or
// by the name the dialog shows, looked up in the core's tables.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/catalogue.h"

namespace menetkalk::cli {

std::optional<People> LookUpPeople(std::string_view text);
// Unit names repeat across peoples ("Felderito"), so a name counts only
// within the given people.
std::optional<std::int32_t> LookUpUnit(People people, std::string_view text);
std::optional<std::int32_t> LookUpWeekday(std::string_view text);

// What each lookup accepts, for messages and the usage text:
// "0..2 or Romai, German, Gall".
std::string PeopleChoices();
std::string UnitChoices(People people);
std::string WeekdayChoices();

}  // namespace menetkalk::cli
