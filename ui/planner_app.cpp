#include "ui/planner_app.h"

#include <windows.h>

#include <commctrl.h>

#include "ui/planner_dlg.h"

CPlannerApp theApp;

constinit const MessageMapEntry CPlannerApp::messageEntries[] = {
    OnCommand<&CWinApp::OnHelp>(0, ID_HELP),
};
constinit const MessageMap CPlannerApp::messageMap{&CWinApp::messageMap, messageEntries};

const MessageMap* CPlannerApp::GetMessageMap() const { return &messageMap; }

BOOL CPlannerApp::InitInstance() {
  ::InitCommonControls();
  CWinApp::InitInstance();
  AfxEnableControlContainer();
  SetRegistryKey(L"Pelvana Tools");

  CPlannerDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();
  // Cleared here too: when the window never came to exist, nothing else
  // would clear it, and the dialog object is about to go.
  m_pMainWnd = nullptr;
  return FALSE;
}
