#include "cockpit/CockpitHelp.h"

namespace sim {

namespace {

constexpr KeyHelp keys[] = {
    {"1-5", "press buttons 1 to 5"},
    {"Space", "pause or run"},
    {"+ / -", "time acc. x10 or /10"},
    {"?, `, Esc", "open or close this help"},
    {"q, Ctrl-C", "quit"},
    {"Enter, Esc", "in a prompt: answer, cancel"},
};

std::string Padded(const char* text, std::size_t width) {
  std::string padded(text);
  if (padded.size() < width) padded.resize(width, ' ');
  return padded;
}

}  // namespace

std::span<const KeyHelp> CockpitKeys() {
  return keys;
}

std::vector<std::string> HelpLines(const std::vector<host::MenuRow>& menu) {
  std::vector<std::string> lines{"Help: ? or Esc closes it", "The display's keys (either case):"};
  for (const host::MenuRow& row : menu) {
    lines.push_back(std::string(" ") + row.key + "  " + row.line1);
    if (!row.line2.empty()) lines.push_back("    " + row.line2);
  }
  for (const KeyHelp& key : keys) lines.push_back(Padded(key.keys, 11) + key.does);
  return lines;
}

std::string UnknownKeyHint(const std::string& name) {
  return "key \"" + name + "\" does nothing here; ? lists the keys";
}

}  // namespace sim
