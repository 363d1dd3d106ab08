// The core speaks plain ASCII; the window speaks UTF-16.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace menetkalk {

inline std::wstring WidenAscii(std::string_view text) { return std::wstring(text.begin(), text.end()); }

// Anything outside ASCII becomes '?', which no check accepts, so a typed
// character can never pass for another one.
inline std::string NarrowToAscii(std::wstring_view text) {
  std::string narrow;
  narrow.reserve(text.size());
  for (wchar_t c : text) narrow.push_back(static_cast<std::uint32_t>(c) < 0x80 ? static_cast<char>(c) : '?');
  return narrow;
}

}  // namespace menetkalk
