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

namespace {

struct Unit {
  const char* name;  // after one blank
  double factor;     // to SI
};

// A number, a blank, one of `units`, then the end or a blank and anything.
std::optional<double> QuantityOf(const std::string& text, std::initializer_list<Unit> units) {
  char* end = nullptr;
  const double number = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || *end != ' ' || !std::isfinite(number)) return std::nullopt;
  const std::string rest(end + 1);
  const std::string unit = rest.substr(0, rest.find(' '));
  for (const Unit& known : units) {
    if (unit == known.name) return number * known.factor;
  }
  return std::nullopt;
}

}  // namespace

std::optional<double> MetresOf(const std::string& text) {
  return QuantityOf(text, {{"m", 1}, {"Km", 1e3}, {"Mm", 1e6}, {"Gm", 1e9}});
}

std::optional<double> MetresPerSecondOf(const std::string& text) {
  return QuantityOf(text, {{"Km/s", 1e3}});
}

}  // namespace sim
