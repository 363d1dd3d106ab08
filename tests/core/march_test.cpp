#include "core/march.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace menetkalk {
namespace {

UnitTicks Ticks(const std::vector<int>& units) {
  UnitTicks ticks{};
  for (int u : units) ticks[static_cast<std::size_t>(u)] = true;
  return ticks;
}

struct MarchCase {
  People people;
  std::vector<int> units;
  int ownX, ownY, targetX, targetY, level;
  float distance;
  int slowest;
  float hours;
  std::uint32_t seconds;
  ClockForm clock;
};

class MarchTable : public testing::TestWithParam<MarchCase> {};

TEST_P(MarchTable, ExactToTheBit) {
  const MarchCase& c = GetParam();
  const MarchResult r = ComputeMarch(c.people, Ticks(c.units), c.ownX, c.ownY, c.targetX, c.targetY, c.level);
  EXPECT_EQ(r.distance, c.distance);
  EXPECT_EQ(r.slowestSpeed, c.slowest);
  EXPECT_EQ(r.travelHours, c.hours);
  EXPECT_EQ(r.travelSeconds, c.seconds);
  const ClockForm clock = ToClockForm(r.travelSeconds);
  EXPECT_EQ(clock.hours, c.clock.hours);
  EXPECT_EQ(clock.minutes, c.clock.minutes);
  EXPECT_EQ(clock.seconds, c.clock.seconds);
  EXPECT_EQ(FromClockForm(clock), r.travelSeconds);
}

INSTANTIATE_TEST_SUITE_P(
    Marches, MarchTable,
    testing::Values(
        // single(5/6) lies below 5/6: 2999 s, not 3000
        MarchCase{0, {0}, 0, 0, 3, 4, 0, 5.0f, 6, 0.8333333134651184f, 2999, {0, 49, 59}},
        // 276.92 s cut, not rounded
        MarchCase{2, {5}, 0, 0, 0, 1, 7, 1.0f, 13, 0.07692307978868484f, 276, {0, 4, 36}},
        // the single-precision 0.01 gives 16400 where an exact 0.01 would give 16399
        MarchCase{1, {3}, 0, 0, 0, 41, 0, 41.0f, 9, 4.555555820465088f, 16400, {4, 33, 20}},
        MarchCase{1, {4, 7}, 10, 10, -20, 50, 5, 50.0f, 3, 14.44444465637207f, 52000, {14, 26, 40}},
        // exactly 30 cells takes the training-ground rule; the level has no effect
        MarchCase{2, {0}, 0, 0, 18, 24, 20, 30.0f, 7, 4.285714149475098f, 15428, {4, 17, 8}},
        MarchCase{2, {0}, 0, 0, 18, 24, 0, 30.0f, 7, 4.285714149475098f, 15428, {4, 17, 8}},
        MarchCase{1, {0, 1}, 0, 0, 97, 511, 3, 520.125f, 7, 58.145606994628906f, 209324, {58, 8, 44}},
        MarchCase{2, {3}, -500, -500, 500, 500, 20, 1414.213623046875f, 19, 25.8633975982666f, 93108,
                  {25, 51, 48}},
        MarchCase{0, {0, 3, 7}, -500, -500, 500, 500, 0, 1414.213623046875f, 3, 471.404541015625f, 1697056,
                  {471, 24, 16}},
        MarchCase{0, {3}, 7, -7, 7, -7, 20, 0.0f, 16, 0.0f, 0, {0, 0, 0}}));

TEST(March, NoWrapAroundAtTheMapEdge) {
  const MarchResult r = ComputeMarch(0, Ticks({0}), -500, 0, 500, 0, 0);
  EXPECT_EQ(r.distance, 1000.0f);
}

TEST(March, FasterUnitsChangeNothing) {
  const MarchResult slow = ComputeMarch(0, Ticks({7}), 0, 0, 100, 100, 10);
  const MarchResult mixed = ComputeMarch(0, Ticks({0, 3, 4, 7, 8}), 0, 0, 100, 100, 10);
  EXPECT_EQ(mixed.slowestSpeed, 3);
  EXPECT_EQ(mixed.travelSeconds, slow.travelSeconds);
}

TEST(March, LevelMinusOneMarchesSlowerThanLevelZeroBeyondThirtyCells) {
  const MarchResult level0 = ComputeMarch(1, Ticks({3}), 0, 0, 0, 41, 0);
  const MarchResult levelMinus1 = ComputeMarch(1, Ticks({3}), 0, 0, 0, 41, -1);
  // F = 90 * 9 * c; Q1 = 11 / F; plus 30 / 9
  const double c = 0.00999999977648258209228515625;
  const float expected = static_cast<float>(11.0 / ((90.0 * 9.0) * c) + 30.0 / 9.0);
  EXPECT_EQ(levelMinus1.travelHours, expected);
  EXPECT_GT(levelMinus1.travelSeconds, level0.travelSeconds);
  // within 30 cells the level plays no part at all
  EXPECT_EQ(ComputeMarch(1, Ticks({3}), 0, 0, 0, 29, -1).travelSeconds,
            ComputeMarch(1, Ticks({3}), 0, 0, 0, 29, 20).travelSeconds);
}

TEST(March, UnusableInputsStayDefined) {
  // A people with no catalogue row reads no speed; a level that zeroes or
  // negates the speed factor saturates rather than overflowing.
  EXPECT_EQ(ComputeMarch(-1, Ticks({0}), 0, 0, 3, 4, 0).slowestSpeed, 20);
  EXPECT_EQ(ComputeMarch(0, Ticks({0}), 0, 0, 100, 0, -10).travelSeconds, UINT32_MAX);
  EXPECT_EQ(ComputeMarch(0, Ticks({0}), 0, 0, 30, 0, -10).travelSeconds, 0u);  // 0 / 0 is NaN
  EXPECT_EQ(ComputeMarch(0, Ticks({0}), 0, 0, 100, 0, -11).travelSeconds, 0u);
  EXPECT_FLOAT_EQ(ComputeMarch(0, Ticks({0}), INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0).distance,
                  static_cast<float>(std::sqrt(2.0) * 4294967295.0));
}

}  // namespace
}  // namespace menetkalk
