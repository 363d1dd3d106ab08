// What the calculate command checks before it reports, and the exact texts
// the user sees when a check fails.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/march.h"

namespace menetkalk {

inline constexpr std::string_view kCoordinateTextMessage =
    "A sajat vagy a cel koordinatai nem jol vannak kitoltve";
inline constexpr std::string_view kCoordinateRangeMessage =
    "A sajat vagy a cel koordinatai a kovetkezo intervallumban lehetnek csak [-500 .. 500]";
inline constexpr std::string_view kNoUnitTickedMessage =
    "A mozgo csapatoban nincs megadva egy egyseg sem.\n"
    "Az Egyseg listaban a bal oszlopban jelold be, hogy mely egysegek mozognak!";
inline constexpr std::string_view kArrivalHourMessage = "Erkezesi ido [ora] nem megfelelo (0..23)!";
inline constexpr std::string_view kArrivalMinuteMessage = "Erkezesi ido [perc] nem megfelelo (0..59)!";
inline constexpr std::string_view kArrivalSecondMessage =
    "Erkezesi ido [masodperc] nem megfelelo (0..59)!";

// Our own refusals for indices that no list entry stands for (only stale
// stored settings can produce them); computing with a guessed entry would
// give a plausible but wrong launch time.
inline constexpr std::string_view kPeopleMissingMessage = "Nincs kivalasztva a nep (Romai, German, Gall)!";
inline constexpr std::string_view kTrainingLevelMessage = "A gyakorloter szintje nem megfelelo (0..20)!";
inline constexpr std::string_view kArrivalDayMissingMessage = "Nincs kivalasztva az erkezes napja!";

inline constexpr std::int32_t kCoordinateLimit = 500;

// True exactly for the text "%d" writes for some 32-bit integer.
std::optional<std::int32_t> IsCanonicalInt(std::string_view text);

using CheckResult = std::optional<std::string_view>;  // the message, if failed

struct CoordinateTexts {
  std::string_view ownX, ownY, targetX, targetY;
};
struct Coordinates {
  std::int32_t ownX = 0, ownY = 0, targetX = 0, targetY = 0;
};

// On success the checked values come back for the range check.
std::optional<Coordinates> ParseCoordinateTexts(const CoordinateTexts& texts);
CheckResult CheckCoordinateTexts(const CoordinateTexts& texts);
CheckResult CheckCoordinateRange(const Coordinates& values);
CheckResult CheckTickedUnits(const UnitTicks& ticked);
CheckResult CheckArrivalTime(std::int32_t hour, std::int32_t minute, std::int32_t second);

}  // namespace menetkalk
