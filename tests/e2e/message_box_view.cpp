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

// The pixels of the top left width x height of a window's client area, as
// the screen shows them.
std::vector<COLORREF> Pixels(HDC source, int x, int y, int width, int height) {
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
  std::vector<COLORREF> pixels;
  for (int row = 0; row < height; ++row)
    for (int column = 0; column < width; ++column) pixels.push_back(GetPixel(memory, column, row));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return pixels;
}

std::vector<COLORREF> ScreenPixels(HWND window, int width, int height) {
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  HDC screen = GetDC(nullptr);
  std::vector<COLORREF> pixels = Pixels(screen, origin.x, origin.y, width, height);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// A system icon drawn as an icon control draws it, over a background.
std::vector<COLORREF> IconPixels(LPCWSTR which, COLORREF background, int width, int height) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  HBRUSH brush = CreateSolidBrush(background);
  RECT all{0, 0, width, height};
  FillRect(memory, &all, brush);
  DeleteObject(brush);
  DrawIconEx(memory, 0, 0, LoadIconW(nullptr, which), width, height, 0, nullptr, DI_NORMAL);
  std::vector<COLORREF> pixels = Pixels(memory, 0, 0, width, height);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

size_t Differences(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
  size_t count = 0;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) count += a[i] != b[i];
  return count;
}

// Whether the icon control shows the exclamation icon: it must be the
// nearest of the system's message icons and match it nearly pixel for pixel.
bool ShowsExclamationIcon(HWND iconControl) {
  RECT client{};
  GetClientRect(iconControl, &client);
  const int width = client.right, height = client.bottom;
  if (width <= 0 || height <= 0) return false;
  const std::vector<COLORREF> shown = ScreenPixels(iconControl, width, height);
  const COLORREF background = shown.front();  // icon corners are transparent
  const size_t exclamation = Differences(shown, IconPixels(IDI_EXCLAMATION, background, width, height));
  for (LPCWSTR other : {IDI_HAND, IDI_QUESTION, IDI_ASTERISK, IDI_APPLICATION})
    if (Differences(shown, IconPixels(other, background, width, height)) <= exclamation) return false;
  return exclamation * 20 <= shown.size();
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
    if (kind == L"Static" && (style & SS_TYPEMASK) == SS_ICON) {
      view.hasIcon = true;
      // The box may still be painting: look until it shows, within bounds.
      view.iconIsExclamation = WaitUntil([&] { return ShowsExclamationIcon(child); });
    }
    if (kind == L"Button" && (style & WS_VISIBLE)) view.buttons.push_back(WindowText(child));
  }
  return view;
}

}  // namespace e2e
