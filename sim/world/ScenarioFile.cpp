#include "world/ScenarioFile.h"

#include <toml++/toml.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "common/TextFile.h"
#include "common/Utf8Text.h"
#include "host/Formatted.h"
#include "host/Vector.h"
#include "host/World.h"
#include "world/Ephemeris.h"
#include "world/ScenarioPlacement.h"
#include "world/TomlNesting.h"

namespace sim {

namespace {

// A problem with the file; caught at the top and turned into one line.
struct Rejection {
  int line;
  std::string reason;
};

int LineOf(const toml::source_region& source) {
  return static_cast<int>(source.begin.line);
}

// What the file said, as one line: a TOML string may hold any character,
// a newline among them, through its escapes.
std::string Quoted(std::string_view text) {
  return QuotedText(std::string(text));
}

std::string BoundText(double value) {
  return host::Formatted("%.9g", value);
}

void Require(bool condition, int line, const std::string& reason) {
  if (!condition) throw Rejection{line, reason};
}

// Reads one table's keys, after rejecting any key it does not know: a
// misspelt key is named before the key it was meant to be is missed.
class TableReader {
 public:
  TableReader(const toml::table& table, std::string what,
              std::initializer_list<std::string_view> known)
      : table(table), what(std::move(what)) {
    const toml::key* first = nullptr;  // the unknown key nearest the top
    for (const auto& [key, node] : table) {
      if (std::find(known.begin(), known.end(), key.str()) == known.end() &&
          (first == nullptr || key.source().begin < first->source().begin))
        first = &key;
    }
    if (first != nullptr)
      throw Rejection{LineOf(first->source()),
                      "unknown key " + Quoted(first->str()) + " in " + this->what};
  }

  int Line() const { return LineOf(table.source()); }
  bool Has(std::string_view key) const { return table.contains(key); }

  std::string String(std::string_view key, bool required, std::string fallback = {}) {
    const toml::node* node = Take(key, required);
    if (node == nullptr) return fallback;
    if (!node->is_string()) Reject(*node, Quoted(key) + " must be a string");
    return node->as_string()->get();
  }

  bool Bool(std::string_view key, bool fallback) {
    const toml::node* node = Take(key, false);
    if (node == nullptr) return fallback;
    if (!node->is_boolean()) Reject(*node, Quoted(key) + " must be true or false");
    return node->as_boolean()->get();
  }

  double Number(std::string_view key, bool required, double fallback = 0) {
    const toml::node* node = Take(key, required);
    return node == nullptr ? fallback : NumberOf(*node, key, Quoted(key) + " must be a number");
  }

  // A vector no longer than `most`: a position within maxDistance, a
  // velocity within the speed of light.
  VECTOR3 Bounded(std::string_view key, bool required, double most, const std::string& bound) {
    const VECTOR3 v = Vector(key, required);
    Require(host::Length(v) <= most, LineOfKey(key), Quoted(key) + " must be " + bound);
    return v;
  }

  VECTOR3 Vector(std::string_view key, bool required, VECTOR3 fallback = {}) {
    const toml::node* node = Take(key, required);
    if (node == nullptr) return fallback;
    const std::string shape = Quoted(key) + " must be an array of three numbers";
    const toml::array* array = node->as_array();
    if (array == nullptr || array->size() != 3) Reject(*node, shape);
    VECTOR3 v;
    for (std::size_t i = 0; i < 3; ++i) v.data[i] = NumberOf(*array->get(i), key, shape);
    return v;
  }

  // Line of a key's value, or of the table when the key is absent.
  int LineOfKey(std::string_view key) const {
    const toml::node* node = table.get(key);
    return node != nullptr ? LineOf(node->source()) : Line();
  }

 private:
  const toml::node* Take(std::string_view key, bool required) {
    const toml::node* node = table.get(key);
    if (node == nullptr && required)
      throw Rejection{Line(), "missing key " + Quoted(key) + " in " + what};
    return node;
  }

