// A combo box: one message per method. Selections are indices (CB_ERR, -1,
// when nothing is selected).
#pragma once

#include <windows.h>

#include "ui/framework/wnd.h"

class CComboBox : public CWnd {
 public:
  int AddString(LPCWSTR text) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
  // Sends no selection-change notification.
  int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
  int GetCurSel() const { return static_cast<int>(::SendMessageW(m_hWnd, CB_GETCURSEL, 0, 0)); }
};
