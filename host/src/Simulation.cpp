#include "host/Simulation.h"

#include "host/Diagnostics.h"
#include "host/Displays.h"
#include "host/InputBox.h"
#include "host/ModuleLoader.h"
#include "host/World.h"

namespace host {

namespace {
constexpr double secondsPerDay = 86400.0;
double startDate = 51544.5;
double simTime = 0;
}  // namespace

double SimTime() {
  return simTime;
}
double SimDate() {
  return startDate + simTime / secondsPerDay;
}
void SetStartDate(double mjd) {
  startDate = mjd;
}

void Step(double dt) {
  simTime += dt;
  TheWorld().Advance(dt, SimDate());
  CallTimestep(simTime, dt, SimDate());
}

void ResetSimulation() {
  CloseAllDisplays();
  CancelInputBox();
  TheWorld().Clear();
  ClearReports();
  simTime = 0;
  startDate = 51544.5;
}

}  // namespace host
