#include "ui/framework/wnd.h"

#include "ui/framework/win_app.h"

LRESULT CWnd::Default() {
  if (m_passOnCurrent != nullptr) *m_passOnCurrent = true;
  return 0;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // Handlers may run modal loops, so messages nest: each keeps its own flag.
  bool passOn = false;
  bool* const outer = m_passOnCurrent;
  m_passOnCurrent = &passOn;
  bool handled = RouteMessage(message, wParam, lParam, result);
  m_passOnCurrent = outer;
  if (!handled && message == WM_COMMAND) {
    if (CWinApp* app = AfxGetApp(); app != nullptr) handled = app->RouteMessage(message, wParam, lParam, result);
  }
  return handled && !passOn;
}
