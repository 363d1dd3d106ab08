// The program names itself after its file: a renamed copy has its own
// message-box caption and its own registry key.
#include <gtest/gtest.h>

#include "core/input_checks.h"
#include "tests/e2e/message_box_view.h"
#include "tests/e2e/planner_form.h"
#include "tests/e2e/stored_settings.h"
#include "tests/e2e/window_reading.h"

namespace e2e {
namespace {

TEST(RenamedProgram, UsesItsOwnNameForCaptionAndSettings) {
  const StoredValues menetkalkValues = {{L"SajatX", 111}, {L"SajatY", 222}, {L"COra", 3}, {L"Nep", 1}};
  ReplaceStoredValues(L"Menetkalk", menetkalkValues);

  AppSession app(L"Tervezo.exe");
  ASSERT_TRUE(app.Start());
  // Menetkalk's values are not Tervezo's: the defaults show.
  PlannerView view = ReadPlannerView(app);
  EXPECT_EQ(view.ownX, L"0");
  EXPECT_EQ(view.ownY, L"0");
  EXPECT_EQ(view.hour, L"20");
  EXPECT_EQ(view.people, L"Romai");
  EXPECT_TRUE(SectionKeyExists(L"Tervezo"));

  PlannerInputs inputs;
  inputs.ownX = L"5";
  EnterInputs(app, inputs);  // nothing ticked
  PostMessageW(app.Control(kCalculateButton), BM_CLICK, 0, 0);
  HWND box = WaitForOwnedDialog(app.Dialog());
  ASSERT_NE(box, nullptr);
  const MessageBoxView message = ReadMessageBox(box);
  EXPECT_EQ(message.caption, L"Tervezo");
  EXPECT_EQ(message.text, Widen(std::string(menetkalk::kNoUnitTickedMessage)));
  EXPECT_TRUE(message.iconIsExclamation);
  PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));

  inputs.ticked[2] = true;
  EnterInputs(app, inputs);
  PostMessageW(app.Control(kCalculateButton), BM_CLICK, 0, 0);
  const std::wstring report = Widen(ExpectedOutcome(inputs).report);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(app.Control(kReport)) == report; }));
  const StoredValues tervezoValues = ReadStoredValues(L"Tervezo");
  EXPECT_EQ(tervezoValues.size(), 10u);
  EXPECT_EQ(tervezoValues.at(L"SajatX"), 5);
  EXPECT_EQ(ReadStoredValues(L"Menetkalk"), menetkalkValues);
  ClearStoredSettings(L"Tervezo");
}

}  // namespace
}  // namespace e2e
