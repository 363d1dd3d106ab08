#include "settings/registry_profile.h"

#include <windows.h>

#include <array>
#include <cstring>
#include <optional>
#include <utility>

namespace menetkalk {
namespace {

class OpenKey {
 public:
  OpenKey() = default;
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  ~OpenKey() {
    if (handle_ != nullptr) RegCloseKey(handle_);
  }
  HKEY get() const { return handle_; }
  HKEY* receive() { return &handle_; }

 private:
  HKEY handle_ = nullptr;
};

constexpr REGSAM kReadWrite = KEY_READ | KEY_WRITE;

// Section and entry names are ASCII. Anything else, or a NUL that would cut
// the name short, is refused rather than guessed at.
std::optional<std::wstring> WidenName(std::string_view name) {
  std::wstring wide;
  wide.reserve(name.size());
  for (const char c : name) {
    const auto code = static_cast<unsigned char>(c);
    if (code == 0 || code > 0x7F) return std::nullopt;
    wide.push_back(static_cast<wchar_t>(code));
  }
  return wide;
}

// An empty name would make the walk reopen the parent instead of one level
// down, mixing one application's values into another's key.
bool IsUsableKeyName(const std::wstring& name) {
  return !name.empty() && name.find(L'\0') == std::wstring::npos;
}

bool CreateSubKey(HKEY parent, const std::wstring& name, OpenKey& key) {
  return IsUsableKeyName(name) &&
         RegCreateKeyExW(parent, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kReadWrite, nullptr,
                         key.receive(), nullptr) == ERROR_SUCCESS;
}

// Runs action on the open section key; every key is closed again on return.
template <typename Action>
bool WithSectionKey(const std::wstring& company, const std::wstring& application, const std::wstring& section,
                    Action&& action) {
  OpenKey software;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, kReadWrite, software.receive()) != ERROR_SUCCESS) {
    return false;
  }
  OpenKey companyKey;
  OpenKey applicationKey;
  OpenKey sectionKey;
  if (!CreateSubKey(software.get(), company, companyKey) ||
      !CreateSubKey(companyKey.get(), application, applicationKey) ||
      !CreateSubKey(applicationKey.get(), section, sectionKey)) {
    return false;
  }
  return std::forward<Action>(action)(sectionKey.get());
}

}  // namespace

RegistryProfile::RegistryProfile(std::wstring companyKey, std::wstring applicationName)
    : companyKey_(std::move(companyKey)), applicationName_(std::move(applicationName)) {}

std::int32_t RegistryProfile::GetProfileInt(std::string_view section, std::string_view entry,
                                            std::int32_t defaultValue) {
  const std::optional<std::wstring> sectionName = WidenName(section);
  const std::optional<std::wstring> entryName = WidenName(entry);
  if (!sectionName || !entryName) return defaultValue;

  std::int32_t result = defaultValue;
  WithSectionKey(companyKey_, applicationName_, *sectionName, [&](HKEY key) {
    std::array<BYTE, 4> data{};
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size());
    // Longer data fails with ERROR_MORE_DATA; shorter data would leave the
    // upper bytes undefined, so it counts as missing too.
    if (RegQueryValueExW(key, entryName->c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS ||
        size != data.size()) {
      return false;
    }
    const std::uint32_t bits = static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
                               static_cast<std::uint32_t>(data[2]) << 16 |
                               static_cast<std::uint32_t>(data[3]) << 24;
    result = static_cast<std::int32_t>(bits);
    return true;
  });
  return result;
}

bool RegistryProfile::WriteProfileInt(std::string_view section, std::string_view entry, std::int32_t value) {
  const std::optional<std::wstring> sectionName = WidenName(section);
  const std::optional<std::wstring> entryName = WidenName(entry);
  if (!sectionName || !entryName) return false;

  return WithSectionKey(companyKey_, applicationName_, *sectionName, [&](HKEY key) {
    const DWORD bits = static_cast<DWORD>(value);
    return RegSetValueExW(key, entryName->c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&bits),
                          sizeof bits) == ERROR_SUCCESS;
  });
}

}  // namespace menetkalk
