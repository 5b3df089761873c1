// Making the host's world from a scenario.
#include <cstdio>

#include "Ephemeris.h"
#include "Scenario.h"
#include "host/Simulation.h"
#include "host/World.h"

namespace sim {

using host::operator+;
using host::operator-;
using host::operator*;

namespace {

std::string DateText(double mjd) {
  char text[40];
  std::snprintf(text, sizeof text, "%.10g", mjd);
  return text;
}

}  // namespace

bool ApplyScenario(const Scenario& scenario, std::string& error) {
  host::ResetSimulation();
  host::SetStartDate(scenario.mjd);
  host::World& world = host::TheWorld();
  for (const BodyEntry& entry : scenario.bodies) {
    host::BodySpec spec;
    spec.name = entry.name;
    spec.mass = entry.mass;
    spec.radius = entry.radius;
    spec.pos = entry.pos;
    spec.vel = entry.vel;
    if (!entry.ephemeris.empty()) {
      std::optional<host::Ephemeris> ephemeris = FindEphemeris(entry.ephemeris);
      if (!ephemeris) {
        error = "no solar-system ephemeris of " + entry.ephemeris + " in this build";
        host::ResetSimulation();
        return false;
      }
      if (!ephemeris->Covers(scenario.mjd)) {
        error = "mjd " + DateText(scenario.mjd) + " is outside the dates of the ephemeris (" +
                DateText(ephemeris->firstMjd) + " to " + DateText(ephemeris->lastMjd) + ")";
        host::ResetSimulation();
        return false;
      }
      spec.ephemeris = *ephemeris;  // the world puts the body on its rails at the date
    }
    world.AddBody(spec);
  }
  for (const VesselEntry& entry : scenario.vessels) {
    host::VesselSpec spec;
    spec.name = entry.name;
    spec.className = entry.className;
    spec.size = entry.size;
    spec.mass = entry.mass;
    spec.pos = entry.pos;
    spec.vel = entry.vel;
    if (!entry.relativeTo.empty()) {
      const host::Object* base = world.FindByName(entry.relativeTo);
      spec.pos = base->pos + spec.pos;
      spec.vel = base->vel + spec.vel;
    }
    spec.attitude = host::Rotation::FromAxes(entry.forward, entry.up);
    const ObjectHandle vessel = world.AddVessel(spec);
    if (entry.focus) world.SetFocus(vessel);
  }
  world.gravity = true;
  return true;
}

}  // namespace sim
