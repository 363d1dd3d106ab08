// The main dialog's system menu, read inside its process through a hook.
#pragma once

#include <windows.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace e2e {

struct MenuItem {
  UINT type = 0;  // MFT_ bits: MFT_SEPARATOR, MFT_STRING (0), ...
  UINT id = 0;
  std::wstring text;

  bool operator==(const MenuItem&) const = default;
};
void PrintTo(const MenuItem& item, std::ostream* os);

// The items in order, or nothing if the menu could not be read.
std::optional<std::vector<MenuItem>> ReadSystemMenu(HWND window);

}  // namespace e2e
