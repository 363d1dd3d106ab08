#include "tests/e2e/planner_form.h"

#include <gtest/gtest.h>

#include "core/catalogue.h"
#include "tests/e2e/remote_list_view.h"
#include "tests/e2e/window_reading.h"

namespace e2e {
namespace {

void Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  ASSERT_TRUE(SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kWaitMs, &result))
      << "message " << message << " not answered";
}

void SelectEntry(const AppSession& app, int id, int index) {
  Send(app.Control(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// What GetDlgItemInt reads from an arrival field: its leading decimal
// number, 0 without one. ES_NUMBER keeps anything but digits out.
std::int32_t FieldNumber(const std::wstring& text) {
  std::int64_t value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') break;
    value = value * 10 + (c - L'0');
    if (value > INT32_MAX) return -1;  // does not fit: out of range
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace

void ChoosePeople(const AppSession& app, int people) {
  HWND combo = app.Control(kPeopleCombo);
  SelectEntry(app, kPeopleCombo, people);
  Send(app.Dialog(), WM_COMMAND, MAKEWPARAM(kPeopleCombo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void SetFieldText(const AppSession& app, int id, const std::wstring& text) {
  Send(app.Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void EnterInputs(const AppSession& app, const PlannerInputs& inputs) {
  ChoosePeople(app, inputs.people);
  HWND list = app.Control(kUnitList);
  for (int row = 0; row < 9; ++row)
    ASSERT_TRUE(SetRowChecked(list, row, inputs.ticked[static_cast<size_t>(row)])) << "row " << row;
  SetFieldText(app, kOwnX, inputs.ownX);
  SetFieldText(app, kOwnY, inputs.ownY);
  SetFieldText(app, kTargetX, inputs.targetX);
  SetFieldText(app, kTargetY, inputs.targetY);
  SelectEntry(app, kTrainingLevelCombo, inputs.trainingLevel);
  SetFieldText(app, kArrivalHour, inputs.hour);
  SetFieldText(app, kArrivalMinute, inputs.minute);
  SetFieldText(app, kArrivalSecond, inputs.second);
  SelectEntry(app, kArrivalDayCombo, inputs.arrivalDay);
}

PlannerView ReadPlannerView(const AppSession& app) {
  PlannerView view;
  view.people = ComboSelectedText(app.Control(kPeopleCombo));
  HWND list = app.Control(kUnitList);
  const int rows = ListRowCount(list);
  for (int row = 0; row < rows; ++row) {
    view.unitNames.push_back(ListItemText(list, row, 1));
    view.ticked.push_back(IsRowChecked(list, row));
  }
  view.ownX = WindowText(app.Control(kOwnX));
  view.ownY = WindowText(app.Control(kOwnY));
  view.targetX = WindowText(app.Control(kTargetX));
  view.targetY = WindowText(app.Control(kTargetY));
  view.trainingLevel = ComboSelectedText(app.Control(kTrainingLevelCombo));
  view.hour = WindowText(app.Control(kArrivalHour));
  view.minute = WindowText(app.Control(kArrivalMinute));
  view.second = WindowText(app.Control(kArrivalSecond));
  view.arrivalDay = ComboSelectedText(app.Control(kArrivalDayCombo));
  view.report = WindowText(app.Control(kReport));
  return view;
}

void PrintTo(const PlannerView& view, std::ostream* os) {
  *os << "people " << Narrow(view.people) << ", rows";
  for (size_t row = 0; row < view.unitNames.size(); ++row)
    *os << " [" << (view.ticked[row] ? "x] " : " ] ") << Narrow(view.unitNames[row]);
  *os << ", own " << Narrow(view.ownX) << "," << Narrow(view.ownY) << ", target " << Narrow(view.targetX) << ","
      << Narrow(view.targetY) << ", level " << Narrow(view.trainingLevel) << ", arrival " << Narrow(view.hour) << ":"
      << Narrow(view.minute) << ":" << Narrow(view.second) << " " << Narrow(view.arrivalDay) << ", report \""
      << Narrow(view.report) << "\"";
}

menetkalk::CalculateOutcome ExpectedOutcome(const PlannerInputs& inputs) {
  menetkalk::MarchRequest request;
  request.people = inputs.people;
  for (size_t row = 0; row < 9; ++row) request.ticked[row] = inputs.ticked[row];
  request.ownXText = Narrow(inputs.ownX);
  request.ownYText = Narrow(inputs.ownY);
  request.targetXText = Narrow(inputs.targetX);
  request.targetYText = Narrow(inputs.targetY);
  request.trainingLevel = inputs.trainingLevel;
  request.arrivalHour = FieldNumber(inputs.hour);
  request.arrivalMinute = FieldNumber(inputs.minute);
  request.arrivalSecond = FieldNumber(inputs.second);
  request.arrivalDay = inputs.arrivalDay;
  return menetkalk::RunCalculate(request);
}

std::vector<std::wstring> UnitNamesOf(int people) {
  std::vector<std::wstring> names;
  for (int unit = 0; unit < 9; ++unit) names.push_back(Widen(std::string(menetkalk::FindUnit(people, unit)->name)));
  return names;
}

}  // namespace e2e
