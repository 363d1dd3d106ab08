#include "ui/framework/dialog.h"

#include "ui/framework/win_app.h"

constinit const MessageMapEntry CDialog::messageEntries[] = {
    OnCommand<&CDialog::OnOK>(BN_CLICKED, IDOK),
    OnCommand<&CDialog::OnCancel>(BN_CLICKED, IDCANCEL),
    OnMessage<WM_HELP, &CDialog::OnHelpInfo>(),
};
constinit const MessageMap CDialog::messageMap{&CCmdTarget::messageMap, messageEntries};

const MessageMap* CDialog::GetMessageMap() const { return &messageMap; }

namespace {

// The main window's active modal box, or the main window itself.
HWND DefaultOwner(const CWnd* dialog) {
  const CWinApp* app = AfxGetApp();
  const CWnd* main = app != nullptr ? app->m_pMainWnd : nullptr;
  if (main == nullptr || main == dialog || main->m_hWnd == nullptr) return nullptr;
  return ::GetLastActivePopup(main->m_hWnd);
}

// DialogBox places a template without DS_CENTER where the template says:
// centre it on its owner, or in the work area without one, and keep it
// inside the work area of the owner's monitor.
void CentreInWorkArea(HWND window) {
  const HWND owner = ::GetWindow(window, GW_OWNER);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!::GetMonitorInfoW(::MonitorFromWindow(owner != nullptr ? owner : window, MONITOR_DEFAULTTONEAREST),
                         &monitor)) {
    return;
  }
  const RECT work = monitor.rcWork;
  RECT around = work;
  if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) ::GetWindowRect(owner, &around);

  RECT own{};
  ::GetWindowRect(window, &own);
  const LONG width = own.right - own.left;
  const LONG height = own.bottom - own.top;
  LONG left = around.left + (around.right - around.left - width) / 2;
  LONG top = around.top + (around.bottom - around.top - height) / 2;
  if (left + width > work.right) left = work.right - width;
  if (left < work.left) left = work.left;
  if (top + height > work.bottom) top = work.bottom - height;
  if (top < work.top) top = work.top;
  ::SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Messages whose dialog-procedure result is their own result rather than
// a handled flag.
bool ReturnsResultDirectly(UINT message) {
  switch (message) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
      return true;
    default:
      return false;
  }
}

}  // namespace

INT_PTR CDialog::DoModal() {
  const HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : DefaultOwner(this);
  return ::DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_templateId), owner, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange exchange(this, saveAndValidate);
  DoDataExchange(&exchange);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnHelpInfo(HELPINFO*) {
  const bool modifierHeld =
      (::GetKeyState(VK_SHIFT) < 0) || (::GetKeyState(VK_CONTROL) < 0) || (::GetKeyState(VK_MENU) < 0);
  const CWinApp* app = AfxGetApp();
  if (!modifierHeld && app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr) {
    ::SendMessageW(app->m_pMainWnd->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
  }
  return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(window, DWLP_USER));
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<CDialog*>(lParam);
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    dialog->m_hWnd = window;
    RECT before{};
    ::GetWindowRect(window, &before);
    const BOOL focusFirst = dialog->OnInitDialog();
    RECT after{};
    ::GetWindowRect(window, &after);
    if (::EqualRect(&before, &after)) CentreInWorkArea(window);
    // The first tab stop gets the focus through WM_NEXTDLGCTL, the dialog
    // manager's own way of moving it, so that a push button there becomes
    // the default button and Enter presses it, as on Windows. Wine's dialog
    // creation sets that first focus without making the button the default.
    const auto first = reinterpret_cast<HWND>(wParam);
    if (focusFirst && first != nullptr) {
      ::SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
      return FALSE;  // the focus is set
    }
    return focusFirst;
  }
  if (dialog == nullptr) return FALSE;  // before WM_INITDIALOG: Windows' own handling

  LRESULT result = 0;
  const bool handled = dialog->OnWndMsg(message, wParam, lParam, result);

  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, DWLP_USER, 0);
    dialog->m_hWnd = nullptr;
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == dialog) app->m_pMainWnd = nullptr;
    return FALSE;
  }
  if (!handled) return FALSE;
  if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
  ::SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
  return TRUE;
}
