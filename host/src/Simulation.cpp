#include "host/Simulation.h"

#include "host/Diagnostics.h"
#include "host/Displays.h"
#include "host/InputBox.h"
#include "host/ModuleLoader.h"
#include "host/World.h"

namespace host {

double SimTime() {
  return TheWorld().Time();
}
double SimDate() {
  return TheWorld().Date();
}
void SetStartDate(double mjd) {
  TheWorld().SetEpoch(mjd);
}

bool Step(double dt) {
  if (!TheWorld().Advance(dt)) return false;
  CallTimestep(SimTime(), dt, SimDate());
  return true;
}

namespace {
int session = 1;
}  // namespace

void ResetSimulation() {
  CloseAllDisplays();
  CancelInputBox();
  TheWorld().Clear();
  CallCloseRenderViewport();
  ClearReports();
  ++session;
}

int SessionNumber() {
  return session;
}

bool RemoveFromSession(ObjectHandle object) {
  World& world = TheWorld();
  if (world.Interface(object) != nullptr) CallDeleteVessel(object);
  return world.Remove(object);
}

}  // namespace host
