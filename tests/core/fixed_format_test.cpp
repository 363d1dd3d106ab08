#include "core/fixed_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace menetkalk {
namespace {

TEST(FormatFixed2, HalvesRoundAwayFromZero) {
  const std::pair<float, const char*> cases[] = {
      {520.125f, " 520.13"},  {576.125f, " 576.13"}, {0.125f, "   0.13"},   {2.5f, "   2.50"},
      {0.0f, "   0.00"},      {5.0f, "   5.00"},     {1414.213623046875f, "1414.21"},
      {0.005f, "   0.00"},    // the float lies just below the half
      {0.015f, "   0.01"},    // likewise
      {999.996f, "1000.00"},  {-0.125f, "  -0.13"},  {12345.675f, "12345.67"},  // wider than 7: not cut
      {1e-30f, "   0.00"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(FormatFixed2(value), text) << value;
}

TEST(FormatFixed2, AgreesWithPrintfAwayFromTies) {
  // Away from exact halves the C library and the exact formatter agree.
  for (int i = 0; i < 200000; i += 7) {
    const float value = static_cast<float>(i) * 0.0713f;
    char expected[32];
    std::snprintf(expected, sizeof expected, "%7.2f", static_cast<double>(value));
    const double hundredths = static_cast<double>(value) * 100.0;
    if (hundredths - std::floor(hundredths) == 0.5) continue;
    EXPECT_EQ(FormatFixed2(value), expected) << value;
  }
}

TEST(FormatFixed2, LargeValuesArePrintedWhole) {
  EXPECT_EQ(FormatFixed2(16777216.0f), "16777216.00");
}

}  // namespace
}  // namespace menetkalk
