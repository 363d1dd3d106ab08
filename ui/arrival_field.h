// The value of an arrival-time field (hour, minute or second).
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace menetkalk {

// read: the field as a signed 32-bit number, or nothing when it cannot be
// read as one. An empty field, or one without digits, counts as 0; one whose
// digits do not fit 32 bits must not pass as 0 (midnight), so it comes back
// out of every range and fails the field's own check.
inline std::int32_t ArrivalFieldValue(std::optional<std::int32_t> read, std::wstring_view text) {
  if (read) return *read;
  return text.find_first_of(L"0123456789") != std::wstring_view::npos ? std::numeric_limits<std::int32_t>::max()
                                                                       : 0;
}

}  // namespace menetkalk
