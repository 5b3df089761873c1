#include "cockpit/WorldStepper.h"

#include <csignal>

#include "host/Simulation.h"

namespace sim {

WorldStepper::WorldStepper() {
  // The signals go to the cockpit's thread, which waits for them; this one
  // may be deep in a step.
  sigset_t all, before;
  sigfillset(&all);
  pthread_sigmask(SIG_BLOCK, &all, &before);
  worker = std::thread([this] { Work(); });
  pthread_sigmask(SIG_SETMASK, &before, nullptr);
}

WorldStepper::~WorldStepper() {
  {
    const std::lock_guard lock(mutex);
    ending = true;
  }
  changed.notify_all();
  worker.join();
}

void WorldStepper::Start(int steps, double seconds) {
  if (steps <= 0) return;
  {
    const std::lock_guard lock(mutex);
    count = steps;
    dt = seconds;
    busy = true;
    started = std::chrono::steady_clock::now();
  }
  changed.notify_all();
}

bool WorldStepper::Busy() {
  const std::lock_guard lock(mutex);
  return busy;
}

bool WorldStepper::Wait(std::chrono::milliseconds most) {
  std::unique_lock lock(mutex);
  return changed.wait_for(lock, most, [this] { return !busy; });
}

double WorldStepper::BusyFor() {
  const std::lock_guard lock(mutex);
  return busy ? std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count()
              : 0;
}

double WorldStepper::TakeSimulated() {
  const std::lock_guard lock(mutex);
  const double taken = simulated;
  simulated = 0;
  return taken;
}

void WorldStepper::Work() {
  std::unique_lock lock(mutex);
  for (;;) {
    changed.wait(lock, [this] { return ending || count > 0; });
    if (ending) return;
    while (count > 0) {
      const double seconds = dt;
      lock.unlock();
      const bool made = host::Step(seconds);
      lock.lock();
      --count;
      if (made) simulated += seconds;
    }
    busy = false;
    changed.notify_all();
  }
}

}  // namespace sim
