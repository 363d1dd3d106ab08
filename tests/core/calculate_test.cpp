#include "core/calculate.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "core/input_checks.h"

namespace menetkalk {
namespace {

MarchRequest Request(People people, std::initializer_list<int> units, const char* ownX, const char* ownY,
                     const char* targetX, const char* targetY, int level, int hour, int minute, int second,
                     int day) {
  MarchRequest r;
  r.people = people;
  for (int u : units) r.ticked[static_cast<std::size_t>(u)] = true;
  r.ownXText = ownX;
  r.ownYText = ownY;
  r.targetXText = targetX;
  r.targetYText = targetY;
  r.trainingLevel = level;
  r.arrivalHour = hour;
  r.arrivalMinute = minute;
  r.arrivalSecond = second;
  r.arrivalDay = day;
  return r;
}

void ExpectReport(const MarchRequest& request, const std::string& report) {
  const CalculateOutcome outcome = RunCalculate(request);
  EXPECT_EQ(outcome.message, "");
  EXPECT_EQ(outcome.report, report);
  EXPECT_TRUE(outcome.saveInputs);
}

void ExpectMessage(const MarchRequest& request, std::string_view message) {
  const CalculateOutcome outcome = RunCalculate(request);
  EXPECT_EQ(outcome.message, message);
  EXPECT_EQ(outcome.report, "");
  EXPECT_FALSE(outcome.saveInputs);
}

TEST(RunCalculate, FullReports) {
  ExpectReport(Request(0, {0}, "0", "0", "3", "4", 0, 20, 0, 0, 0),
               "Tavolsag:    5.00 cella\r\n"
               "Sebesseg: 6 cella / ora\r\n"
               "Ut-ido: 0:49:59\r\n"
               "-----------------------------------\r\n"
               "Ekkor kell inditani:\r\n"
               "19:10:01 [Hetfo]\r\n");
  // 520.125 cells: the tie rounds up
  ExpectReport(Request(1, {0, 1}, "0", "-11", "97", "500", 3, 0, 0, 0, 0),
               "Tavolsag:  520.13 cella\r\n"
               "Sebesseg: 7 cella / ora\r\n"
               "Ut-ido: 58:08:44\r\n"
               "-----------------------------------\r\n"
               "Ekkor kell inditani:\r\n"
               "13:51:16 [Pentek]\r\n");
  ExpectReport(Request(0, {0, 3, 7}, "-500", "-500", "500", "500", 0, 12, 0, 0, 2),
               "Tavolsag: 1414.21 cella\r\n"
               "Sebesseg: 3 cella / ora\r\n"
               "Ut-ido: 471:24:16\r\n"
               "-----------------------------------\r\n"
               "Ekkor kell inditani:\r\n"
               "20:35:44 [Csutortok]\r\n");
}

TEST(RunCalculate, DistanceTieAndSameVillage) {
  const CalculateOutcome tie = RunCalculate(Request(2, {8}, "-6", "-288", "6", "288", 0, 0, 0, 0, 0));
  EXPECT_EQ(tie.report.substr(0, 25), "Tavolsag:  576.13 cella\r\n");
  ExpectReport(Request(2, {4}, "-3", "9", "-3", "9", 7, 8, 15, 30, 4),
               "Tavolsag:    0.00 cella\r\n"
               "Sebesseg: 16 cella / ora\r\n"
               "Ut-ido: 0:00:00\r\n"
               "-----------------------------------\r\n"
               "Ekkor kell inditani:\r\n"
               "8:15:30 [Pentek]\r\n");
}

TEST(RunCalculate, FirstFailingCheckNamesTheMessage) {
  // text before range before units before arrival
  ExpectMessage(Request(0, {}, "05", "0", "0", "0", 0, 99, 0, 0, 0), kCoordinateTextMessage);
  ExpectMessage(Request(0, {}, "abc", "0", "0", "900", 0, 99, 0, 0, 0), kCoordinateTextMessage);
  ExpectMessage(Request(0, {}, "0", "0", "97", "511", 0, 99, 0, 0, 0), kCoordinateRangeMessage);
  ExpectMessage(Request(1, {0, 1}, "0", "0", "97", "511", 3, 0, 0, 0, 0), kCoordinateRangeMessage);
  ExpectMessage(Request(0, {}, "0", "0", "1", "1", 0, 99, 0, 0, 0), kNoUnitTickedMessage);
  ExpectMessage(Request(0, {0}, "0", "0", "1", "1", 0, 12, 60, 0, 0), kArrivalMinuteMessage);
  ExpectMessage(Request(0, {0}, "0", "0", "1", "1", 0, 24, 0, 60, 0), kArrivalSecondMessage);
  ExpectMessage(Request(0, {0}, "0", "0", "1", "1", 0, 24, 0, 0, 0), kArrivalHourMessage);
}

TEST(RunCalculate, IndicesWithoutAListEntryAreRefused) {
  ExpectMessage(Request(-1, {0}, "0", "0", "3", "4", 0, 20, 0, 0, 0), kPeopleMissingMessage);
  ExpectMessage(Request(3, {0}, "0", "0", "3", "4", 0, 20, 0, 0, 0), kPeopleMissingMessage);
  ExpectMessage(Request(0, {0}, "0", "0", "3", "4", 0, 20, 0, 0, -1), kArrivalDayMissingMessage);
  ExpectMessage(Request(0, {0}, "0", "0", "3", "4", 0, 20, 0, 0, 7), kArrivalDayMissingMessage);
  ExpectMessage(Request(0, {0}, "0", "0", "3", "4", -2, 20, 0, 0, 0), kTrainingLevelMessage);
  ExpectMessage(Request(0, {0}, "0", "0", "3", "4", 21, 20, 0, 0, 0), kTrainingLevelMessage);
  // the shared checks still come first
  ExpectMessage(Request(-1, {}, "0", "0", "3", "4", 0, 20, 0, 0, -1), kNoUnitTickedMessage);
  ExpectMessage(Request(0, {0}, "0", "0", "3", "4", 0, 20, 0, 99, -1), kArrivalSecondMessage);
}

TEST(RunCalculate, LevelMinusOneStillCalculates) {
  const CalculateOutcome slower = RunCalculate(Request(1, {3}, "0", "0", "0", "41", -1, 12, 0, 0, 0));
  const CalculateOutcome plain = RunCalculate(Request(1, {3}, "0", "0", "0", "41", 0, 12, 0, 0, 0));
  ASSERT_TRUE(slower.saveInputs);
  EXPECT_NE(slower.report, plain.report);
}

}  // namespace
}  // namespace menetkalk
