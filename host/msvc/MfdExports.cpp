// The display base class's title under the real host's ABI; its
// construction and default virtual functions, which the modules' vtables
// take, are the host's own (host/src/MfdDefaults.cpp).
#include "World.h"
#include "plugin/HostMfd.h"

void MFD::Title(HDC hDC, const char* title) const {
  world->title(hDC, title);
}
