// The module's per-frame costs, each beside a floor measured in the same run:
// the safety estimate against a plain loop doing the same arithmetic over the
// same bodies, DrawPage against formatting its lines with snprintf alone.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "display/JauntMFD.h"
#include "host/Displays.h"
#include "host/Simulation.h"
#include "host/World.h"
#include "planning/SafetyEstimate.h"
#include "support/FixedSurface.h"
#include "support/WorldBuilder.h"

namespace {

constexpr double estimateG = 6.67e-11;
const VECTOR3 jumpFrom = MakeVector(1.2e11, 2.0e10, -3.0e9);
const VECTOR3 jumpTo = MakeVector(-4.0e10, 9.0e10, 6.0e9);

// `count` bodies scattered through a cube 10 AU wide, the same every run.
void FillBodies(int count) {
  host::ResetSimulation();
  std::uint32_t seed = 20240607;
  auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<double>(seed >> 8) / (1 << 24) - 0.5;
  };
  for (int i = 0; i < count; ++i) {
    const double mass = 1e20 * (1 + 1e4 * (next() + 0.5));
    const VECTOR3 pos = MakeVector(1.5e12 * next(), 1.5e12 * next(), 1.5e12 * next());
    testing_world::AddBody("Body" + std::to_string(i), mass, 1e6, pos);
  }
}

void PerBody(benchmark::State& state, int bodies) {
  state.counters["per_body"] = benchmark::Counter(
      bodies, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Estimate(benchmark::State& state) {
  const int bodies = static_cast<int>(state.range(0));
  FillBodies(bodies);
  for (auto _ : state) benchmark::DoNotOptimize(EstimateFailureChance(jumpFrom, jumpTo));
  PerBody(state, bodies);
}

// The same ten squared distances and divisions per body, over the same
// positions and masses in plain arrays.
void BM_EstimateFloor(benchmark::State& state) {
  const int bodies = static_cast<int>(state.range(0));
  FillBodies(bodies);
  std::vector<VECTOR3> pos;
  std::vector<double> mass;
  for (ObjectHandle body : host::TheWorld().Bodies()) {
    pos.push_back(host::TheWorld().Find(body)->pos);
    mass.push_back(host::TheWorld().Find(body)->mass);
  }
  VECTOR3 sample[10];
  for (int k = 0; k < 10; ++k) {
    const double f = k / 9.0;
    sample[k] = MakeVector(jumpFrom.x + f * (jumpTo.x - jumpFrom.x),
                           jumpFrom.y + f * (jumpTo.y - jumpFrom.y),
                           jumpFrom.z + f * (jumpTo.z - jumpFrom.z));
  }
  for (auto _ : state) {
    double sum[10] = {};
    for (std::size_t b = 0; b < pos.size(); ++b) {
      for (int k = 0; k < 10; ++k) {
        const double dx = sample[k].x - pos[b].x;
        const double dy = sample[k].y - pos[b].y;
        const double dz = sample[k].z - pos[b].z;
        const double d2 = dx * dx + dy * dy + dz * dz;
        if (d2 > 10) sum[k] += estimateG * mass[b] / d2;
      }
    }
    benchmark::DoNotOptimize(*std::max_element(sum, sum + 10));
  }
  PerBody(state, bodies);
}

// What the estimate spends in the host alone: per body, the three calls that
// fetch its handle, position and mass.
void BM_EstimateHostCalls(benchmark::State& state) {
  const int bodies = static_cast<int>(state.range(0));
  FillBodies(bodies);
  for (auto _ : state) {
    const std::uint32_t count = oapiGetGbodyCount();
    for (std::uint32_t index = 0; index < count; ++index) {
      const ObjectHandle body = oapiGetGbodyByIndex(index);
      VECTOR3 pos;
      oapiGetGlobalPos(body, &pos);
      benchmark::DoNotOptimize(pos);
      benchmark::DoNotOptimize(oapiGetMass(body));
    }
  }
  PerBody(state, bodies);
}

BENCHMARK(BM_Estimate)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000);
BENCHMARK(BM_EstimateFloor)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000);
BENCHMARK(BM_EstimateHostCalls)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000);

