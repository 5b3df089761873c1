// The names offered for one that is not known: slips of typing found, far
// names left out, the closest first.
#include <gtest/gtest.h>

#include "display/NameSuggestions.h"

namespace {

using Names = std::vector<std::string>;

TEST(NameSuggestionsTest, ClosestNamesAreThoseAFewSlipsAway) {
  const Names world = {"Sun", "Earth", "Moon", "Mars", "GL-01", "ISS", "Moonbase"};
  const struct {
    const char* typed;
    Names names;
    const char* question;
  } cases[] = {
      {"Mooon", {"Moon"}, "did you mean Moon?"},
      {"eatrh", {"Earth"}, "did you mean Earth?"},  // two letters swapped: one slip
      {"GL01", {"GL-01"}, "did you mean GL-01?"},   // one left out
      {"Mons", {"Moon", "Mars"}, "did you mean Moon or Mars?"},
      {"Moonbse", {"Moonbase"}, "did you mean Moonbase?"},
      {"Jupiter", {}, ""},
      {"Sn", {"Sun"}, "did you mean Sun?"},
      {"", {}, ""},
  };
  for (const auto& c : cases) {
    const Names names = sim::ClosestNames(c.typed, world);
    EXPECT_EQ(names, c.names) << c.typed;
    EXPECT_EQ(sim::DidYouMean(names), c.question) << c.typed;
  }
  EXPECT_EQ(sim::ClosestNames("Key", {"box", "key", "label", "menu"}), Names{"key"});
  EXPECT_EQ(sim::DidYouMean({"a", "b", "c"}), "did you mean a, b or c?");
  EXPECT_EQ(sim::ClosestNames("ab", {"ac", "ad", "ae", "af"}).size(), 3u) << "three at most";
}

}  // namespace
