#include "tests/e2e/message_box_view.h"

#include "tests/e2e/app_session.h"
#include "tests/e2e/window_reading.h"

namespace e2e {
namespace {

// Message boxes keep their text in a static with this id on every Windows.
constexpr int kMessageTextId = 0xFFFF;

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

}  // namespace

HWND FindOwnedDialog(HWND owner) {
  struct Search {
    HWND owner;
    HWND found;
  } search{owner, nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        if (GetWindow(window, GW_OWNER) != s.owner || !IsWindowVisible(window) || ClassName(window) != L"#32770")
          return TRUE;
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForOwnedDialog(HWND owner) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindOwnedDialog(owner)) != nullptr; });
  return found;
}

MessageBoxView ReadMessageBox(HWND box) {
  MessageBoxView view;
  view.caption = WindowText(box);
  for (HWND child : Children(box)) {
    const std::wstring kind = ClassName(child);
    const LONG_PTR style = Style(child);
    if (kind == L"Static" && GetDlgCtrlID(child) == kMessageTextId) view.text = WindowText(child);
    if (kind == L"Static" && (style & SS_TYPEMASK) == SS_ICON) view.hasIcon = true;
    if (kind == L"Button" && (style & WS_VISIBLE)) view.buttons.push_back(WindowText(child));
  }
  return view;
}

}  // namespace e2e
