#include "world/ScenarioWriter.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>

#include "common/OutputFile.h"

namespace sim {

namespace {

// The shortest text that reads back as the same double, always a TOML float.
std::string Number(double value) {
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  std::string number(text, end);
  if (number.find_first_of(".e") == std::string::npos) number += ".0";
  return number;
}

std::string Vector(const VECTOR3& v) {
  return "[" + Number(v.x) + ", " + Number(v.y) + ", " + Number(v.z) + "]";
}

// A TOML basic string.
std::string String(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20 || c == '\x7f') {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

void Key(std::string& text, const char* key, const std::string& value) {
  text += std::string(key) + " = " + value + "\n";
}

}  // namespace

std::string ScenarioText(const Scenario& scenario) {
  std::string text =
      "# A jaunt-sim scenario: fly it with `jaunt-sim --scenario FILE`. The format\n"
      "# is described in docs/scenarios.md under \"Scenario files\": lengths in metres,\n"
      "# speeds in metres per second, masses in kilograms, the date as MJD.\n"
      "\n[scenario]\n";
  Key(text, "name", String(scenario.name));
  Key(text, "mjd", Number(scenario.mjd));
  for (const BodyEntry& body : scenario.bodies) {
    text += "\n[[body]]\n";
    Key(text, "name", String(body.name));
    Key(text, "mass", Number(body.mass));
    Key(text, "radius", Number(body.radius));
    if (!body.ephemeris.empty()) {
      Key(text, "ephemeris", String(body.ephemeris));
    } else {
      Key(text, "position", Vector(body.pos));
      Key(text, "velocity", Vector(body.vel));
    }
  }
  for (const VesselEntry& vessel : scenario.vessels) {
    text += "\n[[vessel]]\n";
    Key(text, "name", String(vessel.name));
    Key(text, "class", String(vessel.className));
    Key(text, "size", Number(vessel.size));
    Key(text, "mass", Number(vessel.mass));
    if (!vessel.relativeTo.empty()) Key(text, "relative_to", String(vessel.relativeTo));
    Key(text, "position", Vector(vessel.pos));
    Key(text, "velocity", Vector(vessel.vel));
    Key(text, "forward", Vector(vessel.forward));
    Key(text, "up", Vector(vessel.up));
    if (vessel.focus) Key(text, "focus", "true");
  }
  return text;
}

bool WriteScenarioFile(const std::string& path, const Scenario& scenario, bool replace,
                       std::string& error) {
  const std::string text = ScenarioText(scenario);
  std::string reason;
  const bool written = WriteOutputFile(
      path,
      [&text](std::FILE* file, std::string& failure) {
        if (std::fwrite(text.data(), 1, text.size(), file) == text.size()) return true;
        failure = std::strerror(errno);
        return false;
      },
      reason, replace);
  if (!written) error = reason == fileExistsReason ? reason : "cannot write: " + reason;
  return written;
}

}  // namespace sim
