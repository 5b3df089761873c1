// Reading the host's scenario files. Such a file is a row of sections, each
// from its BEGIN_ line to its END_ line. jaunt-sim reads the environment, the
// focus, the displays and the ships; whatever else a file holds is listed as
// skipped rather than guessed at, and anything it cannot read for sure is
// refused with its line.
#include "world/HostScenarioFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "common/SimDefaults.h"
#include "common/TextFile.h"
#include "host/World.h"
#include "world/BuiltInScenario.h"
#include "world/Ephemeris.h"
#include "world/ScenarioFile.h"
#include "world/ScenarioPlacement.h"

namespace sim {

namespace {

// A problem with the file; caught at the top and turned into one line. Line
// 0: the file as a whole.
struct Rejection {
  int line;
  std::string reason;
};

[[noreturn]] void Reject(int line, std::string reason) {
  throw Rejection{line, std::move(reason)};
}

// The most of the file's own text a message or the list of skipped things
// repeats: a line of a user's file can be anything, and a whole line of it
// on the terminal helps no one.
constexpr std::size_t quotedLength = 40;
constexpr std::size_t listedSkips = 12;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  for (text = Trimmed(text); !text.empty(); text = Trimmed(text)) {
    const std::size_t end =
        static_cast<std::size_t>(std::find_if(text.begin(), text.end(), IsBlank) - text.begin());
    words.push_back(text.substr(0, end));
    text.remove_prefix(end);
  }
  return words;
}

// The host reads its keywords in any letter case.
bool Is(std::string_view word, std::string_view keyword) {
  return host::SameName(std::string(word), std::string(keyword));
}

// The file's text as a message shows it: control characters as '?', and
// cut after `most` bytes, before any UTF-8 character the cut would split.
std::string Printable(std::string_view text, std::size_t most = quotedLength) {
  std::string shown;
  for (const char c : text.substr(0, most)) {
    const auto byte = static_cast<unsigned char>(c);
    shown += byte < 0x20 || byte == 0x7f ? '?' : c;
  }
  if (text.size() <= most) return shown;
  while (!shown.empty() && (static_cast<unsigned char>(shown.back()) & 0xc0) == 0x80)
    shown.pop_back();
  if (!shown.empty() && static_cast<unsigned char>(shown.back()) >= 0xc0) shown.pop_back();
  return shown + "...";
}

std::string Quoted(std::string_view text) {
  return "\"" + Printable(text) + "\"";
}

// A decimal number, whole and finite, as the host writes its numbers.
std::optional<double> NumberOf(std::string_view word) {
  if (word.starts_with('+') && !word.starts_with("+-")) word.remove_prefix(1);
  double value = 0;
  const char* end = word.data() + word.size();
  const auto [stop, fault] = std::from_chars(word.data(), end, value);
  if (fault != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

// One line that is not blank: its first word and the rest, without the
// blanks around them.
struct Line {
  int number = 0;
  std::string_view word, rest, whole;
};

class LineReader {
 public:
  explicit LineReader(std::string_view text) : text(text) {
    if (this->text.starts_with("\xEF\xBB\xBF")) this->text.remove_prefix(3);  // UTF-8's mark
  }

  // The next line that is not blank; false at the end of the file.
  bool Next(Line& line) {
    while (!text.empty()) {
      const std::size_t end = std::min(text.find('\n'), text.size());
      std::string_view raw = text.substr(0, end);
      text.remove_prefix(std::min(end + 1, text.size()));
      ++number;
      if (raw.ends_with('\r')) raw.remove_suffix(1);
      const std::string_view whole = Trimmed(raw);
      if (whole.empty()) continue;
      const std::string_view word = Words(whole).front();
      line = Line{number, word, Trimmed(whole.substr(word.size())), whole};
      return true;
    }
    return false;
  }

 private:
  std::string_view text;
  int number = 0;
};

// RPOS and RVEL: three numbers in the host's frame, which is jaunt-sim's
// ecliptic frame with y and z swapped (the host's frame is left-handed).
VECTOR3 HostVector(const Line& line) {
  const std::vector<std::string_view> words = Words(line.rest);
  std::optional<double> v[3];
  if (words.size() == 3)
    for (std::size_t i = 0; i < 3; ++i) v[i] = NumberOf(words[i]);
  if (!v[0] || !v[1] || !v[2])
    Reject(line.number,
           Printable(line.word) + " must be three numbers, x y z, found " + Quoted(line.rest));
  return MakeVector(*v[0], *v[2], *v[1]);
}

class Reader {
 public:
  Reader(std::string_view text, Scenario& scenario) : lines(text), scenario(scenario) {
    scenario.bodies = BuiltInScenario().bodies;
  }

  void Read() {
    Line line;
    bool first = true;
    while (lines.Next(line)) {
      if (!(line.word.size() > 6 && Is(line.word.substr(0, 6), "BEGIN_")))
        Reject(line.number, first
                                ? "not a host scenario: it begins with " + Quoted(line.whole) +
                                      ", not with a section's BEGIN_ line"
                                : "expected a section's BEGIN_ line, found " + Quoted(line.whole));
      first = false;
      const std::string_view section = line.word.substr(6);
      if (Is(section, "DESC") || Is(section, "HYPERDESC"))
        Section(line, [](const Line&) {});  // the pilot's to read, before the start
      else if (Is(section, "ENVIRONMENT"))
        Section(line, [this](const Line& key) { Environment(key); });
      else if (Is(section, "FOCUS"))
        Section(line, [this](const Line& key) { Focus(key); });
      else if (Is(section, "MFD"))
        Display(line);
      else if (Is(section, "SHIPS"))
        Ships(line);
      else
        Unknown(line);
    }
    Finish();
  }

  std::string SkippedText() const {
    std::string text;
    for (std::size_t i = 0; i < skips.size() && i < listedSkips; ++i)
      text +=
          (i == 0 ? "" : ", ") + skips[i].first + " (line " + std::to_string(skips[i].second) + ")";
    if (skips.size() > listedSkips)
      text += ", and " + std::to_string(skips.size() - listedSkips) + " more";
    return text;
  }

 private:
  // Every line up to the section's END_ line goes to `handle`.
  template <class Handle>
  void Section(const Line& begin, Handle handle) {
    const std::string end = "END_" + std::string(begin.word.substr(6));
    Line line;
    while (lines.Next(line)) {
      if (Is(line.word, end)) return;
      handle(line);
    }
    Reject(begin.number, Quoted(begin.word) + " has no " + Quoted(end));
  }

  void Unknown(const Line& begin) {
    Skip(Printable(begin.word), begin.number);
    Section(begin, [](const Line&) {});
  }

  // Listed once, at the first line it stands on.
  void Skip(const std::string& what, int line) {
    if (skipped.insert(what).second) skips.emplace_back(what, line);
  }

  void Environment(const Line& line) {
    if (Is(line.word, "System")) {
      if (!Is(line.rest, "Sol"))
        Reject(line.number, "System " + Quoted(line.rest) +
                                ": the only system jaunt-sim has is the solar system, Sol");
      systemLine = line.number;
    } else if (Is(line.word, "Date")) {
      const std::vector<std::string_view> words = Words(line.rest);
      if (!words.empty() && !Is(words[0], "MJD"))  // another calendar: not read as days
        return Skip("Date " + Printable(words[0]), line.number);
      const std::optional<double> mjd = words.size() == 2 ? NumberOf(words[1]) : std::nullopt;
      if (!mjd) Reject(line.number, "Date must be MJD and one number, found " + Quoted(line.rest));
      scenario.mjd = *mjd;
    } else {
      Skip(Printable(line.word), line.number);
    }
  }

  void Focus(const Line& line) {
    if (!Is(line.word, "Ship")) return Skip(Printable(line.word), line.number);
    if (line.rest.empty()) Reject(line.number, "Ship needs the name of the focus ship");
    focus = line.rest;
    focusLine = line.number;
  }

  // BEGIN_MFD Left or Right: a display the scenario opens. Only one in the
  // Jaunt mode is opened; another scenario's later section for the same
  // display replaces the earlier one, as it does in the host.
  void Display(const Line& begin) {
    bool user = false;
    std::string_view mode;
    std::vector<std::pair<std::string, int>> keys;  // skipped, if it is a Jaunt display
    Section(begin, [&](const Line& line) {
      if (Is(line.word, "TYPE"))
        user = Is(line.rest, "User");
      else if (Is(line.word, "MODE"))
        mode = line.rest;
      else
        keys.emplace_back(Printable(line.word), line.number);
    });
    bool* open = Is(begin.rest, "Left") ? &left : Is(begin.rest, "Right") ? &right : nullptr;
    const std::string what = "BEGIN_MFD " + Printable(begin.rest);
    if (open == nullptr) return Skip(what, begin.number);
    *open = user && Is(mode, displayMode);
    if (!*open) return Skip(what + ", not in the Jaunt mode", begin.number);
    for (const auto& [key, line] : keys) Skip(key, line);
  }

  void Ships(const Line& begin) {
    shipsLine = begin.number;
    Line line;
    while (lines.Next(line)) {
      if (Is(line.word, "END_SHIPS")) return;
      Ship(line);
    }
    Reject(begin.number, "BEGIN_SHIPS has no END_SHIPS");
  }

  // NAME:CLASS, then the ship's keys, then END.
  void Ship(const Line& header) {
    const std::size_t colon = header.whole.find(':');
    if (header.word.size() != header.whole.size() || colon == std::string_view::npos ||
        colon == 0 || colon + 1 == header.whole.size())
      Reject(header.number, "expected a ship as NAME:CLASS, found " + Quoted(header.whole));
    VesselEntry vessel;
    vessel.name = header.whole.substr(0, colon);
    for (const BodyEntry& body : scenario.bodies) {
      if (host::SameName(body.name, vessel.name))
        Reject(header.number,
               "ship " + Quoted(vessel.name) + ": " + body.name + " is a body of the solar system");
    }
    vessel.className = header.whole.substr(colon + 1);
    vessel.line = header.number;
    // Not turned: the host's z and y axes, which are jaunt-sim's y and z.
    vessel.forward = MakeVector(0, 1, 0);
    vessel.up = MakeVector(0, 0, 1);
    std::string status;  // a state other than Orbiting, which jaunt-sim does not fly
    bool orbiting = false, placed = false, moving = false;
    std::vector<std::pair<std::string, int>> keys;  // skipped, if the ship is flown
    const std::string name = Quoted(vessel.name);
    Line line;
    while (lines.Next(line) && !Is(line.word, "END_SHIPS")) {
      if (Is(line.word, "END")) {
        if (!status.empty()) {
          flightless.push_back(vessel.name);
          return Skip("ship " + Printable(vessel.name) + ", STATUS " + status, header.number);
        }
        if (!orbiting || !placed || !moving)
          Reject(header.number, "ship " + name + " has no " +
                                    (!orbiting ? "STATUS"
                                     : !placed ? "RPOS"
                                               : "RVEL"));
        for (const auto& [key, number] : keys) Skip(key, number);
        scenario.vessels.push_back(vessel);
        return;
      }
      if (Is(line.word, "STATUS")) {
        const std::vector<std::string_view> words = Words(line.rest);
        if (words.empty()) Reject(line.number, "STATUS needs a state, such as Orbiting Earth");
        if (!Is(words[0], "Orbiting")) {
          status = Printable(words[0]);
          continue;
        }
        vessel.relativeTo = BodyNamed(Trimmed(line.rest.substr(words[0].size())), line.number);
        orbiting = true;
      } else if (Is(line.word, "RPOS")) {
        vessel.pos = HostVector(line);
        placed = true;
      } else if (Is(line.word, "RVEL")) {
        vessel.vel = HostVector(line);
        moving = true;
      } else {
        keys.emplace_back(Printable(line.word), line.number);
      }
    }
    Reject(header.number, "ship " + name + " has no END");
  }

  // The world's name of the body a ship orbits.
  std::string BodyNamed(std::string_view name, int line) const {
    std::string known;
    for (const BodyEntry& body : scenario.bodies) {
      if (host::SameName(body.name, std::string(name))) return body.name;
      known += (known.empty() ? "" : ", ") + body.name;
    }
    Reject(line, "STATUS Orbiting " + Quoted(name) + ": no such body in the solar system (" +
                     known + ")");
  }

  void Finish() {
    // Without the ephemeris the bodies have nowhere to be.
    if (EphemerisNames().empty())
      Reject(systemLine, "this build has no solar system (it lacks the ephemeris library)");
    if (shipsLine == 0) Reject(0, "no BEGIN_SHIPS section: nothing to fly");
    if (scenario.vessels.empty()) Reject(shipsLine, "no ship that jaunt-sim can fly");
    const auto named = [this](const std::string& name) {
      return host::SameName(name, std::string(focus));
    };
    if (focus.empty()) {
      scenario.vessels.front().focus = true;
    } else if (const auto it = std::find_if(scenario.vessels.begin(), scenario.vessels.end(),
                                            [&](const VesselEntry& v) { return named(v.name); });
               it != scenario.vessels.end()) {
      it->focus = true;
    } else {
      Reject(focusLine, "Ship " + Quoted(focus) +
                            (std::any_of(flightless.begin(), flightless.end(), named)
                                 ? ": the focus ship is skipped, as its STATUS is not Orbiting"
                                 : ": no ship of that name in BEGIN_SHIPS"));
    }
    // Two displays, the left one first; a scenario that opens neither in
    // the Jaunt mode still gets one, as jaunt-sim shows nothing else.
    scenario.displays = std::max(1, int{left} + int{right});
    for (const auto& check : {CheckNames, CheckPlacement}) {
      if (const std::optional<PlacementFault> fault = check(scenario))
        Reject(fault->line, fault->reason);
    }
  }

  LineReader lines;
  Scenario& scenario;
  std::set<std::string> skipped;
  std::vector<std::pair<std::string, int>> skips;  // in the order first met
  std::vector<std::string> flightless;             // ships skipped for their STATUS
  std::string_view focus;
  int focusLine = 0, systemLine = 0, shipsLine = 0;
  bool left = false, right = false;  // the displays open in the Jaunt mode
};

}  // namespace

bool IsHostScenarioPath(const std::string& path) {
  return path.size() >= 4 && Is(std::string_view(path).substr(path.size() - 4), ".scn");
}

bool ParseHostScenario(std::string_view text, const std::string& path, Scenario& scenario,
                       std::string& skipped, std::string& error) {
  scenario = Scenario{};
  skipped.clear();
  if (text.size() > maxScenarioBytes) {
    error = path + ": larger than " + std::to_string(maxScenarioBytes) +
            " bytes, the most a scenario file may hold";
    return false;
  }
  try {
    Reader reader(text, scenario);
    reader.Read();
    // The cockpit shows the name on a line of its own.
    scenario.name = Printable(std::filesystem::path(path).stem().string(), path.size());
    skipped = reader.SkippedText();
    return true;
  } catch (const Rejection& r) {
    error = path + (r.line > 0 ? ":" + std::to_string(r.line) : "") + ": " + r.reason;
  }
  scenario = Scenario{};
  return false;
}

bool ReadHostScenarioFile(const std::string& path, Scenario& scenario, std::string& skipped,
                          std::string& error) {
  std::string text;
  if (!ReadTextFile(path, text, error, maxScenarioBytes + 1)) {
    error = path + ": " + error;
    return false;
  }
  return ParseHostScenario(text, path, scenario, skipped, error);
}

bool ReadEitherScenarioFile(const std::string& path, Scenario& scenario, std::string& skipped,
                            std::string& error) {
  return IsHostScenarioPath(path) ? ReadHostScenarioFile(path, scenario, skipped, error)
                                  : ReadScenarioFile(path, scenario, error);
}

}  // namespace sim
