// The live panel beside the cockpit's display: the scenario's name, the date
// and time, the time acceleration, the focus vessel with its nearest body,
// its height over that body and its speed against it, and the last things
// that happened.
#pragma once

#include <string>
#include <vector>

namespace sim {

struct ClockState {
  double mjd;
  double simTime;  // s since the start
  double timeAcceleration;
  bool paused;
  // What the world really made of it lately; shown beside the requested
  // one when it falls short. Negative: not measured.
  double achievedAcceleration = -1;
};

// The panel's lines, for the host's world, its scenario and clock and the latest events
// (the last one newest), which are listed newest first.
std::vector<std::string> PanelLines(const ClockState& clock,
                                    const std::vector<std::string>& events);

// A panel line in pieces of at most `width` characters, broken at blanks
// where it can, but never between a number and its unit ("36.11 Mm"), nor
// within a UTF-8 character; the pieces after the first are indented by
// `indent`.
std::vector<std::string> PanelPieces(const std::string& line, std::size_t width,
                                     std::size_t indent);

}  // namespace sim