// Sun, Earth and Moon, the ship in Earth orbit; a display with the Moon as
// its target, a final distance of a tenth of it and a current estimate.
JauntMFD& PlannedDisplay() {
  host::ResetSimulation();
  using namespace testing_world;
  AddBody("Sun", 1.989e30, 6.96e8, MakeVector(0, 0, 0));
  AddBody("Earth", testing_world::earthMass, testing_world::earthRadius,
          MakeVector(1.496e11, 0, 0));
  AddBody("Moon", 7.342e22, 1.737e6, MakeVector(1.496e11 + 3.844e8, 0, 0));
  Focus(AddVessel("GL-01", MakeVector(1.496e11 + 4.2e7, 0, 0)));
  auto& display =
      *static_cast<JauntMFD*>(host::DisplayObject(host::OpenDisplay("Jaunt", 256, 256)));
  display.UpdateTarget("Moon", false);
  display.distanceSetting = 0.1 * display.targetDistance;
  display.UpdateTarget("Moon", true);
  return display;
}

// The page's lines formatted directly, one snprintf each, with the units this
// world's figures fall in.
int FormatLines(const JauntMFD& d, char (&lines)[16][100]) {
  int n = 0;
  std::snprintf(lines[n++], 100, "[Shift-T] Target: %s", d.targetName);
  std::snprintf(lines[n++], 100, "Curr. distance: %.2f Mm (%.3f AU)", d.targetDistance * 1e-6,
                d.targetDistance / 1.5e11);
  std::snprintf(lines[n++], 100, "Curr. velocity: %.3f Km/s", d.targetSpeed * 0.001);
  std::snprintf(lines[n++], 100, "Radius: %.2f Mm", d.targetRadius * 1e-6);
  std::snprintf(lines[n++], 100, "[Shift-D] %s", "Final distance to target:");
  std::snprintf(lines[n++], 100, "%.2f Mm (%.3f AU)", d.distanceSetting * 1e-6,
                d.distanceSetting / 1.5e11);
  std::snprintf(lines[n++], 100, "[Shift-V] %s", "Final relative velocity:");
  std::snprintf(lines[n++], 100, "%.3f Km/s", d.speedSetting * 0.001);
  std::snprintf(lines[n++], 100, "Probability of safe jaunt: %.1f%%", (1 - d.failureChance) * 100);
  return n;
}

void BM_DrawPage(benchmark::State& state) {
  JauntMFD& display = PlannedDisplay();
  testing_surface::Surface surface{};
  for (auto _ : state) {
    display.DrawPage(testing_surface::Begin(surface));
    benchmark::ClobberMemory();
  }
  // The floor below must format exactly what the page drew.
  char lines[16][100];
  const int n = FormatLines(display, lines);
  bool same = n == surface.count;
  for (int i = 0; same && i < n; ++i) same = std::strcmp(lines[i], surface.lines[i]) == 0;
  if (!same) state.SkipWithError("the floor's lines differ from the page's");
}

void BM_DrawPageSnprintfFloor(benchmark::State& state) {
  const JauntMFD& display = PlannedDisplay();
  char lines[16][100];
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatLines(display, lines));
    benchmark::ClobberMemory();
  }
}

void BM_UpdateTarget(benchmark::State& state) {
  JauntMFD& display = PlannedDisplay();
  const bool estimate = state.range(0) != 0;
  for (auto _ : state) benchmark::DoNotOptimize(display.UpdateTarget("Moon", estimate));
}

void BM_TimestepIdle(benchmark::State& state) {
  PlannedDisplay();
  for (auto _ : state) {
    opcTimestep(1, 0.02, 51544.5);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_DrawPage);
BENCHMARK(BM_DrawPageSnprintfFloor);
BENCHMARK(BM_UpdateTarget)->ArgName("estimate")->Arg(0)->Arg(1);
BENCHMARK(BM_TimestepIdle);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  opcDLLInit(nullptr);
  benchmark::RunSpecifiedBenchmarks();
  host::ResetSimulation();
  opcDLLExit(nullptr);
  benchmark::Shutdown();
  return 0;
}
