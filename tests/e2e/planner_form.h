// The main dialog's inputs as a user fills them in, what the dialog shows, and
// what the calculator core makes of the same inputs.
#pragma once

#include <windows.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "core/calculate.h"
#include "tests/e2e/app_session.h"

namespace e2e {

// Control ids of the main dialog.
inline constexpr int kExitButton = IDCANCEL;
inline constexpr int kCalculateButton = 3;
inline constexpr int kPeopleCombo = 1000;
inline constexpr int kUnitList = 1001;
inline constexpr int kOwnX = 1002;
inline constexpr int kOwnY = 1003;
inline constexpr int kTargetX = 1004;
inline constexpr int kTargetY = 1005;
inline constexpr int kReport = 1006;
inline constexpr int kTrainingLevelCombo = 1007;
inline constexpr int kArrivalHour = 1008;
inline constexpr int kArrivalMinute = 1009;
inline constexpr int kArrivalSecond = 1010;
inline constexpr int kArrivalDayCombo = 1011;
inline constexpr UINT kAboutCommand = 0x0010;

struct PlannerInputs {
  int people = 0;
  std::array<bool, 9> ticked{};
  std::wstring ownX = L"0", ownY = L"0", targetX = L"0", targetY = L"0";
  int trainingLevel = 0;
  std::wstring hour = L"20", minute = L"14", second = L"58";
  int arrivalDay = 0;
};

// Everything the main dialog shows of its inputs and its report.
struct PlannerView {
  std::wstring people;
  std::vector<std::wstring> unitNames;  // column 1 of each row
  std::vector<bool> ticked;
  std::wstring ownX, ownY, targetX, targetY;
  std::wstring trainingLevel;
  std::wstring hour, minute, second;
  std::wstring arrivalDay;
  std::wstring report;

  bool operator==(const PlannerView&) const = default;
};
void PrintTo(const PlannerView& view, std::ostream* os);

// Picks the people as the combo box itself reports a user's choice.
void ChoosePeople(const AppSession& app, int people);
// Fills in every input: people first, since choosing it clears the ticks.
void EnterInputs(const AppSession& app, const PlannerInputs& inputs);
void SetFieldText(const AppSession& app, int id, const std::wstring& text);
PlannerView ReadPlannerView(const AppSession& app);

// What the calculator core answers for the same inputs: the report as the
// report field holds it, or the message.
menetkalk::CalculateOutcome ExpectedOutcome(const PlannerInputs& inputs);
// The unit names of a people's nine rows, as the core's table has them.
std::vector<std::wstring> UnitNamesOf(int people);

}  // namespace e2e
