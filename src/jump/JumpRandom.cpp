#include "jump/JumpRandom.h"

#include <stdint.h>

namespace {
uint32_t state = 1;
time_t CalendarTime() {
  return time(nullptr);
}
}  // namespace

void StandardSeed(unsigned seed) {
  state = seed;
}

int StandardDraw() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7FFF);
}

JumpRandom jumpRandom{CalendarTime, StandardSeed, StandardDraw};
