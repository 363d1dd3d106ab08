#include "core/week_clock.h"

#include <gtest/gtest.h>

namespace menetkalk {
namespace {

// The reference walk, one second at a time, for cross-checking the modular form.
WeekClock WalkBack(WeekClock t, std::uint32_t seconds) {
  for (std::uint32_t i = 0; i < seconds; ++i) {
    if (t.second > 0) {
      --t.second;
    } else if (t.minute > 0) {
      --t.minute;
      t.second = 59;
    } else if (t.hour > 0) {
      --t.hour;
      t.minute = t.second = 59;
    } else {
      t.hour = 23;
      t.minute = t.second = 59;
      t.weekday = t.weekday <= 0 ? 6 : t.weekday - 1;
    }
  }
  return t;
}

struct CountBackCase {
  WeekClock arrival;
  std::uint32_t travel;
  WeekClock launch;
};

class CountBackTable : public testing::TestWithParam<CountBackCase> {};

TEST_P(CountBackTable, LaunchMoment) {
  const CountBackCase& c = GetParam();
  EXPECT_EQ(CountBackLaunch(c.arrival, c.travel), c.launch);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, CountBackTable,
    testing::Values(CountBackCase{{20, 0, 0, 0}, 2999, {19, 10, 1, 0}},
                    CountBackCase{{0, 0, 10, 0}, 2250, {23, 22, 40, 6}},      // across midnight into Sunday
                    CountBackCase{{0, 0, 0, 0}, 1, {23, 59, 59, 6}},
                    CountBackCase{{3, 0, 0, 6}, 259201, {2, 59, 59, 3}},
                    CountBackCase{{12, 0, 0, 2}, 1697056, {20, 35, 44, 3}},    // two weeks and more
                    CountBackCase{{8, 15, 30, 4}, 0, {8, 15, 30, 4}},
                    CountBackCase{{8, 15, 30, 4}, 604800, {8, 15, 30, 4}},     // a whole week
                    CountBackCase{{23, 59, 59, 6}, UINT32_MAX, {17, 31, 44, 3}}));

TEST(CountBack, AgreesWithTheSecondBySecondWalk) {
  // Spread over the week and over travel times up to several weeks.
  for (std::int32_t weekday = 0; weekday < 7; ++weekday) {
    for (std::int32_t hour : {0, 1, 13, 23}) {
      const WeekClock arrival{hour, hour == 0 ? 0 : 59, hour == 13 ? 0 : 59, weekday};
      for (std::uint32_t travel : {0u, 1u, 59u, 60u, 3599u, 3600u, 86399u, 86400u, 604799u, 604801u, 1697056u}) {
        EXPECT_EQ(CountBackLaunch(arrival, travel), WalkBack(arrival, travel))
            << weekday << " " << hour << " " << travel;
      }
    }
  }
}

}  // namespace
}  // namespace menetkalk
