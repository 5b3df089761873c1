#include "FuzzWorld.h"

#include <ctime>

#include "Invariants.h"
#include "host/Displays.h"
#include "host/Simulation.h"
#include "host/World.h"
#include "jump/JumpRandom.h"
#include "support/WorldBuilder.h"

namespace fuzz {

using testing_world::AddBody;
using testing_world::AddVessel;

namespace {

std::time_t fixedClock = 0;
std::time_t FixedClock() {
  return fixedClock;
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
  AddBody("Earth", testing_world::earthMass, testing_world::earthRadius, MakeVector(1.496e11, 0, 0),
          MakeVector(0, 29780, 0));
  AddBody("Moon", 7.342e22, 1.737e6, MakeVector(1.496e11 + 3.844e8, 0, 0),
          MakeVector(0, 29780 + 1022, 0));
  // Both vessels 20 m, with their local +y along the global +z.
  const VECTOR3 up = MakeVector(0, 0, 1);
  const ObjectHandle ship = AddVessel("GL-01", MakeVector(1.496e11 + 7e6, 0, 0),
                                      MakeVector(0, 29780 + 7500, 0), 20, MakeVector(0, 1, 0), up);
  AddVessel("ISS", MakeVector(1.496e11 - 6.8e6, 1000, 0), MakeVector(0, 29780 - 7660, 0), 20,
            MakeVector(1, 0, 0), up);
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
