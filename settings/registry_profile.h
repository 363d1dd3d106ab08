// The profile in the current user's registry:
// HKEY_CURRENT_USER\Software\<company>\<application>\<section>, one value per
// entry. Every read and write walks the key path anew and closes it again.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/profile_store.h"

namespace menetkalk {

class RegistryProfile : public ProfileStore {
 public:
  RegistryProfile(std::wstring companyKey, std::wstring applicationName);

  // Any value type's four bytes, little-endian; the default when the value is
  // missing, is not exactly four bytes long, or its key cannot be opened.
  std::int32_t GetProfileInt(std::string_view section, std::string_view entry,
                             std::int32_t defaultValue) override;
  // Stores a REG_DWORD holding the value's two's-complement bits.
  bool WriteProfileInt(std::string_view section, std::string_view entry, std::int32_t value) override;

 private:
  std::wstring companyKey_;
  std::wstring applicationName_;
};

}  // namespace menetkalk
