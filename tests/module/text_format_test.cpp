// The module's own printf-style formatting reads exactly as glibc's printf:
// the figures on the page must not depend on the C library they run on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "display/TextFormat.h"

namespace {

std::string Formatted(const char* format, double value, std::size_t size = 512) {
  char out[512];
  FormatText(out, size, format, value);
  return out;
}

std::string Glibc(const char* format, double value) {
  char out[512];
  std::snprintf(out, sizeof out, format, value);
  return out;
}

const char* const fixedFormats[] = {"%.0f", "%.1f", "%.2f", "%.3f", "%.9f"};

TEST(TextFormatTest, SpecialValuesAndTiesReadAsGlibcPrintsThem) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* format;
    double value;
    const char* expected;
  } cases[] = {
      {"%.1f", inf, "inf"},
      {"%.1f", -inf, "-inf"},
      {"%.3f", nan, "nan"},
      {"%.3f", -nan, "-nan"},
      {"%.1f", -0.0, "-0.0"},
      {"%.3f", -0.0001, "-0.000"},
      {"%.0f", 0.5, "0"},
      {"%.0f", 1.5, "2"},
      {"%.0f", 2.5, "2"},
      {"%.2f", 0.125, "0.12"},
      {"%.2f", 0.375, "0.38"},
      {"%.1f", 999.96, "1000.0"},
      {"%.2f", 1e23, "99999999999999991611392.00"},
      {"%.3f", 5e-324, "0.000"},
  };
  for (const auto& c : cases) EXPECT_EQ(Formatted(c.format, c.value), c.expected) << c.value;
}

TEST(TextFormatTest, AnyDoubleReadsAsGlibcPrintsIt) {
  std::mt19937_64 random(20261208);
  for (int i = 0; i < 50000; ++i) {
    double value;
    const std::uint64_t bits = random();
    std::memcpy(&value, &bits, sizeof value);
    // Every exponent, and as many values of everyday size.
    if (i % 2 == 1) value = std::ldexp(static_cast<double>(bits >> 11), -53) * 1e12 - 5e11;
    const char* format = fixedFormats[i % 5];
    ASSERT_EQ(Formatted(format, value), Glibc(format, value)) << format << " of " << value;
  }
}

TEST(TextFormatTest, TextIsCutToTheBufferAndAlwaysEnded) {
  char out[8];
  std::memset(out, 'x', sizeof out);
  FormatText(out, 6, "%s and %.2f%%", "ab", 12.345);
  EXPECT_STREQ(out, "ab an");
  EXPECT_EQ(out[6], 'x');  // nothing written past the size
  FormatText(out, 1, "%s", "ab");
  EXPECT_STREQ(out, "");
  EXPECT_EQ(Formatted("%.1f%% safe", 12.34, 5), "12.3");
}

}  // namespace
