// Every way out of the program ends the process and stores nothing.
#include <gtest/gtest.h>

#include "tests/e2e/planner_form.h"
#include "tests/e2e/remote_list_view.h"
#include "tests/e2e/running_planner.h"
#include "tests/e2e/stored_settings.h"
#include "tests/e2e/user_input.h"
#include "tests/e2e/window_reading.h"

namespace e2e {
namespace {

enum class Way { EscKey, CloseBox, CloseMessage, AltF4, EnterOnKilep, KilepButton };

struct ClosingCase {
  const char* name;
  Way way;
};
void PrintTo(const ClosingCase& c, std::ostream* os) { *os << c.name; }

class Closing : public testing::TestWithParam<ClosingCase> {};

void Close(const AppSession& app, Way way) {
  switch (way) {
    case Way::EscKey:
      ASSERT_TRUE(PressKey(app.ThreadId(), VK_ESCAPE));
      return;
    case Way::CloseBox:
      PostMessageW(app.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
    case Way::CloseMessage:
      PostMessageW(app.Dialog(), WM_CLOSE, 0, 0);
      return;
    case Way::AltF4:
      ASSERT_TRUE(PressAltKey(app.ThreadId(), VK_F4));
      return;
    case Way::EnterOnKilep:
      // The focus is still where the dialog put it when it opened.
      ASSERT_EQ(FocusedWindow(app.ThreadId()), app.Control(kExitButton));
      ASSERT_TRUE(PressKey(app.ThreadId(), VK_RETURN));
      return;
    case Way::KilepButton:
      PostMessageW(app.Control(kExitButton), BM_CLICK, 0, 0);
      return;
  }
}

TEST_P(Closing, EndsTheProcessWithoutStoringAnything) {
  const StoredValues stored = {{L"SajatX", -500}, {L"SajatY", 3}, {L"CelX", 4}, {L"CelY", 5},   {L"COra", 1},
                               {L"CPerc", 2},     {L"CMasod", 3}, {L"Nep", 2},  {L"HetNap", 5}, {L"Gyakorlo", 17}};
  ReplaceStoredValues(L"Menetkalk", stored);
  AppSession app(L"Menetkalk.exe", AppSession::Stored::Keep);
  ASSERT_TRUE(app.Start());
  ASSERT_EQ(WindowText(app.Control(kOwnX)), L"-500") << "the stored values were not loaded";
  // Inputs that a save on the way out would show.
  SetFieldText(app, kOwnX, L"77");
  SetFieldText(app, kArrivalMinute, L"33");
  ASSERT_TRUE(SetRowChecked(app.Control(kUnitList), 0, true));

  Close(app, GetParam().way);
  EXPECT_TRUE(app.WaitForExit()) << "the program is still running";
  EXPECT_EQ(ReadStoredValues(L"Menetkalk"), stored);
}

INSTANTIATE_TEST_SUITE_P(Ways, Closing,
                         testing::Values(ClosingCase{"EscKey", Way::EscKey}, ClosingCase{"CloseBox", Way::CloseBox},
                                         ClosingCase{"CloseMessage", Way::CloseMessage},
                                         ClosingCase{"AltF4", Way::AltF4},
                                         ClosingCase{"EnterOnKilep", Way::EnterOnKilep},
                                         ClosingCase{"KilepButton", Way::KilepButton}),
                         CaseName<ClosingCase>);

}  // namespace
}  // namespace e2e
