// "%7.2f" for a single-precision value, rounded from its exact binary value
// with halves away from zero. C runtimes round the exact value too but break
// ties to even (520.125 -> "520.12"); the report wants "520.13".
#pragma once

#include <string>

namespace menetkalk {

std::string FormatFixed2(float value, int width = 7);

}  // namespace menetkalk
