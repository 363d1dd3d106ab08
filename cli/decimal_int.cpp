#include "cli/decimal_int.h"

#include <charconv>
#include <system_error>

namespace menetkalk::cli {

std::optional<std::int32_t> ParseDecimalInt(std::string_view text) {
  std::int32_t value = 0;
  const char* const end = text.data() + text.size();
  // from_chars takes no "+" and no blanks, and reports values beyond 32 bits.
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace menetkalk::cli
