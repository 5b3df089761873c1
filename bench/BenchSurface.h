// A drawing surface of fixed buffers for the benchmarks: this program's
// MFD::Title and TextOutA take the place of the host's recording ones, which
// build strings, so that a measured DrawPage is the module's work and a copy
// of each line.
#pragma once

#include "plugin/Platform.h"

namespace bench {

struct Surface {
  char title[100];
  char lines[16][100];
  int count;
};

// A device context drawing on `surface`, which starts empty.
HDC Begin(Surface& surface);

}  // namespace bench
