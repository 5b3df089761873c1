// The scan that turns away deeply nested scenario files before the parser
// recurses into them: it must never count less than the parser builds, and
// it must not count what strings and comments merely contain.
#include <gtest/gtest.h>

#include <string>

#include "TomlNesting.h"

namespace {

TEST(TomlNestingTest, DepthCountsKeysTablesAndArraysButNotStrings) {
  const struct {
    std::string text;
    int depth;
    int line;
  } cases[] = {
      {"", 0, 1},
      {"a = 1", 1, 1},
      {"a.b.c = 1", 3, 1},
      {"a . b\t. c = 1", 3, 1},
      {"\"a.b\".c = 1\n'x.y.z' = 2", 2, 1},
      {"[a]\nb.c = 1", 3, 2},
      {"[[a.b.c]]\nd = 1", 4, 2},
      {"[a.b]\nc.d = [{e = 1}]", 6, 2},
      {"a = [[[1]]]", 4, 1},
      {"a = {b = {c = {d = 1}}}", 4, 1},
      {"a = [1,\n  [2, 3],\n]\nb.c = 3", 3, 2},
      {"x = 1\n\nb.c.d = 1", 3, 3},
      // Dots in values, strings and comments are no key parts.
      {"a = 1.5e+3\nb = 1979-05-27T07:32:00.999Z\nc = \"x.y.z\"", 1, 1},
      {"a = \"q\\\".b.c.d = 1\"\n# e.f.g.h = 1", 1, 1},
      {"a = \"\"\"\nb.c.d.e = 1\n\\\"\"\"\"\"\"\nf.g = 2", 2, 4},
      {"a = '''\nb.c.d.e\n'''\nf = 2", 1, 1},
      {"\xEF\xBB\xBF[a.b]\nc = 1", 3, 2},
      // Malformed text still ends, and still counts.
      {"a.b = [\n", 3, 1},
      {"]]} a.b.c = {", 3, 1},
  };
  for (const auto& c : cases) {
    const sim::TomlNesting nesting = sim::DeepestKey(c.text);
    EXPECT_EQ(nesting.depth, c.depth) << c.text;
    EXPECT_EQ(nesting.line, c.line) << c.text;
  }
}

}  // namespace
