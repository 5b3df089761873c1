// The simulator's costs with the module loaded: one time step of the
// built-in scenario (ephemeris, gravity, the module's opcTimestep) at 1x and
// at 100,000x, beside the floor of a step, the gravity sum alone over known
// positions; the ephemeris's interpolation against calling the theories; and
// the demo's scripted jump from start to end, the scenario set up afresh
// each time.
#include <benchmark/benchmark.h>
#include <libnova/libnova.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "common/SimDefaults.h"
#include "common/TextFile.h"
#include "host/Displays.h"
#include "host/ModuleLoader.h"
#include "host/Simulation.h"
#include "host/World.h"
#include "script/ScriptRunner.h"
#include "world/BuiltInScenario.h"
#include "world/Ephemeris.h"

namespace {

// Sets the built-in scenario up afresh with one display open, as the
// simulator starts; returns the display's number, 0 on failure.
int StartScenario(benchmark::State& state) {
  std::string error;
  int display = 0;
  if (sim::ApplyScenario(sim::BuiltInScenario(), error))
    display = host::OpenDisplay(sim::displayMode, sim::defaultDisplaySize, sim::defaultDisplaySize);
  if (display == 0) state.SkipWithError(("built-in scenario: " + error).c_str());
  return display;
}

void PerBody(benchmark::State& state, std::size_t bodies) {
  state.counters["per_body"] = benchmark::Counter(
      static_cast<double>(bodies),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// One time step of dt seconds, again and again: the world runs on, ephemeris
// nodes are made as its date reaches them.
void BM_SimStep(benchmark::State& state, double dt) {
  if (StartScenario(state) == 0) return;
  for (auto _ : state) host::Step(dt);
  host::ResetSimulation();
}

// The floor of a step: the pull of every body on each free vessel of the
// built-in scenario, positions and masses already in arrays.
void BM_GravityFloor(benchmark::State& state) {
  if (StartScenario(state) == 0) return;
  host::World& world = host::TheWorld();
  std::vector<VECTOR3> bodies, vessels;
  std::vector<double> gm;
  for (ObjectHandle body : world.Bodies()) {
    bodies.push_back(world.Find(body)->pos);
    gm.push_back(host::worldG * world.Find(body)->mass);
  }
  for (ObjectHandle vessel : world.Vessels()) vessels.push_back(world.Find(vessel)->pos);
  for (auto _ : state) {
    for (const VECTOR3& at : vessels) {
      double ax = 0, ay = 0, az = 0;
      for (std::size_t b = 0; b < bodies.size(); ++b) {
        const double dx = bodies[b].x - at.x, dy = bodies[b].y - at.y, dz = bodies[b].z - at.z;
        const double r2 = dx * dx + dy * dy + dz * dz;
        const double f = gm[b] / (r2 * std::sqrt(r2));
        ax += f * dx;
        ay += f * dy;
        az += f * dz;
      }
      benchmark::DoNotOptimize(ax + ay + az);
    }
  }
  host::ResetSimulation();
}

// A body's state from the ephemeris at a new date, 0.05 s on from the last:
// its nodes (made only when the date reaches new ones) and the cubic
// between them. Averaged over the solar system's ten bodies.
void BM_EphemerisLookup(benchmark::State& state) {
  std::vector<host::Ephemeris> all;
  for (const std::string& name : sim::EphemerisNames()) all.push_back(*sim::FindEphemeris(name));
  double mjd = host::j2000Mjd;
  for (auto _ : state) {
    mjd += sim::defaultTimeStep / host::secondsPerDay;
    for (host::Ephemeris& ephemeris : all) {
      const host::PathPiece piece = ephemeris.PieceAround(mjd, mjd);
      benchmark::DoNotOptimize(piece.Position(0));
      benchmark::DoNotOptimize(piece.Velocity(0));
    }
  }
  PerBody(state, all.size());
}

// What the ephemeris spares: libnova called for each body's position at each
// date (the Moon's being the Earth's plus its own), averaged over the nine
// bodies that move.
void BM_LibnovaDirect(benchmark::State& state) {
  using HelioFunction = void (*)(double jd, ln_helio_posn* position);
  constexpr HelioFunction planets[] = {ln_get_mercury_helio_coords, ln_get_venus_helio_coords,
                                       ln_get_earth_helio_coords,   ln_get_mars_helio_coords,
                                       ln_get_jupiter_helio_coords, ln_get_saturn_helio_coords,
                                       ln_get_uranus_helio_coords,  ln_get_neptune_helio_coords};
  double jd = 2451545.0;
  for (auto _ : state) {
    jd += sim::defaultTimeStep / host::secondsPerDay;
    for (HelioFunction planet : planets) {
      ln_helio_posn position;
      planet(jd, &position);
      benchmark::DoNotOptimize(position);
    }
    ln_helio_posn earth;
    ln_get_earth_helio_coords(jd, &earth);
    ln_rect_posn moon;
    ln_get_lunar_geo_posn(jd, &moon, sim::lunarPrecision);
    benchmark::DoNotOptimize(earth);
    benchmark::DoNotOptimize(moon);
  }
  PerBody(state, std::size(planets) + 1);
}

void BM_ScriptedJump(benchmark::State& state) {
  std::string script, error;
  if (!sim::ReadTextFile(JAUNT_DEMO_SCRIPT, script, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  for (auto _ : state) {
    int selected = StartScenario(state);
    if (selected == 0) return;
    std::istringstream in(script);
    std::ostringstream out, err;
    if (sim::RunScript(in, out, err, selected) != 0) {
      state.SkipWithError(("demo script: " + err.str()).c_str());
      return;
    }
  }
  host::ResetSimulation();
}

BENCHMARK(BM_GravityFloor);
BENCHMARK_CAPTURE(BM_SimStep, dt_0_05s, sim::defaultTimeStep)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SimStep, dt_5000s, 5000.0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EphemerisLookup);
BENCHMARK(BM_LibnovaDirect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScriptedJump)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::string error;
  if (host::LoadModule(JAUNT_MODULE_PATH, error) == nullptr) {
    std::fprintf(stderr, "sim_bench: %s\n", error.c_str());
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  host::ResetSimulation();
  host::UnloadAllModules();
  benchmark::Shutdown();
  return 0;
}
