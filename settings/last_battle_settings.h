// The inputs of the last calculation that succeeded, remembered between runs
// in the profile section "LastBattle".
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "settings/profile_store.h"

namespace menetkalk {

// Field initializers are the first-run values.
struct LastBattleSettings {
  std::int32_t ownX = 0;
  std::int32_t ownY = 0;
  std::int32_t targetX = 0;
  std::int32_t targetY = 0;
  std::int32_t arrivalHour = 20;
  std::int32_t arrivalMinute = 14;
  std::int32_t arrivalSecond = 58;
  std::int32_t people = 0;
  std::int32_t arrivalDay = 0;
  std::int32_t trainingLevel = 0;

  friend bool operator==(const LastBattleSettings&, const LastBattleSettings&) = default;
};

inline constexpr std::string_view kLastBattleSection = "LastBattle";

struct LastBattleEntry {
  std::string_view entry;
  std::int32_t LastBattleSettings::*field;
};

// The one list that loading and saving both walk, in the order they do.
inline constexpr std::array<LastBattleEntry, 10> kLastBattleEntries{{
    {"SajatX", &LastBattleSettings::ownX},
    {"SajatY", &LastBattleSettings::ownY},
    {"CelX", &LastBattleSettings::targetX},
    {"CelY", &LastBattleSettings::targetY},
    {"COra", &LastBattleSettings::arrivalHour},
    {"CPerc", &LastBattleSettings::arrivalMinute},
    {"CMasod", &LastBattleSettings::arrivalSecond},
    {"Nep", &LastBattleSettings::people},
    {"HetNap", &LastBattleSettings::arrivalDay},
    {"Gyakorlo", &LastBattleSettings::trainingLevel},
}};

// Never fails as a whole: an entry that cannot be read takes its default.
LastBattleSettings LoadLastBattle(ProfileStore& store);

// Writes every entry; a failed write neither stops the others nor is reported.
void SaveLastBattle(ProfileStore& store, const LastBattleSettings& settings);

}  // namespace menetkalk
