// Whole decimal integers on the command line: an optional "-" and digits,
// leading zeros allowed ("20:00:00"), nothing else around them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace menetkalk::cli {

std::optional<std::int32_t> ParseDecimalInt(std::string_view text);

}  // namespace menetkalk::cli
