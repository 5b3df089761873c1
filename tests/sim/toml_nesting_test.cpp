// The scan that turns away deeply nested scenario files before the parser
// recurses into them: it must never count less than the parser builds, and
// it must not count what strings and comments merely contain. It also finds
// the characters the parser cannot be given.
#include <gtest/gtest.h>

#include <string>

#include "world/TomlNesting.h"

namespace {

TEST(TomlNestingTest, DepthCountsKeysTablesAndArraysButNotStrings) {
  const struct {
    std::string text;
    int depth;
    int line;
    int foreignLine = 0;
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
      // Bytes beyond ASCII: anywhere in strings and comments, but not where
      // the parser asks whether they are white space.
      {"# \xC3\xA9\nc = \"\xC3\xA9\" # \xC3\xA9\nd = '\xC3\xA9'\ne = '''\n\xC3\xA9'''", 1, 2},
      {"a = \"\"\"\\u00e9\\\n\"\"\"\nb = 1", 1, 1},
      {"a = 1\nb = \xC3\xA9", 1, 1, 2},
      {"[a]\n[\xC4\xBA]", 1, 1, 2},
      {"a = \"\"\"x\\\n\n  \xC3\xA9\"\"\"", 1, 1, 1},
      {"a = \"\"\"x\\\xC3\xA9\"\"\"", 1, 1, 1},
      // A value read as a number is read up to its end, quotes and all.
      {"a = [1, 0\"\"\"\"s\xC3\xA9\"]", 2, 1, 1},
  };
  for (const auto& c : cases) {
    const sim::TomlNesting nesting = sim::DeepestKey(c.text);
    EXPECT_EQ(nesting.depth, c.depth) << c.text;
    EXPECT_EQ(nesting.line, c.line) << c.text;
    EXPECT_EQ(nesting.foreignLine, c.foreignLine) << c.text;
  }
}

}  // namespace
