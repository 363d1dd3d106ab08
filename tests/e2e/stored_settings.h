// What the program keeps in the registry, read and seeded from outside:
// HKCU\Software\Pelvana Tools\<program name>\LastBattle.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace e2e {

// Value name -> the four data bytes as a signed integer; REG_DWORD only.
using StoredValues = std::map<std::wstring, std::int32_t>;

void ClearStoredSettings(const std::wstring& appName);
// Whether the section key exists at all (the program creates it on start).
bool SectionKeyExists(const std::wstring& appName);
// Every value of the section key; a value of another type or size is
// recorded as a failure in the test that meets it.
StoredValues ReadStoredValues(const std::wstring& appName);
// Leaves exactly these values stored, as a former run might have.
void ReplaceStoredValues(const std::wstring& appName, const StoredValues& values);

}  // namespace e2e
