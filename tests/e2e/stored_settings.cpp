#include "tests/e2e/stored_settings.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

const std::wstring kCompanyKey = L"Software\\Pelvana Tools\\";

std::wstring SectionPath(const std::wstring& appName) { return kCompanyKey + appName + L"\\LastBattle"; }

}  // namespace

void ClearStoredSettings(const std::wstring& appName) {
  const std::wstring appKey = kCompanyKey + appName;
  const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, appKey.c_str());
  if (status == ERROR_SUCCESS) RegDeleteKeyW(HKEY_CURRENT_USER, appKey.c_str());
}

bool SectionKeyExists(const std::wstring& appName) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(appName).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

StoredValues ReadStoredValues(const std::wstring& appName) {
  StoredValues values;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(appName).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD nameLength = 256, type = 0, data = 0, size = sizeof data;
    const LSTATUS status =
        RegEnumValueW(key, index, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    if (status == ERROR_NO_MORE_ITEMS) break;
    EXPECT_EQ(status, ERROR_SUCCESS) << "value " << index;
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD)) << "value " << index;
    EXPECT_EQ(size, sizeof data) << "value " << index;
    if (status == ERROR_SUCCESS) values[name] = static_cast<std::int32_t>(data);
  }
  RegCloseKey(key);
  return values;
}

void ReplaceStoredValues(const std::wstring& appName, const StoredValues& values) {
  ClearStoredSettings(appName);
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath(appName).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  for (const auto& [name, value] : values) {
    const DWORD data = static_cast<DWORD>(value);
    EXPECT_EQ(RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data),
              ERROR_SUCCESS);
  }
  RegCloseKey(key);
}

}  // namespace e2e
