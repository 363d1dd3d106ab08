// The application object: start-up and exit steps, the application name,
// the main window, the profile and help.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "settings/profile_store.h"
#include "ui/framework/cmd_target.h"

class CWnd;

// The framework's help command, which F1 sends to the main window.
inline constexpr WORD ID_HELP = 0xE146;

class CWinApp : public CCmdTarget, public menetkalk::ProfileStore {
 public:
  // A null name makes the executable's base name the application name.
  explicit CWinApp(LPCWSTR appName = nullptr);
  ~CWinApp() override;

  virtual BOOL InitInstance() { return TRUE; }
  virtual int ExitInstance() { return 0; }

  // What the entry point does before InitInstance: the instance handle, the
  // application name and the help file beside the executable.
  void InitApplicationState(HINSTANCE instance);

  // From here on the profile is HKEY_CURRENT_USER\Software\<company>\<application>.
  void SetRegistryKey(LPCWSTR companyKey);

  // The program always calls SetRegistryKey before it touches the profile,
  // so there is no initialisation-file profile: until then reads give the
  // default and writes fail.
  std::int32_t GetProfileInt(std::string_view section, std::string_view entry,
                             std::int32_t defaultValue) override;
  bool WriteProfileInt(std::string_view section, std::string_view entry, std::int32_t value) override;

  // Asks the Windows help engine for the executable's ".HLP" file.
  void OnHelp();

  LPCWSTR m_pszAppName = nullptr;
  LPCWSTR m_pszHelpFilePath = nullptr;
  HINSTANCE m_hInstance = nullptr;
  CWnd* m_pMainWnd = nullptr;

 protected:
  const MessageMap* GetMessageMap() const override;
  static const MessageMap messageMap;

 private:
  std::wstring m_appName;
  std::wstring m_helpFilePath;
  std::unique_ptr<menetkalk::ProfileStore> m_profile;
};

// The one application object, registered by its constructor.
CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetResourceHandle();
HINSTANCE AfxFindStringResourceHandle(UINT id);

// Nothing to do: no dialog of the program hosts an ActiveX control, so no
// control container is needed.
inline void AfxEnableControlContainer() {}