  [[noreturn]] static void Reject(const toml::node& node, std::string reason) {
    throw Rejection{LineOf(node.source()), std::move(reason)};
  }

  // TOML's integers count as numbers too; its inf and nan do not.
  double NumberOf(const toml::node& node, std::string_view key,
                  const std::string& complaint) const {
    double value;
    if (const auto* integer = node.as_integer())
      value = static_cast<double>(integer->get());
    else if (const auto* floating = node.as_floating_point())
      value = floating->get();
    else
      Reject(node, complaint);
    if (!std::isfinite(value)) Reject(node, Quoted(key) + " must be finite");
    return value;
  }

  const toml::table& table;
  std::string what;
};

// The parser's message quotes what it saw, line breaks included; the
// refusal is one line.
std::string OneLine(std::string_view text) {
  std::string line;
  for (const char c : text) {
    if (c == '\n')
      line += "\\n";
    else if (c == '\r')
      line += "\\r";
    else
      line += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
  }
  return line;
}

// A name a script can address: its commands take the rest of the line
// without the blanks around it, and `focus none` means no vessel at all.
void CheckName(const std::string& name, int line) {
  Require(!name.empty(), line, "\"name\" must not be empty");
  Require(name.front() != ' ' && name.back() != ' ' && name.front() != '\t' && name.back() != '\t',
          line, "\"name\" must not begin or end with a blank");
  Require(!HasControlCharacter(name), line,
          "\"name\" must not hold control characters or line breaks");
  Require(host::FoldedName(name) != "none", line,
          "\"name\" cannot be " + Quoted(name) + ": scripts read it as no vessel");
  // Two objects of one name could not be told apart after a jump.
  Require(host::FoldedName(name) != "jaunt_dummy", line,
          "\"name\" cannot be " + Quoted(name) +
              ": the Jaunt display gives that name to the carrier of every jump");
}

// Names must tell objects apart, as the host finds them by name regardless
// of case.
class NameRegister {
 public:
  void Add(const std::string& name, int line) {
    CheckName(name, line);
    const auto [it, added] = lines.emplace(host::FoldedName(name), line);
    Require(added, line,
            "name " + Quoted(name) + " is already used on line " + std::to_string(it->second));
  }
  bool Known(const std::string& name) const { return lines.contains(host::FoldedName(name)); }

