#include "PageReading.h"

#include <cmath>
#include <cstdlib>

namespace sim {

namespace {

bool StartsWith(const std::string& text, std::string_view prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::optional<std::string> TextAfter(const host::Page& page, std::string_view label) {
  for (const host::TextRun& run : page.runs) {
    if (StartsWith(run.text, label)) return run.text.substr(label.size());
  }
  return std::nullopt;
}

std::optional<std::string> ValueUnder(const host::Page& page, std::string_view label) {
  for (std::size_t i = 0; i + 1 < page.runs.size(); ++i) {
    if (StartsWith(page.runs[i].text, label)) return page.runs[i + 1].text;
  }
  return std::nullopt;
}

bool Shows(const host::Page& page, std::string_view text) {
  for (const host::TextRun& run : page.runs) {
    if (run.text == text) return true;
  }
  return false;
}

std::optional<double> MetresOf(const std::string& text) {
  const struct {
    const char* unit;
    double metres;
  } units[] = {{" m", 1}, {" Km", 1e3}, {" Mm", 1e6}, {" Gm", 1e9}};
  char* end = nullptr;
  const double number = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || !std::isfinite(number)) return std::nullopt;
  const std::string rest(end);
  for (const auto& unit : units) {
    const std::size_t length = std::char_traits<char>::length(unit.unit);
    if (StartsWith(rest, unit.unit) && (rest.size() == length || rest[length] == ' '))
      return number * unit.metres;
  }
  return std::nullopt;
}

}  // namespace sim
