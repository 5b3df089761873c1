#include "FuzzWorld.h"

#include "Invariants.h"
#include "host/Displays.h"
#include "host/Simulation.h"
#include "host/World.h"
#include "jump/JumpRandom.h"

namespace fuzz {

namespace {

std::time_t fixedClock = 0;
std::time_t FixedClock() {
  return fixedClock;
}

void AddBody(const char* name, double mass, double radius, VECTOR3 pos, VECTOR3 vel) {
  host::BodySpec spec;
  spec.name = name;
  spec.mass = mass;
  spec.radius = radius;
  spec.pos = pos;
  spec.vel = vel;
  host::TheWorld().AddBody(spec);
}

// Facing along `forward`, with the local +y along the global +z.
ObjectHandle AddVessel(const char* name, VECTOR3 pos, VECTOR3 vel, VECTOR3 forward) {
  host::VesselSpec spec;
  spec.name = name;
  spec.size = 20;
  spec.pos = pos;
  spec.vel = vel;
  spec.attitude = host::Rotation::FromAxes(forward, MakeVector(0, 0, 1));
  return host::TheWorld().AddVessel(spec);
}

}  // namespace

void StartModule() {
  opcDLLInit(nullptr);
}

int ResetWorld(std::uint32_t clock) {
  host::ResetSimulation();
  ResetChecks();
  // Scattered jumps draw from the module's generator; a clock taken from the
  // input keeps every run of an input the same.
  fixedClock = static_cast<std::time_t>(clock);
  jumpRandom = {FixedClock, StandardSeed, StandardDraw};

  AddBody("Sun", 1.989e30, 6.96e8, MakeVector(0, 0, 0), MakeVector(0, 0, 0));
  AddBody("Earth", 5.972e24, 6.371e6, MakeVector(1.496e11, 0, 0), MakeVector(0, 29780, 0));
  AddBody("Moon", 7.342e22, 1.737e6, MakeVector(1.496e11 + 3.844e8, 0, 0),
          MakeVector(0, 29780 + 1022, 0));
  const ObjectHandle ship = AddVessel("GL-01", MakeVector(1.496e11 + 7e6, 0, 0),
                                      MakeVector(0, 29780 + 7500, 0), MakeVector(0, 1, 0));
  AddVessel("ISS", MakeVector(1.496e11 - 6.8e6, 1000, 0), MakeVector(0, 29780 - 7660, 0),
            MakeVector(1, 0, 0));
  host::TheWorld().SetFocus(ship);
  return host::OpenDisplay("Jaunt", 256, 256);
}

void Step(double dt) {
  host::Step(dt);
  opcTimestep(host::SimTime(), dt, host::SimDate());
  NoteStep();
}

JauntMFD* Jaunt(int number) {
  // Jaunt is the only mode registered, so every display is the module's.
  return static_cast<JauntMFD*>(host::DisplayObject(number));
}

}  // namespace fuzz
