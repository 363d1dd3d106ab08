// The built Menetkalk.exe, loaded as a data file so that its resources can be
// read back without running it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <set>
#include <span>

#include "tests/ui/name_or_ordinal.h"

namespace menetkalk::test {

// Resource type -> resource name -> languages.
using ResourceInventory = std::map<NameOrOrdinal, std::map<NameOrOrdinal, std::set<WORD>>>;

class BuiltExecutable {
 public:
  BuiltExecutable();
  ~BuiltExecutable();
  BuiltExecutable(const BuiltExecutable&) = delete;
  BuiltExecutable& operator=(const BuiltExecutable&) = delete;

  HMODULE Module() const { return module_; }
  // The bytes of resource `id` of `type` in English (United States); empty
  // when there is none.
  std::span<const std::uint8_t> Resource(LPCWSTR type, WORD id) const;
  // Every resource the file holds, as Windows enumerates them.
  ResourceInventory Inventory() const;

 private:
  HMODULE module_;
};

// Loaded once for all tests of the program.
const BuiltExecutable& Menetkalk();

inline constexpr WORD kEnglishUnitedStates = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

}  // namespace menetkalk::test
