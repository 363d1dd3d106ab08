#include "core/input_checks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace menetkalk {
namespace {

TEST(IsCanonicalInt, AcceptsExactlyWhatPercentDWrites) {
  const std::pair<const char*, std::int32_t> good[] = {
      {"0", 0},     {"7", 7},   {"-3", -3}, {"500", 500}, {"-500", -500}, {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN}};
  for (const auto& [text, value] : good) {
    ASSERT_TRUE(IsCanonicalInt(text)) << text;
    EXPECT_EQ(*IsCanonicalInt(text), value) << text;
  }
  for (const char* bad : {"", "-", "+5", " 5", "5 ", "05", "-05", "-0", "00", "5.0", "1e2", "5-", "five",
                          "--5", "2147483648", "-2147483649", "99999999999", "12345678901", "0x10"}) {
    EXPECT_FALSE(IsCanonicalInt(bad)) << '"' << bad << '"';
  }
  EXPECT_FALSE(IsCanonicalInt(std::string_view("5\0", 2)));
}

TEST(IsCanonicalInt, RoundTripsThroughPrintf) {
  for (std::int64_t v = INT32_MIN; v <= INT32_MAX; v += 9876543) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(v));
    EXPECT_EQ(IsCanonicalInt(text), static_cast<std::int32_t>(v)) << text;
  }
}

TEST(InputChecks, CoordinateTextsFailOnceWhicheverIsWrong) {
  EXPECT_EQ(CheckCoordinateTexts({"0", "0", "0", "0"}), std::nullopt);
  EXPECT_EQ(CheckCoordinateTexts({"abc", "0", "0", "900"}), kCoordinateTextMessage);
  EXPECT_EQ(CheckCoordinateTexts({"1", "2", "3", "05"}), kCoordinateTextMessage);
  EXPECT_EQ(CheckCoordinateTexts({"", "", "", ""}), kCoordinateTextMessage);
}

TEST(InputChecks, CoordinateRangeIncludesBothEnds) {
  EXPECT_EQ(CheckCoordinateRange({-500, 500, 0, -500}), std::nullopt);
  EXPECT_EQ(CheckCoordinateRange({501, 0, 0, 0}), kCoordinateRangeMessage);
  EXPECT_EQ(CheckCoordinateRange({0, 0, 0, -501}), kCoordinateRangeMessage);
  EXPECT_EQ(CheckCoordinateRange({600, -700, 0, 0}), kCoordinateRangeMessage);
  EXPECT_EQ(CheckCoordinateRange({0, 0, INT32_MAX, 0}), kCoordinateRangeMessage);
}

TEST(InputChecks, TickedUnits) {
  UnitTicks ticks{};
  EXPECT_EQ(CheckTickedUnits(ticks), kNoUnitTickedMessage);
  ticks[8] = true;
  EXPECT_EQ(CheckTickedUnits(ticks), std::nullopt);
}

TEST(InputChecks, ArrivalTimeLastFailingFieldWins) {
  struct Case {
    int hour, minute, second;
    CheckResult expected;
  };
  const Case cases[] = {
      {24, 0, 0, kArrivalHourMessage},     {24, 0, 60, kArrivalSecondMessage},
      {-1, 75, 0, kArrivalMinuteMessage},  {-1, 0, 0, kArrivalHourMessage},
      {0, -1, 0, kArrivalMinuteMessage},   {0, 0, -1, kArrivalSecondMessage},
      {99, 99, 99, kArrivalSecondMessage}, {23, 59, 59, std::nullopt},
      {0, 0, 0, std::nullopt},             {INT32_MIN, INT32_MAX, 0, kArrivalMinuteMessage},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckArrivalTime(c.hour, c.minute, c.second), c.expected)
        << c.hour << ":" << c.minute << ":" << c.second;
  }
}

TEST(InputChecks, UnitMessageIsTwoLinesJoinedByALineFeed) {
  EXPECT_EQ(kNoUnitTickedMessage.find('\r'), std::string_view::npos);
  EXPECT_EQ(kNoUnitTickedMessage.find('\n'), std::string_view("A mozgo csapatoban nincs megadva egy egyseg sem.").size());
}

}  // namespace
}  // namespace menetkalk
