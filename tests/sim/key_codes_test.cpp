// Keys as the script and the cockpit name them, turned into the scan codes a
// display takes.
#include <gtest/gtest.h>

#include "display/KeyCodes.h"

namespace {

TEST(KeyCodesTest, LettersAndDigitsHaveTheirKeyboardScanCodes) {
  const struct {
    char key;
    std::uint32_t code;
  } cases[] = {
      {'W', 0x11}, {'T', 0x14}, {'D', 0x20}, {'V', 0x2F}, {'N', 0x31}, {'A', 0x1E}, {'Z', 0x2C},
      {'Q', 0x10}, {'M', 0x32}, {'w', 0x11}, {'t', 0x14}, {'1', 0x02}, {'9', 0x0A}, {'0', 0x0B},
  };
  for (const auto& c : cases) EXPECT_EQ(sim::ScanCodeOf(c.key), c.code) << c.key;
  for (char other : {' ', '%', '-', '\n', '\0'}) EXPECT_FALSE(sim::ScanCodeOf(other)) << other;
}

TEST(KeyCodesTest, ScriptsNameKeysByCharacterOrHexCode) {
  EXPECT_EQ(sim::ParseKeyName("T"), 0x14u);
  EXPECT_EQ(sim::ParseKeyName("0x11"), 0x11u);
  EXPECT_EQ(sim::ParseKeyName("0X1e"), 0x1Eu);
  EXPECT_EQ(sim::ParseKeyName("0xF"), 0x0Fu);
  for (const char* bad : {"", "TT", "0x", "0x123", "0xZZ", "F1", "x11", "11", "-"})
    EXPECT_FALSE(sim::ParseKeyName(bad)) << bad;
}

}  // namespace
