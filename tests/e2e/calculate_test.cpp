// The calculate command as a user runs it: the report for good inputs, the
// message box for bad ones, and what is stored for the next start.
#include <gtest/gtest.h>

#include "core/input_checks.h"
#include "tests/e2e/message_box_view.h"
#include "tests/e2e/planner_form.h"
#include "tests/e2e/remote_list_view.h"
#include "tests/e2e/running_planner.h"
#include "tests/e2e/stored_settings.h"
#include "tests/e2e/user_input.h"
#include "tests/e2e/window_reading.h"

namespace e2e {
namespace {

// The ways a user starts the calculation.
enum class Trigger { CalculateButton, EnterInCoordinate, EnterInArrival, EnterOnCalculateButton };

void Calculate(const AppSession& app, Trigger trigger) {
  switch (trigger) {
    case Trigger::CalculateButton:
      PostMessageW(app.Control(kCalculateButton), BM_CLICK, 0, 0);
      return;
    case Trigger::EnterInCoordinate:
    case Trigger::EnterInArrival: {
      HWND field = app.Control(trigger == Trigger::EnterInCoordinate ? kTargetY : kArrivalSecond);
      ClickAt(field);
      ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(app.ThreadId()) == field; })) << "click did not focus";
      break;
    }
    case Trigger::EnterOnCalculateButton:
      // Tab order: target Y, the report, then "Szamol".
      ClickAt(app.Control(kTargetY));
      ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(app.ThreadId()) == app.Control(kTargetY); }));
      ASSERT_TRUE(PressKey(app.ThreadId(), VK_TAB));
      ASSERT_TRUE(PressKey(app.ThreadId(), VK_TAB));
      ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(app.ThreadId()) == app.Control(kCalculateButton); }))
          << "Tab did not reach Szamol";
      break;
  }
  ASSERT_TRUE(PressKey(app.ThreadId(), VK_RETURN));
}

StoredValues ValuesOf(const PlannerInputs& in, int second) {
  auto number = [](const std::wstring& text) { return std::stoi(text); };
  return {{L"SajatX", number(in.ownX)},  {L"SajatY", number(in.ownY)},
          {L"CelX", number(in.targetX)}, {L"CelY", number(in.targetY)},
          {L"COra", number(in.hour)},    {L"CPerc", number(in.minute)},
          {L"CMasod", second},           {L"Nep", in.people},
          {L"HetNap", in.arrivalDay},    {L"Gyakorlo", in.trainingLevel}};
}

// Inputs as the dialog lays them out: coordinates own X, own Y, target X,
// target Y; arrival hour, minute, second.
PlannerInputs Inputs(int people, std::initializer_list<size_t> ticked, std::array<const wchar_t*, 4> coordinates,
                     int trainingLevel, std::array<const wchar_t*, 3> arrival, int arrivalDay) {
  PlannerInputs in{.people = people,
                   .ownX = coordinates[0],
                   .ownY = coordinates[1],
                   .targetX = coordinates[2],
                   .targetY = coordinates[3],
                   .trainingLevel = trainingLevel,
                   .hour = arrival[0],
                   .minute = arrival[1],
                   .second = arrival[2],
                   .arrivalDay = arrivalDay};
  for (size_t row : ticked) in.ticked[row] = true;
  return in;
}

struct GoodCase {
  const char* name;
  PlannerInputs inputs;
  Trigger trigger;
};
void PrintTo(const GoodCase& c, std::ostream* os) { *os << c.name; }

const PlannerInputs kRomanRaid = Inputs(0, {0, 3, 6}, {L"-12", L"45", L"103", L"-7"}, 3, {L"6", L"05", L"9"}, 2);
// The far corners, the top level, and an empty second field, which counts as 0.
const PlannerInputs kGaulFarEdge = Inputs(2, {8}, {L"-500", L"-500", L"500", L"500"}, 20, {L"0", L"0", L""}, 6);
const PlannerInputs kGermanNextDoor =
    Inputs(1, {1, 2, 3, 4, 5, 6, 7, 8}, {L"7", L"7", L"8", L"7"}, 11, {L"23", L"59", L"59"}, 0);

