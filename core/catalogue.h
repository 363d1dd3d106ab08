// The game's fixed tables: peoples, their nine units with marching speeds,
// and the weekday names. Lookups outside a table yield nothing rather than
// reading past it, since stale stored settings can carry any index.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace menetkalk {

using People = std::int32_t;

inline constexpr int kPeopleCount = 3;
inline constexpr int kUnitsPerPeople = 9;
inline constexpr int kWeekdayCount = 7;

struct UnitSpec {
  std::string_view name;
  std::int32_t speed;  // cells per hour
};

// Flat layout: entry people * kUnitsPerPeople + unit.
extern const std::array<UnitSpec, kPeopleCount * kUnitsPerPeople> UnitCatalogue;
extern const std::array<std::string_view, kPeopleCount> PeopleNames;
extern const std::array<std::string_view, kWeekdayCount> WeekdayNames;

constexpr bool IsValidPeople(std::int32_t people) { return people >= 0 && people < kPeopleCount; }
constexpr bool IsValidUnit(std::int32_t unit) { return unit >= 0 && unit < kUnitsPerPeople; }
constexpr bool IsValidWeekday(std::int32_t weekday) { return weekday >= 0 && weekday < kWeekdayCount; }

std::optional<std::string_view> PeopleName(People people);
std::optional<UnitSpec> FindUnit(People people, std::int32_t unit);
std::optional<std::string_view> WeekdayName(std::int32_t weekday);

}  // namespace menetkalk
