// The application: runs the main dialog once, then the process ends.
#pragma once

#include "ui/framework/win_app.h"

class CPlannerApp : public CWinApp {
 public:
  CPlannerApp() : CWinApp(nullptr) {}
  ~CPlannerApp() override = default;

 protected:
  const MessageMap* GetMessageMap() const override;
  static const MessageMap messageMap;

 public:
  BOOL InitInstance() override;

 private:
  static const MessageMapEntry messageEntries[];
};

extern CPlannerApp theApp;