class GoodCalculation : public RunningPlanner, public testing::WithParamInterface<GoodCase> {};

TEST_P(GoodCalculation, ShowsTheReportStoresTheInputsAndARestartShowsThem) {
  const PlannerInputs& inputs = GetParam().inputs;
  const menetkalk::CalculateOutcome expected = ExpectedOutcome(inputs);
  ASSERT_TRUE(expected.message.empty()) << expected.message;

  EnterInputs(app_, inputs);
  Calculate(app_, GetParam().trigger);
  const std::wstring report = Widen(expected.report);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(app_.Control(kReport)) == report; }))
      << "report field holds:\n"
      << Narrow(WindowText(app_.Control(kReport))) << "\nexpected:\n"
      << expected.report;
  EXPECT_EQ(FindOwnedDialog(app_.Dialog()), nullptr) << "no message box for good inputs";
  const int second = inputs.second.empty() ? 0 : std::stoi(inputs.second);
  EXPECT_EQ(ReadStoredValues(app_.AppName()), ValuesOf(inputs, second));

  app_.Kill();
  AppSession restarted(L"Menetkalk.exe", AppSession::Stored::Keep);
  ASSERT_TRUE(restarted.Start());
  const PlannerView view = ReadPlannerView(restarted);
  EXPECT_EQ(view.people, Widen(std::string(menetkalk::PeopleNames[static_cast<size_t>(inputs.people)])));
  EXPECT_EQ(view.unitNames, UnitNamesOf(inputs.people));
  EXPECT_EQ(view.ticked, std::vector<bool>(9, false));
  EXPECT_EQ(view.ownX, inputs.ownX);
  EXPECT_EQ(view.ownY, inputs.ownY);
  EXPECT_EQ(view.targetX, inputs.targetX);
  EXPECT_EQ(view.targetY, inputs.targetY);
  EXPECT_EQ(view.trainingLevel, std::to_wstring(inputs.trainingLevel));
  EXPECT_EQ(view.hour, std::to_wstring(std::stoi(inputs.hour)));
  EXPECT_EQ(view.minute, std::to_wstring(std::stoi(inputs.minute)));  // "05" comes back as "5"
  EXPECT_EQ(view.second, std::to_wstring(second));
  EXPECT_EQ(view.arrivalDay, Widen(std::string(menetkalk::WeekdayNames[static_cast<size_t>(inputs.arrivalDay)])));
  EXPECT_EQ(view.report, L"");
}

INSTANTIATE_TEST_SUITE_P(Ways, GoodCalculation,
                         testing::Values(GoodCase{"SzamolButton", kRomanRaid, Trigger::CalculateButton},
                                         GoodCase{"EnterInCoordinate", kGaulFarEdge, Trigger::EnterInCoordinate},
                                         GoodCase{"EnterInArrival", kGermanNextDoor, Trigger::EnterInArrival},
                                         GoodCase{"EnterOnSzamol", kRomanRaid, Trigger::EnterOnCalculateButton}),
                         CaseName<GoodCase>);

using CheckBoxClick = RunningPlanner;

TEST_F(CheckBoxClick, TicksTheUnitThatMarches) {
  PlannerInputs inputs = kRomanRaid;
  inputs.ticked = {};
  EnterInputs(app_, inputs);
  inputs.ticked[5] = true;
  ASSERT_TRUE(ClickRowCheckBox(app_.Control(kUnitList), 5));
  ASSERT_TRUE(WaitUntil([&] { return IsRowChecked(app_.Control(kUnitList), 5); })) << "the click did not tick";
  Calculate(app_, Trigger::CalculateButton);
  const std::wstring report = Widen(ExpectedOutcome(inputs).report);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(app_.Control(kReport)) == report; }))
      << Narrow(WindowText(app_.Control(kReport)));
}

