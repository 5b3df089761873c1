// Making the host's world from a scenario.
#include "world/Scenario.h"

#include "host/Formatted.h"
#include "host/Simulation.h"
#include "host/World.h"
#include "world/Ephemeris.h"
#include "world/ScenarioPlacement.h"

namespace sim {

namespace {

std::string appliedName;  // the world is one for the whole program, and so is its name

std::string DateText(double mjd) {
  return host::Formatted("%.10g", mjd);
}

}  // namespace

const std::string& AppliedScenarioName() {
  return appliedName;
}

bool ApplyScenario(const Scenario& scenario, std::string& error) {
  host::ResetSimulation();
  appliedName = scenario.name;
  host::SetStartDate(scenario.mjd);
  host::World& world = host::TheWorld();
  const Placement placement = PlaceScenario(scenario);
  for (std::size_t i = 0; i < scenario.bodies.size(); ++i) {
    const BodyEntry& entry = scenario.bodies[i];
    host::BodySpec spec;
    spec.name = entry.name;
    spec.mass = entry.mass;
    spec.radius = entry.radius;
    spec.pos = placement.bodies[i].pos;
    spec.vel = placement.bodies[i].vel;
    if (!entry.ephemeris.empty()) {
      std::optional<host::Ephemeris> ephemeris = FindEphemeris(entry.ephemeris);
      std::string refusal;
      if (!ephemeris)
        refusal = "no solar-system ephemeris of " + entry.ephemeris + " in this build";
      else if (!ephemeris->Covers(scenario.mjd))
        refusal = "mjd " + DateText(scenario.mjd) + " is outside the dates of the ephemeris (" +
                  DateText(ephemeris->firstMjd) + " to " + DateText(ephemeris->lastMjd) + ")";
      if (!refusal.empty()) {
        error = refusal;
        host::ResetSimulation();
        appliedName.clear();
        return false;
      }
      spec.ephemeris = *ephemeris;  // the world puts the body on its rails at the date
    }
    world.AddBody(spec);
  }
  for (std::size_t i = 0; i < scenario.vessels.size(); ++i) {
    const VesselEntry& entry = scenario.vessels[i];
    host::VesselSpec spec;
    spec.name = entry.name;
    spec.className = entry.className;
    spec.size = entry.size;
    spec.mass = entry.mass;
    spec.pos = placement.vessels[i].pos;
    spec.vel = placement.vessels[i].vel;
    spec.attitude = host::Rotation::FromAxes(entry.forward, entry.up);
    const ObjectHandle vessel = world.AddVessel(spec);
    if (entry.focus) world.SetFocus(vessel);
  }
  world.gravity = true;
  return true;
}

}  // namespace sim
