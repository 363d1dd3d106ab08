#include "ui/about_dlg.h"

#include "ui/resource.h"

// Empty: OK, Enter, Esc and the close box end it through CDialog.
constinit const MessageMap CAboutDlg::messageMap{&CDialog::messageMap, {}};

const MessageMap* CAboutDlg::GetMessageMap() const { return &messageMap; }

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
