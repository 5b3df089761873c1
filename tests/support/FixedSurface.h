// A drawing surface of fixed buffers, for a program that links the module
// in: its MFD::Title and TextOutA take the place of the host's recording
// ones, which build strings, so that what is measured or counted while the
// module draws is the module's own work and a copy of each line. A program
// that links this file must not link the host's own definitions of the two.
#pragma once

#include "plugin/Platform.h"

namespace testing_surface {

struct Surface {
  char title[100];
  char lines[16][100];
  int count;
};

// A device context drawing on `surface`, which starts empty.
HDC Begin(Surface& surface);

}  // namespace testing_surface
