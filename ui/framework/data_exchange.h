// Dialog data exchange: binding member control objects to the controls of
// a dialog by id.
#pragma once

#include <windows.h>

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

  CWnd* m_pDlgWnd;
  BOOL m_bSaveAndValidate;  // true: controls to members; false: members to controls
};

// Makes the member object stand for the dialog's control with this id. No
// subclassing: the control keeps Windows' own window procedure.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
