// Making the host's world from a scenario.
#include "Ephemeris.h"
#include "Scenario.h"
#include "host/Simulation.h"
#include "host/World.h"

namespace sim {

using host::operator+;
using host::operator-;
using host::operator*;

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
      spec.ephemeris = *ephemeris;
      spec.ephemeris(scenario.mjd, spec.pos, spec.vel);
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
