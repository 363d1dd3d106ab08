// One run of the calculator as a user starts it: a copy of the built program
// under the wanted file name in a scratch folder, started fresh and ended for
// sure when the session goes away, so nothing leaks into the next test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace e2e {

// How long any wait for the program may take before the test fails.
inline constexpr DWORD kWaitMs = 5000;
// Starting a process under Wine on a busy machine takes longer.
inline constexpr DWORD kStartMs = 20000;

class AppSession {
 public:
  // exeName is the file name the copy gets, e.g. L"Menetkalk.exe". The
  // program's registry key under that name is cleared unless Keep is asked
  // for, so each test starts from nothing stored or from what it stored.
  enum class Stored { Clear, Keep };
  explicit AppSession(std::wstring exeName = L"Menetkalk.exe", Stored stored = Stored::Clear);
  ~AppSession();
  AppSession(const AppSession&) = delete;
  AppSession& operator=(const AppSession&) = delete;

  // Starts the copy and waits for its main dialog; fails, saying why, if
  // none appears.
  testing::AssertionResult Start();
  // The main dialog, once Start has found it.
  HWND Dialog() const { return dialog_; }
  HWND Control(int id) const { return GetDlgItem(dialog_, id); }
  DWORD ThreadId() const { return threadId_; }
  // The program's name as it sees itself: the file name without extension.
  const std::wstring& AppName() const { return appName_; }

  // True once the process has ended, waiting at most timeoutMs.
  bool WaitForExit(DWORD timeoutMs = kWaitMs) const;
  bool IsRunning() const { return !WaitForExit(0); }
  void Kill();

 private:
  std::wstring exeName_;
  std::wstring appName_;
  std::wstring folder_;
  std::wstring exePath_;
  PROCESS_INFORMATION process_{};
  DWORD threadId_ = 0;
  HWND dialog_ = nullptr;
};

// The visible unowned dialog window of process pid with this caption.
HWND FindProcessDialog(DWORD pid, const std::wstring& caption);

}  // namespace e2e
