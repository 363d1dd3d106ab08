// Dialogs the program opens over its main dialog (message boxes and the About
// box), found and read from outside.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The visible dialog window owned by owner, waiting up to the usual bound.
HWND WaitForOwnedDialog(HWND owner);
// Any visible dialog owned by owner right now.
HWND FindOwnedDialog(HWND owner);

struct MessageBoxView {
  std::wstring caption;
  std::wstring text;
  bool hasIcon = false;
  // The icon's picture equals the system's exclamation icon.
  bool iconIsExclamation = false;
  std::vector<std::wstring> buttons;  // visible push buttons, in child order
};

MessageBoxView ReadMessageBox(HWND box);

}  // namespace e2e
