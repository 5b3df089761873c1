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

void ResetSimulation() {
  CloseAllDisplays();
  CancelInputBox();
  TheWorld().Clear();
  ClearReports();
}

}  // namespace host
