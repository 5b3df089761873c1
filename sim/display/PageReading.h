// Reading a display's page as the pilot reads it: the line that starts with
// a label, the value shown under a label, and distances as the page writes
// them ("36.11 Mm (0.000 AU)").
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/PageRecorder.h"

namespace sim {

// The page's labels, as a pilot reads them.
inline constexpr std::string_view targetLabel = "[Shift-T] Target: ";
inline constexpr std::string_view targetDistanceLabel = "Curr. distance: ";
inline constexpr std::string_view distanceLabel = "[Shift-D] ";  // the setting on the next line
inline constexpr std::string_view speedLabel = "[Shift-V] ";     // likewise
inline constexpr std::string_view probabilityLabel = "Probability of safe jaunt: ";
inline constexpr std::string_view badJumpText = "<<<Bad jump!>>>";
inline constexpr std::string_view targetLostText = "Target lost";

// The rest of the first run that starts with `label`; empty without one.
std::optional<std::string> TextAfter(const host::Page& page, std::string_view label);

// The run drawn after the first one that starts with `label`: the value
// shown under it. Empty without one.
std::optional<std::string> ValueUnder(const host::Page& page, std::string_view label);

bool Shows(const host::Page& page, std::string_view text);

// Metres from a distance as the page writes it: a number, then m, Km, Mm or
// Gm, then anything. The page's lines hold 99 characters, and only a figure
// in Gm grows so long: a number whose unit was cut off is read in Gm, so
// long as its whole part is there (the page always prints the decimal
// point). Empty when the text is not one.
std::optional<double> MetresOf(const std::string& text);

}  // namespace sim
