// A modal dialog built from its template by the Windows dialog manager,
// which keeps Enter, Esc, Tab and focus as Windows makes them behave.
#pragma once

#include <windows.h>

#include "ui/framework/data_exchange.h"
#include "ui/framework/wnd.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_templateId(templateId), m_pParentWnd(parent) {}

  // The value given to EndDialog, or -1 when the dialog could not be created.
  virtual INT_PTR DoModal();
  void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

  // Binds the member controls; TRUE lets the dialog manager focus the first tab stop.
  virtual BOOL OnInitDialog();

 protected:
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  void OnPaint() { Default(); }
  // F1: the help command goes to the main window, and from there to the application.
  BOOL OnHelpInfo(HELPINFO* info);

  const MessageMap* GetMessageMap() const override;
  static const MessageMap messageMap;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  UINT m_templateId;
  CWnd* m_pParentWnd;

  static const MessageMapEntry messageEntries[];
};
