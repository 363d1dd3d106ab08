// Named integers by section and entry, as the application object offers them.
// On Windows the store is the registry; tests use an in-memory one.
#pragma once

#include <cstdint>
#include <string_view>

#ifdef _WIN32
// <windows.h> renames GetProfileInt and WriteProfileInt to its ini-file
// functions by macro. Taking it in here and dropping those two macros keeps
// the member names the same in every file, whatever it includes first.
#include <windows.h>
#undef GetProfileInt
#undef WriteProfileInt
#endif

namespace menetkalk {

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;

  // The stored integer, or defaultValue when the entry cannot be read.
  virtual std::int32_t GetProfileInt(std::string_view section, std::string_view entry,
                                     std::int32_t defaultValue) = 0;
  // True when the value was stored; callers may ignore a failure.
  virtual bool WriteProfileInt(std::string_view section, std::string_view entry, std::int32_t value) = 0;
};

}  // namespace menetkalk
