// The live panel beside the cockpit's display: the scenario's name, the date
// and time, the time acceleration, the focus vessel with its nearest body,
// its height over that body and its speed against it, and the last things
// that happened.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/World.h"

namespace sim {

// A date (MJD) as "YYYY-MM-DD hh:mm:ss".
std::string CalendarText(double mjd);

// The body whose surface is nearest to `pos`; null without bodies.
const host::Object* NearestBody(const VECTOR3& pos);

struct ClockState {
  double mjd;
  double simTime;  // s since the start
  double timeAcceleration;
  bool paused;
  // What the world really made of it lately; shown beside the requested
  // one when it falls short. Negative: not measured.
  double achievedAcceleration = -1;
};

// The time acceleration the world really achieves: simulated time over real
// time, measured afresh every second or so of real time.
class PaceMeter {
 public:
  void Add(double realSeconds, double simulatedSeconds);
  void Restart() { *this = PaceMeter(); }
  double Achieved() const { return achieved; }  // negative before the first second

 private:
  double real = 0, simulated = 0;
  double achieved = -1;
};

// The panel's lines, for the host's world, its scenario and clock and the latest events
// (the last one newest), which are listed newest first.
std::vector<std::string> PanelLines(const ClockState& clock,
                                    const std::vector<std::string>& events);

// An event as the list shows it: stamped with the simulated time.
std::string EventText(double simTime, const std::string& what);

// A panel line in pieces of at most `width` characters, broken at blanks
// where it can, but never between a number and its unit ("36.11 Mm"), nor
// within a UTF-8 character; the pieces after the first are indented by
// `indent`.
std::vector<std::string> PanelPieces(const std::string& line, std::size_t width,
                                     std::size_t indent);

// Notices the carrier's release by the focus vessel's hold: it is let go,
// even if the focus has moved on meanwhile. (The jump itself is told with
// the answer that made it.)
class HoldWatch {
 public:
  // The event since the last call, if any.
  std::optional<std::string> Check();

 private:
  int session = 0;                 // a new session's objects may take the old handles
  std::vector<ObjectHandle> held;  // focus vessels seen held, until they are let go
};

}  // namespace sim