struct BadCase {
  const char* name;
  PlannerInputs inputs;
  std::string_view message;
};
void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

PlannerInputs With(PlannerInputs in, std::wstring PlannerInputs::*field, const wchar_t* text) {
  in.*field = text;
  return in;
}

class FailedCheck : public RunningPlanner, public testing::WithParamInterface<BadCase> {};

TEST_P(FailedCheck, ShowsItsMessageBoxAndChangesNothing) {
  // A good calculation first, so there is a report and stored values to keep.
  EnterInputs(app_, kGermanNextDoor);
  Calculate(app_, Trigger::CalculateButton);
  const std::wstring goodReport = Widen(ExpectedOutcome(kGermanNextDoor).report);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(app_.Control(kReport)) == goodReport; }));
  const StoredValues stored = ReadStoredValues(app_.AppName());
  ASSERT_EQ(stored.size(), 10u);

  const BadCase& bad = GetParam();
  EXPECT_EQ(ExpectedOutcome(bad.inputs).message, bad.message) << "the case itself is wrong";
  EnterInputs(app_, bad.inputs);
  Calculate(app_, Trigger::CalculateButton);
  HWND box = WaitForOwnedDialog(app_.Dialog());
  ASSERT_NE(box, nullptr) << "no message box";
  const MessageBoxView view = ReadMessageBox(box);
  EXPECT_EQ(view.caption, L"Menetkalk");
  EXPECT_EQ(view.text, Widen(std::string(bad.message)));
  EXPECT_TRUE(view.hasIcon);
  EXPECT_TRUE(view.iconIsExclamation);
  EXPECT_EQ(view.buttons, std::vector<std::wstring>{L"OK"});
  EXPECT_FALSE(IsWindowEnabled(app_.Dialog())) << "the box is modal over the dialog";
  EXPECT_EQ(WindowText(app_.Control(kReport)), goodReport);
  EXPECT_EQ(ReadStoredValues(app_.AppName()), stored);

  // OK closes the box; the dialog goes on as it was.
  PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); })) << "OK did not close the box";
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(app_.Dialog()) != FALSE; }));
  EXPECT_TRUE(app_.IsRunning());
  EXPECT_EQ(WindowText(app_.Control(kReport)), goodReport);
  EXPECT_EQ(ReadStoredValues(app_.AppName()), stored);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, FailedCheck,
    testing::Values(
        BadCase{"CoordinateText", With(kRomanRaid, &PlannerInputs::ownY, L"4 5"), menetkalk::kCoordinateTextMessage},
        BadCase{"CoordinatePlusSign", With(kRomanRaid, &PlannerInputs::targetX, L"+3"),
                menetkalk::kCoordinateTextMessage},
        BadCase{"CoordinateEmpty", With(kRomanRaid, &PlannerInputs::ownX, L""), menetkalk::kCoordinateTextMessage},
        BadCase{"CoordinateRange", With(kRomanRaid, &PlannerInputs::targetY, L"-501"),
                menetkalk::kCoordinateRangeMessage},
        BadCase{"NoUnitTicked",
                [] {
                  PlannerInputs in = kRomanRaid;
                  in.ticked = {};
                  return in;
                }(),
                menetkalk::kNoUnitTickedMessage},
        BadCase{"Hour", With(kRomanRaid, &PlannerInputs::hour, L"24"), menetkalk::kArrivalHourMessage},
        BadCase{"HourTooLongForAnInteger", With(kRomanRaid, &PlannerInputs::hour, L"4294967296"),
                menetkalk::kArrivalHourMessage},
        BadCase{"Minute", With(kRomanRaid, &PlannerInputs::minute, L"60"), menetkalk::kArrivalMinuteMessage},
        BadCase{"Second", With(kRomanRaid, &PlannerInputs::second, L"99"), menetkalk::kArrivalSecondMessage}),
    CaseName<BadCase>);

}  // namespace
}  // namespace e2e
