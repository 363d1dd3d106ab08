// The dialog as a user first meets it, and the people choice that rebuilds
// the unit list.
#include <gtest/gtest.h>

#include "core/catalogue.h"
#include "tests/e2e/message_box_view.h"
#include "tests/e2e/planner_form.h"
#include "tests/e2e/remote_list_view.h"
#include "tests/e2e/running_planner.h"
#include "tests/e2e/stored_settings.h"
#include "tests/e2e/user_input.h"
#include "tests/e2e/window_reading.h"

namespace e2e {
namespace {

using FirstStart = RunningPlanner;

std::vector<std::wstring> ComboItems(HWND combo) {
  std::vector<std::wstring> items;
  for (int i = 0, count = ComboCount(combo); i < count; ++i) items.push_back(ComboItem(combo, i));
  return items;
}

TEST_F(FirstStart, ShowsTheDefaultsWithFocusOnExit) {
  const PlannerView view = ReadPlannerView(app_);
  EXPECT_EQ(view.people, L"Romai");
  EXPECT_EQ(view.unitNames, UnitNamesOf(0));
  EXPECT_EQ(view.ticked, std::vector<bool>(9, false));
  EXPECT_EQ(view.ownX, L"0");
  EXPECT_EQ(view.ownY, L"0");
  EXPECT_EQ(view.targetX, L"0");
  EXPECT_EQ(view.targetY, L"0");
  EXPECT_EQ(view.trainingLevel, L"0");
  EXPECT_EQ(view.hour, L"20");
  EXPECT_EQ(view.minute, L"14");
  EXPECT_EQ(view.second, L"58");
  EXPECT_EQ(view.arrivalDay, L"Hetfo");
  EXPECT_EQ(view.report, L"");
  EXPECT_EQ(FocusedWindow(app_.ThreadId()), app_.Control(kExitButton));
  for (int row = 0; row < 9; ++row) EXPECT_FALSE(IsRowSelected(app_.Control(kUnitList), row)) << row;
}

TEST_F(FirstStart, OffersTheThreeListsInTheirOrder) {
  EXPECT_EQ(ComboItems(app_.Control(kPeopleCombo)), (std::vector<std::wstring>{L"Romai", L"German", L"Gall"}));
  std::vector<std::wstring> levels;
  for (int level = 0; level <= 20; ++level) levels.push_back(std::to_wstring(level));
  EXPECT_EQ(ComboItems(app_.Control(kTrainingLevelCombo)), levels);
  std::vector<std::wstring> days;
  for (auto day : menetkalk::WeekdayNames) days.push_back(Widen(std::string(day)));
  EXPECT_EQ(ComboItems(app_.Control(kArrivalDayCombo)), days);
}

TEST_F(FirstStart, TabVisitsTheInputsInTheirOrderAndComesBack) {
  const int order[] = {kPeopleCombo,
                       kUnitList,
                       kOwnX,
                       kOwnY,
                       kTargetX,
                       kTargetY,
                       kReport,
                       kCalculateButton,
                       kTrainingLevelCombo,
                       kArrivalHour,
                       kArrivalMinute,
                       kArrivalSecond,
                       kArrivalDayCombo,
                       kExitButton};
  for (int id : order) {
    ASSERT_TRUE(PressKey(app_.ThreadId(), VK_TAB));
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(app_.ThreadId()) == app_.Control(id); }))
        << "Tab should reach control " << id << ", focus is on " << GetDlgCtrlID(FocusedWindow(app_.ThreadId()));
  }
}

TEST_F(FirstStart, CreatesTheEmptySettingsKey) {
  EXPECT_TRUE(SectionKeyExists(app_.AppName()));
  EXPECT_TRUE(ReadStoredValues(app_.AppName()).empty());
}

