// The About box: the icon, the version line, the author's credit and
// contact lines, and "OK". It has no behaviour of its own.
#pragma once

#include "ui/framework/dialog.h"

class CAboutDlg : public CDialog {
 public:
  CAboutDlg();
  ~CAboutDlg() override = default;

 protected:
  const MessageMap* GetMessageMap() const override;
  static const MessageMap messageMap;
};
