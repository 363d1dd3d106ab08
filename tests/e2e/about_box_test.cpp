// The About entry of the system menu and the About box it opens.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/e2e/message_box_view.h"
#include "tests/e2e/planner_form.h"
#include "tests/e2e/running_planner.h"
#include "tests/e2e/system_menu_reading.h"
#include "tests/e2e/user_input.h"
#include "tests/e2e/window_reading.h"

namespace e2e {
namespace {

enum class Dismiss { OkButton, EnterKey, EscKey, CloseBox };

struct AboutCase {
  const char* name;
  WPARAM command;  // the system command that opens it
  Dismiss dismiss;
};
void PrintTo(const AboutCase& c, std::ostream* os) { *os << c.name; }

class AboutBox : public RunningPlanner, public testing::WithParamInterface<AboutCase> {};

std::vector<std::wstring> ChildTexts(HWND window, const wchar_t* kind) {
  std::vector<std::wstring> texts;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassName(child) == kind) texts.push_back(WindowText(child));
  return texts;
}

TEST_P(AboutBox, OpensOverTheDialogAndClosesBackToIt) {
  PlannerInputs inputs;
  inputs.ownX = L"12";
  inputs.ticked[1] = true;
  EnterInputs(app_, inputs);
  const PlannerView before = ReadPlannerView(app_);

  PostMessageW(app_.Dialog(), WM_SYSCOMMAND, GetParam().command, 0);
  HWND about = WaitForOwnedDialog(app_.Dialog());
  ASSERT_NE(about, nullptr) << "no About box";
  EXPECT_EQ(WindowText(about), L"About Menetkalk");
  const auto statics = ChildTexts(about, L"Static");
  EXPECT_NE(std::find(statics.begin(), statics.end(), L"Menetkalk v1.03"), statics.end());
  EXPECT_EQ(ChildTexts(about, L"Button"), std::vector<std::wstring>{L"OK"});
  EXPECT_FALSE(IsWindowEnabled(app_.Dialog())) << "the About box is modal over the dialog";
  EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(app_.ThreadId()) == GetDlgItem(about, IDOK); }));

  switch (GetParam().dismiss) {
    case Dismiss::OkButton:
      PostMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
      break;
    case Dismiss::EnterKey:
      ASSERT_TRUE(PressKey(app_.ThreadId(), VK_RETURN));
      break;
    case Dismiss::EscKey:
      ASSERT_TRUE(PressKey(app_.ThreadId(), VK_ESCAPE));
      break;
    case Dismiss::CloseBox:
      PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
  }
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); })) << "the About box stayed open";
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(app_.Dialog()) != FALSE; }));
  EXPECT_TRUE(app_.IsRunning()) << "closing the About box ended the program";
  EXPECT_EQ(ReadPlannerView(app_), before);
}

INSTANTIATE_TEST_SUITE_P(Commands, AboutBox,
                         testing::Values(AboutCase{"EntryThenOk", kAboutCommand, Dismiss::OkButton},
                                         AboutCase{"EntryThenEnter", kAboutCommand, Dismiss::EnterKey},
                                         AboutCase{"EntryThenEsc", kAboutCommand, Dismiss::EscKey},
                                         AboutCase{"EntryThenCloseBox", kAboutCommand, Dismiss::CloseBox},
                                         AboutCase{"LowBits13", 0x0013, Dismiss::OkButton},
                                         AboutCase{"LowBits1F", 0x001F, Dismiss::EscKey},
                                         AboutCase{"HighWordIgnored", 0x00050010, Dismiss::EnterKey}),
                         CaseName<AboutCase>);

using SystemMenu = RunningPlanner;

TEST_F(SystemMenu, EndsWithASeparatorAndTheAboutEntry) {
  const auto items = ReadSystemMenu(app_.Dialog());
  ASSERT_TRUE(items.has_value()) << "the system menu could not be read";
  ASSERT_GE(items->size(), 3u) << "the system's own items come first";
  EXPECT_EQ(items->back(), (MenuItem{MFT_STRING, kAboutCommand, L"&About Menetkalk..."}));
  EXPECT_TRUE((*items)[items->size() - 2].type & MFT_SEPARATOR);
  const auto aboutEntries =
      std::count_if(items->begin(), items->end(), [](const MenuItem& item) { return item.id == kAboutCommand; });
  EXPECT_EQ(aboutEntries, 1);
}

TEST_F(SystemMenu, OpensTheAboutBoxFromItsLastEntry) {
  // Alt+Space as the keyboard's translation delivers it to the window; then
  // End and Enter in the opened menu. (The mnemonic A would be ambiguous
  // under Wine, which puts an "About Wine" entry of its own above ours.)
  PostMessageW(app_.Dialog(), WM_SYSCOMMAND, SC_KEYMENU, L' ');
  ASSERT_TRUE(WaitUntil([] { return FindWindowW(L"#32768", nullptr) != nullptr; })) << "no system menu opened";
  ASSERT_TRUE(PressKey(app_.ThreadId(), VK_END));
  ASSERT_TRUE(PressKey(app_.ThreadId(), VK_RETURN));
  HWND about = WaitForOwnedDialog(app_.Dialog());
  ASSERT_NE(about, nullptr) << "the last entry did not open the About box";
  EXPECT_EQ(WindowText(about), L"About Menetkalk");
  ASSERT_TRUE(PressKey(app_.ThreadId(), VK_ESCAPE));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
  EXPECT_TRUE(app_.IsRunning());
}

}  // namespace
}  // namespace e2e
