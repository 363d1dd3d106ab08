#include "tests/e2e/user_input.h"

#include "tests/e2e/window_reading.h"

namespace e2e {
namespace {

LPARAM KeyParam(WORD virtualKey, bool up, bool alt) {
  const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  LPARAM param = 1 | static_cast<LPARAM>(scanCode << 16);
  if (alt) param |= LPARAM{1} << 29;
  if (up) param |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
  return param;
}

}  // namespace

bool PressKey(DWORD threadId, WORD virtualKey) {
  HWND focus = FocusedWindow(threadId);
  return focus && PostMessageW(focus, WM_KEYDOWN, virtualKey, KeyParam(virtualKey, false, false)) &&
         PostMessageW(focus, WM_KEYUP, virtualKey, KeyParam(virtualKey, true, false));
}

bool PressAltKey(DWORD threadId, WORD virtualKey) {
  HWND focus = FocusedWindow(threadId);
  return focus && PostMessageW(focus, WM_SYSKEYDOWN, virtualKey, KeyParam(virtualKey, false, true)) &&
         PostMessageW(focus, WM_SYSKEYUP, virtualKey, KeyParam(virtualKey, true, true));
}

bool TypeChar(DWORD threadId, wchar_t character) {
  HWND focus = FocusedWindow(threadId);
  return focus && PostMessageW(focus, WM_CHAR, character, 1);
}

bool SelectFieldText(HWND field, int start, int end) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(field, EM_SETSEL, static_cast<WPARAM>(start), end, SMTO_ABORTIFHUNG, kWaitMs, &ignored) !=
         0;
}

void ClickAt(HWND window, int x, int y) {
  const LPARAM point = MAKELPARAM(x, y);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(window, WM_LBUTTONUP, 0, point);
}

}  // namespace e2e
