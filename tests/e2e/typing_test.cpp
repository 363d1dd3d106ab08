// What typing into the fields lets through: digits only in the arrival
// fields, a minus sign too in the coordinate fields.
#include <gtest/gtest.h>

#include "tests/e2e/app_session.h"
#include "tests/e2e/planner_form.h"
#include "tests/e2e/user_input.h"
#include "tests/e2e/window_reading.h"

namespace e2e {
namespace {

class ArrivalField : public testing::TestWithParam<int> {
 protected:
  void SetUp() override { ASSERT_TRUE(app_.Start()); }
  AppSession app_;
};

TEST_P(ArrivalField, RefusesLettersAndSignsButTakesDigits) {
  HWND field = app_.Control(GetParam());
  ClickAt(field);
  ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(app_.ThreadId()) == field; }));
  const std::wstring before = WindowText(field);
  ASSERT_FALSE(before.empty());
  const int end = static_cast<int>(before.size());
  ASSERT_TRUE(SelectFieldText(field, end, end));
  for (wchar_t refused : {L'a', L'Z', L'-', L'+', L' ', L'.'}) ASSERT_TRUE(TypeChar(app_.ThreadId(), refused));
  // Typed after the refused ones, the digit shows when they have all arrived.
  ASSERT_TRUE(TypeChar(app_.ThreadId(), L'7'));
  EXPECT_TRUE(WaitUntil([&] { return WindowText(field) != before; }));
  EXPECT_EQ(WindowText(field), before + L"7");
}

std::string FieldName(const testing::TestParamInfo<int>& param) {
  switch (param.param) {
    case kArrivalHour:
      return "Hour";
    case kArrivalMinute:
      return "Minute";
    case kArrivalSecond:
      return "Second";
    case kOwnX:
      return "OwnX";
    case kTargetY:
      return "TargetY";
  }
  return std::to_string(param.param);
}

INSTANTIATE_TEST_SUITE_P(Fields, ArrivalField, testing::Values(kArrivalHour, kArrivalMinute, kArrivalSecond),
                         FieldName);

using CoordinateField = ArrivalField;

TEST_P(CoordinateField, TakesAMinusSign) {
  HWND field = app_.Control(GetParam());
  ClickAt(field);
  ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(app_.ThreadId()) == field; }));
  ASSERT_TRUE(SelectFieldText(field, 0, -1));
  for (wchar_t typed : {L'-', L'4', L'2'}) ASSERT_TRUE(TypeChar(app_.ThreadId(), typed));
  EXPECT_TRUE(WaitUntil([&] { return WindowText(field) == L"-42"; })) << Narrow(WindowText(field));
}

INSTANTIATE_TEST_SUITE_P(Fields, CoordinateField, testing::Values(kOwnX, kTargetY), FieldName);

}  // namespace
}  // namespace e2e
