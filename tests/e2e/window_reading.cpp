#include "tests/e2e/window_reading.h"

#include <vector>

namespace e2e {
namespace {

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kWaitMs, &result)) return -1;
  return static_cast<LRESULT>(result);
}

}  // namespace

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring WindowText(HWND window) {
  const LRESULT length = Ask(window, WM_GETTEXTLENGTH);
  if (length <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
  const LRESULT copied = Ask(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return copied > 0 ? std::wstring(buffer.data(), static_cast<size_t>(copied)) : std::wstring();
}

LONG_PTR Style(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

int ComboSelection(HWND combo) { return static_cast<int>(Ask(combo, CB_GETCURSEL)); }

int ComboCount(HWND combo) { return static_cast<int>(Ask(combo, CB_GETCOUNT)); }

std::wstring ComboItem(HWND combo, int index) {
  const LRESULT length = Ask(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
  Ask(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return buffer.data();
}

bool ComboIsDropped(HWND combo) { return Ask(combo, CB_GETDROPPEDSTATE) > 0; }

std::wstring ComboSelectedText(HWND combo) {
  const int selection = ComboSelection(combo);
  return selection < 0 ? std::wstring() : ComboItem(combo, selection);
}

HWND FocusedWindow(DWORD threadId) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!done()) {
    if (GetTickCount64() >= end) return done();
    Sleep(20);
  }
  return true;
}

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

std::string Narrow(const std::wstring& ascii) {
  std::string result;
  for (wchar_t c : ascii) result += c < 0x80 ? static_cast<char>(c) : '?';
  return result;
}

}  // namespace e2e
