#include "display/NameSuggestions.h"

#include <algorithm>
#include <cctype>

namespace sim {

namespace {

constexpr std::size_t mostShown = 3;

char Lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Letters left out, added, changed, or two neighbours swapped, each one
// slip; letter case is no slip, as names are matched regardless of it.
std::size_t Slips(const std::string& a, const std::string& b) {
  const std::size_t n = a.size(), m = b.size();
  std::vector<std::vector<std::size_t>> d(n + 1, std::vector<std::size_t>(m + 1));
  for (std::size_t i = 0; i <= n; ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= m; ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= n; ++i) {
    for (std::size_t j = 1; j <= m; ++j) {
      const std::size_t change = Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
      if (i > 1 && j > 1 && Lower(a[i - 1]) == Lower(b[j - 2]) &&
          Lower(a[i - 2]) == Lower(b[j - 1]))
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[n][m];
}

// How many slips still make a likely match: one in a short name, one more
// for every four letters.
std::size_t SlipsAllowed(const std::string& a, const std::string& b) {
  return 1 + std::min(a.size(), b.size()) / 4;
}

// Names far longer than anything typed are not worth comparing letter by
// letter; nor is a typed text beyond any name's length.
constexpr std::size_t longestCompared = 256;

}  // namespace

std::vector<std::string> ClosestNames(const std::string& typed,
                                      const std::vector<std::string>& known) {
  std::vector<std::pair<std::size_t, std::string>> close;
  if (typed.empty() || typed.size() > longestCompared) return {};
  for (const std::string& name : known) {
    if (name.size() > longestCompared) continue;
    const std::size_t slips = Slips(typed, name);
    if (slips <= SlipsAllowed(typed, name)) close.emplace_back(slips, name);
  }
  std::stable_sort(close.begin(), close.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> names;
  for (const auto& [slips, name] : close) {
    if (names.size() == mostShown) break;
    names.push_back(name);
  }
  return names;
}

std::string DidYouMean(const std::vector<std::string>& names) {
  if (names.empty()) return {};
  std::string text = "did you mean ";
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
    text += names[i];
  }
  return text + "?";
}

}  // namespace sim
