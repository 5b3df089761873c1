// The cockpit's time steps, made on a thread of their own, so that the
// cockpit answers its keys and the signals that end it however slow a step
// is: a world of thousands of bodies and vessels can take minutes for one.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace sim {

class WorldStepper {
 public:
  WorldStepper();
  // Waits for the steps being made: a program that cannot wait ends without
  // destroying it.
  ~WorldStepper();
  WorldStepper(const WorldStepper&) = delete;
  WorldStepper& operator=(const WorldStepper&) = delete;

  // Starts `steps` host steps of `seconds` each. From then until Busy() is
  // false, nothing else may touch the host, its world or the module.
  void Start(int steps, double seconds);
  bool Busy();
  // Waits until the steps are made, for at most `most`; false if they are
  // still going.
  bool Wait(std::chrono::milliseconds most);
  // How long the steps being made have taken so far; 0 when there are none.
  double BusyFor();
  // The simulated seconds stepped since the last call (a step the world
  // refused adds nothing).
  double TakeSimulated();

 private:
  void Work();

  std::mutex mutex;
  std::condition_variable changed;
  int count = 0;  // steps asked for and not yet made
  double dt = 0;
  bool busy = false, ending = false;
  double simulated = 0;
  std::chrono::steady_clock::time_point started;
  std::thread worker;  // last: started once the rest is ready
};

}  // namespace sim
