#include "world/ScenarioPlacement.h"

#include <unordered_map>

#include "host/Formatted.h"
#include "host/World.h"
#include "world/Ephemeris.h"

namespace sim {

namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string Number(double value) {
  return host::Formatted("%.9g", value);
}

// NaN fails these too.
bool Near(const VECTOR3& pos) {
  return host::Length(pos) <= maxDistance;
}
bool Slow(const VECTOR3& vel) {
  return host::Length(vel) <= speedOfLight;
}

}  // namespace

Placement PlaceScenario(const Scenario& scenario) {
  Placement placement;
  for (const BodyEntry& body : scenario.bodies) {
    StartState state{body.pos, body.vel};
    if (!body.ephemeris.empty()) {
      const std::optional<host::Ephemeris> ephemeris = FindEphemeris(body.ephemeris);
      if (ephemeris && ephemeris->Covers(scenario.mjd)) {
        const host::PathPiece path = ephemeris->PieceAround(scenario.mjd, scenario.mjd);
        state = {path.Position(0), path.Velocity(0)};
      }
    }
    placement.bodies.push_back(state);
  }
  // What each name stands at, found as the host finds names, regardless of
  // case; looked up, not searched, so that a long chain of vessels each
  // relative to the last is placed in linear time.
  std::unordered_map<std::string, StartState> placed;
  for (std::size_t i = 0; i < scenario.bodies.size(); ++i)
    placed.emplace(host::FoldedName(scenario.bodies[i].name), placement.bodies[i]);
  for (const VesselEntry& vessel : scenario.vessels) {
    StartState state{vessel.pos, vessel.vel};
    if (!vessel.relativeTo.empty()) {
      const auto base = placed.find(host::FoldedName(vessel.relativeTo));
      if (base != placed.end())
        state = {base->second.pos + state.pos, base->second.vel + state.vel};
    }
    placement.vessels.push_back(state);
    placed.emplace(host::FoldedName(vessel.name), state);
  }
  return placement;
}

std::optional<PlacementFault> CheckPlacement(const Scenario& scenario) {
  // A date the ephemeris does not reach places nothing; making the world
  // refuses it.
  for (const BodyEntry& body : scenario.bodies) {
    if (body.ephemeris.empty()) continue;
    const std::optional<host::Ephemeris> ephemeris = FindEphemeris(body.ephemeris);
    if (ephemeris && !ephemeris->Covers(scenario.mjd)) return std::nullopt;
  }
  const Placement placement = PlaceScenario(scenario);
  for (std::size_t i = 0; i < scenario.bodies.size(); ++i) {
    const BodyEntry& body = scenario.bodies[i];
    const StartState& state = placement.bodies[i];
    if (!body.ephemeris.empty() && (!Near(state.pos) || !Slow(state.vel)))
      return PlacementFault{body.line, "the ephemeris of " + Quoted(body.name) +
                                           " gives no sound state at MJD " + Number(scenario.mjd)};
  }
  for (std::size_t i = 0; i < scenario.vessels.size(); ++i) {
    const VesselEntry& vessel = scenario.vessels[i];
    const StartState& state = placement.vessels[i];
    if (!Near(state.pos))
      return PlacementFault{vessel.line, Quoted(vessel.name) + " would start more than " +
                                             Number(maxDistance) + " m from the origin"};
    if (!Slow(state.vel))
      return PlacementFault{vessel.line, Quoted(vessel.name) + " would start faster than light"};
    for (std::size_t j = 0; j < scenario.bodies.size(); ++j) {
      const BodyEntry& body = scenario.bodies[j];
      const double distance = host::Length(state.pos - placement.bodies[j].pos);
      if (distance < body.radius)
        return PlacementFault{vessel.line, Quoted(vessel.name) + " would start inside " +
                                               Quoted(body.name) + " (" + Number(distance) +
                                               " m from its centre, radius " + Number(body.radius) +
                                               " m)"};
    }
  }
  return std::nullopt;
}

}  // namespace sim
