// The clock and the generator that scatter a bad jump, behind one seam so
// that tests can fix them.
#pragma once

#include <time.h>

struct JumpRandom {
  time_t (*now)();         // calendar time, seconds
  void (*seed)(unsigned);  // restarts the generator
  int (*draw)();           // next integer, 0 to 32767
};

extern JumpRandom jumpRandom;

// The 32-bit host's C library generator, so that draws run from 0 to 32767
// and a seed gives the same sequence on every platform.
void StandardSeed(unsigned seed);
int StandardDraw();
