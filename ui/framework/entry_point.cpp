// The process entry point: the application object's start-up, then its exit
// step. The program does all its work inside InitInstance's modal dialog, so
// there is no message loop here, and no main window is left to destroy.
#include <windows.h>

#include "ui/framework/win_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return -1;
  app->InitApplicationState(instance);
  app->InitInstance();
  return app->ExitInstance();
}
