#include "ui/framework/win_app.h"

#include "settings/application_name.h"
#include "settings/registry_profile.h"
#include "settings/running_application_name.h"
#include "ui/framework/message_box.h"
#include "ui/framework/wnd.h"

namespace {
CWinApp* g_application = nullptr;
}  // namespace

// Empty: an application routes ID_HELP to OnHelp in its own map.
constinit const MessageMap CWinApp::messageMap{&CCmdTarget::messageMap, {}};

const MessageMap* CWinApp::GetMessageMap() const { return &messageMap; }

CWinApp::CWinApp(LPCWSTR appName) {
  if (appName != nullptr) {
    m_appName = appName;
    m_pszAppName = m_appName.c_str();
  }
  g_application = this;
}

CWinApp::~CWinApp() {
  if (g_application == this) g_application = nullptr;
}

void CWinApp::InitApplicationState(HINSTANCE instance) {
  m_hInstance = instance;
  if (m_pszAppName == nullptr) {
    m_appName = menetkalk::RunningApplicationName();
    m_pszAppName = m_appName.c_str();
  }
  const std::wstring executable = menetkalk::RunningExecutablePath();
  if (!executable.empty()) m_helpFilePath = std::wstring(menetkalk::PathWithoutExtension(executable)) + L".HLP";
  m_pszHelpFilePath = m_helpFilePath.c_str();
}

void CWinApp::SetRegistryKey(LPCWSTR companyKey) {
  m_profile = std::make_unique<menetkalk::RegistryProfile>(companyKey, m_appName);
}

std::int32_t CWinApp::GetProfileInt(std::string_view section, std::string_view entry,
                                    std::int32_t defaultValue) {
  return m_profile != nullptr ? m_profile->GetProfileInt(section, entry, defaultValue) : defaultValue;
}

bool CWinApp::WriteProfileInt(std::string_view section, std::string_view entry, std::int32_t value) {
  return m_profile != nullptr && m_profile->WriteProfileInt(section, entry, value);
}

void CWinApp::OnHelp() {
  const HWND owner = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
  if (m_helpFilePath.empty() || !::WinHelpW(owner, m_pszHelpFilePath, HELP_FINDER, 0)) {
    AfxMessageBox(L"Failed to launch help.");
  }
}

CWinApp* AfxGetApp() { return g_application; }

CWnd* AfxGetMainWnd() { return g_application != nullptr ? g_application->m_pMainWnd : nullptr; }

HINSTANCE AfxGetResourceHandle() { return ::GetModuleHandleW(nullptr); }

HINSTANCE AfxFindStringResourceHandle(UINT) { return AfxGetResourceHandle(); }
