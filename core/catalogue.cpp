#include "core/catalogue.h"

namespace menetkalk {

const std::array<UnitSpec, kPeopleCount * kUnitsPerPeople> UnitCatalogue = {{
    // Romai
    {"Legio", 6},
    {"Testorseg", 5},
    {"Birodalmi", 7},
    {"Equites Legati", 16},
    {"Equites Imperatoris", 14},
    {"Equites Caesaris", 10},
    {"Faltoro kos", 4},
    {"Tuzkatapult", 3},
    {"Szenator", 4},
    // German
    {"Buzoganyos", 7},
    {"Landzsas", 7},
    {"Csatabardos", 6},
    {"Felderito", 9},
    {"Paladin", 10},
    {"Teuton lovag", 9},
    {"Faltoro kos", 4},
    {"Katapult", 3},
    {"Torzsi vezeto", 4},
    // Gall
    {"Phalanx", 7},
    {"Kardos", 6},
    {"Felderito", 17},
    {"Theutat Villam", 19},
    {"Druida lovas", 16},
    {"Haeduan", 13},
    {"Falrombolo", 4},
    {"Harci-katapult", 3},
    {"Fonok", 5},
}};

const std::array<std::string_view, kPeopleCount> PeopleNames = {"Romai", "German", "Gall"};

const std::array<std::string_view, kWeekdayCount> WeekdayNames = {
    "Hetfo", "Kedd", "Szerda", "Csutortok", "Pentek", "Szombat", "Vasarnap"};

std::optional<std::string_view> PeopleName(People people) {
  if (!IsValidPeople(people)) return std::nullopt;
  return PeopleNames[static_cast<std::size_t>(people)];
}

std::optional<UnitSpec> FindUnit(People people, std::int32_t unit) {
  if (!IsValidPeople(people) || !IsValidUnit(unit)) return std::nullopt;
  return UnitCatalogue[static_cast<std::size_t>(people * kUnitsPerPeople + unit)];
}

std::optional<std::string_view> WeekdayName(std::int32_t weekday) {
  if (!IsValidWeekday(weekday)) return std::nullopt;
  return WeekdayNames[static_cast<std::size_t>(weekday)];
}

}  // namespace menetkalk