 private:
  std::map<std::string, int> lines;
};

void ReadScenarioTable(const toml::table& root, Scenario& scenario) {
  const toml::node* node = root.get("scenario");
  if (node == nullptr) return;
  const toml::table* table = node->as_table();
  Require(table != nullptr, LineOf(node->source()), "\"scenario\" must be a table");
  TableReader reader(*table, "[scenario]", {"name", "mjd"});
  scenario.name = reader.String("name", false);
  // The cockpit shows it on one line of its own.
  Require(!HasControlCharacter(scenario.name), reader.LineOfKey("name"),
          "\"name\" must not hold control characters or line breaks");
  scenario.mjd = reader.Number("mjd", false, scenario.mjd);
}

// The tables of an array of tables, such as every [[body]].
std::vector<const toml::table*> TablesOf(const toml::table& root, std::string_view key) {
  std::vector<const toml::table*> tables;
  const toml::node* node = root.get(key);
  if (node == nullptr) return tables;
  const toml::array* array = node->as_array();
  const std::string shape =
      Quoted(key) + " must be an array of tables, written [[" + std::string(key) + "]]";
  Require(array != nullptr, LineOf(node->source()), shape);
  for (const toml::node& element : *array) {
    Require(element.is_table(), LineOf(element.source()), shape);
    tables.push_back(element.as_table());
  }
  return tables;
}

std::string KnownEphemerides() {
  const auto& names = EphemerisNames();
  if (names.empty()) return "this build has no solar-system ephemeris";
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
  return "known: " + list;
}

std::string Farthest() {
  return "within " + BoundText(maxDistance) + " m";
}
std::string Fastest() {
  return "no faster than light, " + BoundText(speedOfLight) + " m/s";
}

void CheckMass(double mass, int line) {
  Require(mass >= 0, line, "\"mass\" must not be negative");
  Require(mass <= maxMass, line, "\"mass\" must be at most " + BoundText(maxMass) + " kg");
}

BodyEntry ReadBody(const toml::table& table, NameRegister& names) {
  TableReader reader(table, "[[body]]",
                     {"name", "mass", "radius", "position", "velocity", "ephemeris"});
  BodyEntry body;
  body.line = reader.Line();
  body.name = reader.String("name", true);
  names.Add(body.name, reader.LineOfKey("name"));
  body.mass = reader.Number("mass", true);
  CheckMass(body.mass, reader.LineOfKey("mass"));
  body.radius = reader.Number("radius", true);
  Require(
      body.radius >= minRadius && body.radius <= maxDistance, reader.LineOfKey("radius"),
      "\"radius\" must be from " + BoundText(minRadius) + " m to " + BoundText(maxDistance) + " m");
  if (reader.Has("ephemeris")) {
    body.ephemeris = reader.String("ephemeris", true);
    const int line = reader.LineOfKey("ephemeris");
    const auto& known = EphemerisNames();
    Require(std::find(known.begin(), known.end(), body.ephemeris) != known.end(), line,
            "\"ephemeris\": no body " + Quoted(body.ephemeris) + " (" + KnownEphemerides() + ")");
    for (const char* key : {"position", "velocity"})
      Require(!reader.Has(key), reader.LineOfKey(key),
              Quoted(key) + " cannot be given with \"ephemeris\"");
  } else {
    body.pos = reader.Bounded("position", true, maxDistance, Farthest());
    body.vel = reader.Bounded("velocity", false, speedOfLight, Fastest());
  }
  return body;
}

// A unit vector along `v`, which must not be zero. Scaled by its largest
// component first, so that a tiny vector does not underflow on the way.
VECTOR3 Direction(const VECTOR3& v, int line, std::string_view key) {
  const double largest = std::max({std::abs(v.x), std::abs(v.y), std::abs(v.z)});
  Require(largest > 0, line, Quoted(key) + " must not be zero");
  Require(std::isfinite(host::Length(v)), line, Quoted(key) + " is too long: its length overflows");
  // Already of unit length, to rounding: kept as written, so that a
  // scenario written out reads back to the bit.
  if (std::abs(host::Dot(v, v) - 1) <= 4 * std::numeric_limits<double>::epsilon()) return v;
  const VECTOR3 scaled = MakeVector(v.x / largest, v.y / largest, v.z / largest);
  return (1 / host::Length(scaled)) * scaled;
}

VesselEntry ReadVessel(const toml::table& table, NameRegister& names, const std::string& focus) {
  TableReader reader(table, "[[vessel]]",
                     {"name", "class", "size", "mass", "position", "velocity", "relative_to",
                      "forward", "up", "focus"});
  VesselEntry vessel;
  vessel.line = reader.Line();
  vessel.name = reader.String("name", true);
  vessel.relativeTo = reader.String("relative_to", false);
  // Before the vessel's own name is known: it cannot be its own reference.
  Require(vessel.relativeTo.empty() || names.Known(vessel.relativeTo),
          reader.LineOfKey("relative_to"),
          "\"relative_to\": no body or earlier vessel " + Quoted(vessel.relativeTo));
  names.Add(vessel.name, reader.LineOfKey("name"));
  vessel.className = reader.String("class", false, vessel.className);
  vessel.size = reader.Number("size", false, vessel.size);
  Require(vessel.size > 0, reader.LineOfKey("size"), "\"size\" must be positive");
  Require(vessel.size <= maxDistance, reader.LineOfKey("size"),
          "\"size\" must be at most " + BoundText(maxDistance) + " m");
  vessel.mass = reader.Number("mass", false, vessel.mass);
  CheckMass(vessel.mass, reader.LineOfKey("mass"));
  vessel.pos = reader.Bounded("position", true, maxDistance, Farthest());
  vessel.vel = reader.Bounded("velocity", false, speedOfLight, Fastest());
  vessel.forward = Direction(reader.Vector("forward", false, vessel.forward),
                             reader.LineOfKey("forward"), "forward");
  vessel.up = Direction(reader.Vector("up", false, vessel.up), reader.LineOfKey("up"), "up");
  Require(std::abs(host::Dot(vessel.forward, vessel.up)) <= 1e-9,
          reader.Has("up") ? reader.LineOfKey("up") : reader.LineOfKey("forward"),
          reader.Has("up") ? "\"up\" must be perpendicular to \"forward\""
                           : "\"forward\" needs an \"up\" perpendicular to it; the default "
                             "[0, 1, 0] is not");
  vessel.focus = reader.Bool("focus", false);
  Require(!vessel.focus || focus.empty(), reader.LineOfKey("focus"),
          "a second focus vessel; " + Quoted(focus) + " has the focus already");
  return vessel;
}

void ReadRoot(const toml::table& root, Scenario& scenario) {
  for (const auto& [key, node] : root) {
    Require(key == "scenario" || key == "body" || key == "vessel", LineOf(key.source()),
            "unknown key " + Quoted(key.str()) + " (expected [scenario], [[body]], [[vessel]])");
  }
  ReadScenarioTable(root, scenario);
  NameRegister names;
  for (const toml::table* table : TablesOf(root, "body"))
    scenario.bodies.push_back(ReadBody(*table, names));
  std::string focus;
  for (const toml::table* table : TablesOf(root, "vessel")) {
    scenario.vessels.push_back(ReadVessel(*table, names, focus));
    if (scenario.vessels.back().focus) focus = scenario.vessels.back().name;
  }
  if (const std::optional<PlacementFault> fault = CheckPlacement(scenario))
    throw Rejection{fault->line, fault->reason};
}

}  // namespace

bool ParseScenario(std::string_view text, const std::string& path, Scenario& scenario,
                   std::string& error) {
  scenario = Scenario{};
  if (text.size() > maxScenarioBytes) {
    error = path + ": larger than " + std::to_string(maxScenarioBytes) +
            " bytes, the most a scenario file may hold";
    return false;
  }
  // The parser would recurse as deep as the keys go.
  const TomlNesting nesting = DeepestKey(text);
  if (nesting.depth > maxKeyDepth) {
    error = path + ":" + std::to_string(nesting.line) + ": keys nested more than " +
            std::to_string(maxKeyDepth) + " deep";
    return false;
  }
  if (nesting.foreignLine > 0) {
    error = path + ":" + std::to_string(nesting.foreignLine) +
            ": a character beyond ASCII outside a string or comment, or right after a "
            "backslash in a \"\"\" string; write it there as \\u followed by its code";
    return false;
  }
  try {
    const toml::table root = toml::parse(text, path);
    ReadRoot(root, scenario);
    return true;
  } catch (const toml::parse_error& e) {
    error = path + ":" + std::to_string(LineOf(e.source())) + ": " + OneLine(e.description());
  } catch (const Rejection& r) {
    error = path + ":" + std::to_string(r.line) + ": " + r.reason;
  }
  scenario = Scenario{};
  return false;
}

bool ReadScenarioFile(const std::string& path, Scenario& scenario, std::string& error) {
  std::string text;
  // One byte more than a scenario may hold is enough to refuse it.
  if (!ReadTextFile(path, text, error, maxScenarioBytes + 1)) {
    error = path + ": " + error;
    return false;
  }
  return ParseScenario(text, path, scenario, error);
}

std::optional<PlacementFault> CheckNames(const Scenario& scenario) {
  NameRegister names;
  try {
    for (const BodyEntry& body : scenario.bodies) names.Add(body.name, body.line);
    for (const VesselEntry& vessel : scenario.vessels) names.Add(vessel.name, vessel.line);
  } catch (const Rejection& r) {
    return PlacementFault{r.line, r.reason};
  }
  return std::nullopt;
}

}  // namespace sim
