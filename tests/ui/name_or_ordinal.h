// A resource field that holds either a 16-bit ordinal or a name (a class, a
// title, a resource type or name); neither stands for "none".
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace menetkalk::test {

struct NameOrOrdinal {
  std::optional<std::uint16_t> ordinal;
  std::wstring name;

  auto operator<=>(const NameOrOrdinal&) const = default;
};

inline NameOrOrdinal Ordinal(std::uint16_t value) { return {value, {}}; }
inline NameOrOrdinal Name(std::wstring text) { return {std::nullopt, std::move(text)}; }
inline NameOrOrdinal None() { return {}; }

// For the failure messages of GoogleTest.
inline void PrintTo(const NameOrOrdinal& value, std::ostream* out) {
  if (value.ordinal) {
    *out << "ordinal " << *value.ordinal;
    return;
  }
  *out << '"';
  for (wchar_t c : value.name) {
    *out << (c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?');
  }
  *out << '"';
}

}  // namespace menetkalk::test
