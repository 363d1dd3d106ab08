// A window by handle, and the message routing every window of the program
// shares.
#pragma once

#include <windows.h>

#include "ui/framework/cmd_target.h"
#include "ui/framework/menu.h"

class CWnd : public CCmdTarget {
 public:
  // Signed by default, like the edit fields of the program are read.
  UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const {
    return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
  }
  void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE) { ::SetDlgItemInt(m_hWnd, id, value, isSigned); }
  int GetDlgItemText(int id, LPWSTR buffer, int maxCount) const {
    return static_cast<int>(::GetDlgItemTextW(m_hWnd, id, buffer, maxCount));
  }
  void SetDlgItemText(int id, LPCWSTR text) { ::SetDlgItemTextW(m_hWnd, id, text); }

  // The menu has no handle when the window has no system menu.
  CMenu GetSystemMenu(BOOL revert) const { return CMenu(::GetSystemMenu(m_hWnd, revert)); }
  HICON SetIcon(HICON icon, BOOL bigIcon) {
    return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL,
                                               reinterpret_cast<LPARAM>(icon)));
  }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
  }

  // Hands the message being handled on to Windows' default handling, with
  // its own parameters, once the handler returns.
  LRESULT Default();

  HWND m_hWnd = nullptr;

 protected:
  // Routes a message through the class's map; commands no map of the window
  // takes go on to the application object. False: Windows handles it.
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  bool* m_passOnCurrent = nullptr;  // set while a handler runs
};
