#include "tests/e2e/app_session.h"

#include "tests/e2e/built_files.h"
#include "tests/e2e/stored_settings.h"
#include "tests/e2e/window_reading.h"

namespace e2e {
namespace {

std::wstring NewScratchFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  static unsigned counter = 0;
  std::wstring folder = std::wstring(temp) + L"menetkalk-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                        std::to_wstring(++counter);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

}  // namespace

AppSession::AppSession(std::wstring exeName, Stored stored) : exeName_(std::move(exeName)) {
  appName_ = exeName_.substr(0, exeName_.rfind(L'.'));
  folder_ = NewScratchFolder();
  exePath_ = folder_ + L"\\" + exeName_;
  if (stored == Stored::Clear) ClearStoredSettings(appName_);
}

AppSession::~AppSession() {
  Kill();
  // Wine may hold the file a moment after the process has ended.
  WaitUntil([&] { return DeleteFileW(exePath_.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND; }, 2000);
  RemoveDirectoryW(folder_.c_str());
}

testing::AssertionResult AppSession::Start() {
  if (!CopyFileW(BuiltProgramPath().c_str(), exePath_.c_str(), FALSE))
    return testing::AssertionFailure() << "copying the program failed, error " << GetLastError();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + exePath_ + L"\"";
  if (!CreateProcessW(exePath_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(),
                      &startup, &process_))
    return testing::AssertionFailure() << "starting the program failed, error " << GetLastError();
  WaitUntil(
      [&] { return (dialog_ = FindProcessDialog(process_.dwProcessId, L"Menetkalk")) != nullptr || !IsRunning(); },
      kStartMs);
  if (!dialog_) {
    DWORD exitCode = 0;
    GetExitCodeProcess(process_.hProcess, &exitCode);
    return testing::AssertionFailure() << (IsRunning() ? "no main dialog within the time allowed"
                                                       : "the program ended at start, exit code ")
                                       << (IsRunning() ? "" : std::to_string(exitCode));
  }
  threadId_ = GetWindowThreadProcessId(dialog_, nullptr);
  // Keyboard input goes to the active window, as for a user who has just
  // started the program.
  SetForegroundWindow(dialog_);
  return testing::AssertionSuccess();
}

bool AppSession::WaitForExit(DWORD timeoutMs) const {
  return !process_.hProcess || WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

void AppSession::Kill() {
  if (!process_.hProcess) return;
  if (!WaitForExit(0)) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, kWaitMs);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
  process_ = {};
  dialog_ = nullptr;
}

HWND FindProcessDialog(DWORD pid, const std::wstring& caption) {
  struct Search {
    DWORD pid;
    const std::wstring* caption;
    HWND found;
  } search{pid, &caption, nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s.pid || GetWindow(window, GW_OWNER) || !IsWindowVisible(window) ||
            ClassName(window) != L"#32770" || WindowText(window) != *s.caption)
          return TRUE;
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace e2e