// Indices no list has an entry for (only a hand-edited profile holds them)
// show entry 0, and the calculation goes on from there.
TEST(StaleStoredIndices, ShowTheFirstEntriesAndStillCalculate) {
  ReplaceStoredValues(L"Menetkalk", {{L"Nep", 7}, {L"HetNap", -1}, {L"Gyakorlo", 21}, {L"SajatX", 9}});
  AppSession app(L"Menetkalk.exe", AppSession::Stored::Keep);
  ASSERT_TRUE(app.Start());
  const PlannerView view = ReadPlannerView(app);
  EXPECT_EQ(view.people, L"Romai");
  EXPECT_EQ(view.unitNames, UnitNamesOf(0));
  EXPECT_EQ(view.arrivalDay, L"Hetfo");
  EXPECT_EQ(view.trainingLevel, L"0");
  EXPECT_EQ(view.ownX, L"9");

  ASSERT_TRUE(SetRowChecked(app.Control(kUnitList), 0, true));
  PostMessageW(app.Control(kCalculateButton), BM_CLICK, 0, 0);
  PlannerInputs shown;
  shown.ownX = L"9";
  shown.ticked[0] = true;
  const std::wstring report = Widen(ExpectedOutcome(shown).report);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(app.Control(kReport)) == report; }))
      << Narrow(WindowText(app.Control(kReport)));
  const StoredValues stored = ReadStoredValues(L"Menetkalk");
  EXPECT_EQ(stored.at(L"Nep"), 0);
  EXPECT_EQ(stored.at(L"HetNap"), 0);
  EXPECT_EQ(stored.at(L"Gyakorlo"), 0);
}

using PeopleChoice = RunningPlanner;

TEST_F(PeopleChoice, ReplacesTheRowsAndDropsTheTicks) {
  HWND list = app_.Control(kUnitList);
  ASSERT_TRUE(SetRowChecked(list, 0, true));
  ASSERT_TRUE(SetRowChecked(list, 8, true));
  ASSERT_TRUE(IsRowChecked(list, 8));
  for (int people : {2, 1, 0}) {
    ChoosePeople(app_, people);
    const PlannerView view = ReadPlannerView(app_);
    EXPECT_EQ(view.unitNames, UnitNamesOf(people)) << people;
    EXPECT_EQ(view.ticked, std::vector<bool>(9, false)) << people;
    ASSERT_TRUE(SetRowChecked(list, people, true));
  }
}

TEST_F(PeopleChoice, WorksFromTheKeyboardAfterTabbingToTheList) {
  ASSERT_TRUE(PressKey(app_.ThreadId(), VK_TAB));
  ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(app_.ThreadId()) == app_.Control(kPeopleCombo); }))
      << "Tab from Kilep should reach the people list";
  ASSERT_TRUE(SetRowChecked(app_.Control(kUnitList), 4, true));
  ASSERT_TRUE(PressKey(app_.ThreadId(), VK_DOWN));
  ASSERT_TRUE(WaitUntil([&] { return ReadPlannerView(app_).unitNames == UnitNamesOf(1); }));
  const PlannerView view = ReadPlannerView(app_);
  EXPECT_EQ(view.people, L"German");
  EXPECT_EQ(view.ticked, std::vector<bool>(9, false));
}

// Enter in a dropped-down list only closes the list: with nothing ticked, a
// calculation would show its message box.
TEST_F(PeopleChoice, EnterInTheOpenListOnlyClosesIt) {
  HWND combo = app_.Control(kPeopleCombo);
  ASSERT_TRUE(PressKey(app_.ThreadId(), VK_TAB));
  ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(app_.ThreadId()) == combo; }));
  ASSERT_TRUE(PressKey(app_.ThreadId(), VK_F4));
  ASSERT_TRUE(WaitUntil([&] { return ComboIsDropped(combo); })) << "F4 did not open";
  ASSERT_TRUE(PressKey(app_.ThreadId(), VK_DOWN));
  ASSERT_TRUE(PressKey(app_.ThreadId(), VK_RETURN));
  EXPECT_TRUE(WaitUntil([&] { return !ComboIsDropped(combo); })) << "Enter did not close the list";
  EXPECT_TRUE(WaitUntil([&] { return ReadPlannerView(app_).unitNames == UnitNamesOf(1); }));
  EXPECT_EQ(FindOwnedDialog(app_.Dialog()), nullptr) << "Enter in the open list calculated";
  EXPECT_EQ(WindowText(app_.Control(kReport)), L"");
}

}  // namespace
}  // namespace e2e
