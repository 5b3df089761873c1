// The time acceleration the world really achieves, for the cockpit's panel.
#pragma once

namespace sim {

// Simulated time over real time, measured afresh every second or so of
// real time.
class PaceMeter {
 public:
  void Add(double realSeconds, double simulatedSeconds);
  void Restart() { *this = PaceMeter(); }
  double Achieved() const { return achieved; }  // negative before the first second

 private:
  double real = 0, simulated = 0;
  double achieved = -1;
};

}  // namespace sim
