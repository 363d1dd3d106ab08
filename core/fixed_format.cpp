#include "core/fixed_format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace menetkalk {

std::string FormatFixed2(float value, int width) {
  std::string digits;
  // From 2^23 up every float is a whole number, so no rounding question arises
  // and the C library's output is exact.
  if (!std::isfinite(value) || std::fabs(value) >= 8388608.0f) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(value));
    digits = buffer;
  } else {
    // |value| = mantissa * 2^-shift exactly, with a 24-bit mantissa.
    int exponent = 0;
    const float fraction = std::frexp(std::fabs(value), &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 24));
    const int shift = 24 - exponent;  // > 0 below 2^23
    std::uint64_t hundredths = 0;
    if (shift < 40) {
      hundredths = (mantissa * 100 + (std::uint64_t{1} << (shift - 1))) >> shift;
    }  // else below 2^-16: rounds to zero hundredths
    digits = std::signbit(value) ? "-" : "";
    digits += std::to_string(hundredths / 100);
    digits += '.';
    digits += static_cast<char>('0' + hundredths / 10 % 10);
    digits += static_cast<char>('0' + hundredths % 10);
  }
  if (static_cast<int>(digits.size()) < width) digits.insert(0, static_cast<std::size_t>(width) - digits.size(), ' ');
  return digits;
}

}  // namespace menetkalk
