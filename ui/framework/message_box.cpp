#include "ui/framework/message_box.h"

#include "ui/framework/win_app.h"
#include "ui/framework/wnd.h"

int AfxMessageBox(LPCWSTR text, UINT type) {
  if ((type & MB_TYPEMASK) == MB_OK && (type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
  const CWinApp* app = AfxGetApp();
  const CWnd* main = AfxGetMainWnd();
  // While the main window has a modal box of its own open, that box owns
  // the message, so the user cannot reach it meanwhile.
  const HWND owner = main != nullptr && main->m_hWnd != nullptr ? ::GetLastActivePopup(main->m_hWnd) : nullptr;
  return ::MessageBoxW(owner, text, app != nullptr ? app->m_pszAppName : nullptr, type);
}
