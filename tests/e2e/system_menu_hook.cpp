// Loaded into the calculator's process by a window hook of the test driver:
// a window's system menu can be read only inside its own process. On the
// driver's request message the hook writes the dialog's system menu into a
// named shared block, one item a line: type, id, text, tab-separated.
#include <windows.h>

#include <cwchar>
#include <string>

#include "tests/e2e/system_menu_channel.h"

namespace {

void WriteSystemMenu(HWND window) {
  HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, e2e::kSystemMenuBlockName);
  if (!mapping) return;
  auto* block = static_cast<wchar_t*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, e2e::kSystemMenuBlockBytes));
  if (block) {
    std::wstring lines;
    HMENU menu = GetSystemMenu(window, FALSE);
    const int count = menu ? GetMenuItemCount(menu) : -1;
    for (int index = 0; index < count; ++index) {
      wchar_t text[256] = {};
      MENUITEMINFOW item{};
      item.cbSize = sizeof item;
      item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
      item.dwTypeData = text;
      item.cch = 256;
      if (!GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &item)) continue;
      lines += std::to_wstring(item.fType) + L'\t' + std::to_wstring(item.wID) + L'\t' + text + L'\n';
    }
    if (count < 0) lines = L"no system menu\n";
    const size_t capacity = e2e::kSystemMenuBlockBytes / sizeof(wchar_t) - 1;
    wcsncpy(block, lines.c_str(), capacity);
    block[capacity] = L'\0';
    UnmapViewOfFile(block);
  }
  CloseHandle(mapping);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK SystemMenuHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (sent->message == RegisterWindowMessageW(e2e::kReadSystemMenuMessage)) WriteSystemMenu(sent->hwnd);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
