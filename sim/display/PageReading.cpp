#include "display/PageReading.h"

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

// A finite number at the start of `text`; `end` is where it stops.
std::optional<double> NumberAt(const std::string& text, std::size_t& end) {
  char* stop = nullptr;
  const double number = std::strtod(text.c_str(), &stop);
  end = static_cast<std::size_t>(stop - text.c_str());
  if (end == 0 || !std::isfinite(number)) return std::nullopt;
  return number;
}

}  // namespace

std::optional<double> MetresOf(const std::string& text) {
  const struct {
    const char* name;  // after one blank
    double factor;     // to metres
  } units[] = {{"m", 1}, {"Km", 1e3}, {"Mm", 1e6}, {"Gm", 1e9}};
  std::size_t end = 0;
  const std::optional<double> number = NumberAt(text, end);
  if (!number) return std::nullopt;
  const std::string rest = text.substr(end);
  if (StartsWith(rest, " ")) {
    const std::string unit = rest.substr(1, rest.find(' ', 1) - 1);
    for (const auto& known : units) {
      if (unit == known.name) return *number * known.factor;
    }
  }
  const bool wholePartShown = text.substr(0, end).find('.') != std::string::npos;
  const std::string_view cutUnit = " Gm";
  if (wholePartShown && rest.size() < cutUnit.size() && cutUnit.starts_with(rest))
    return *number * 1e9;
  return std::nullopt;
}

}  // namespace sim
