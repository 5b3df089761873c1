// The host's display base class: its title, and the fields only the host
// reads and writes (the rest is in MfdDefaults.cpp).
#include "plugin/HostMfd.h"

#include <cstddef>

#include "host/Displays.h"
#include "host/PageRecorder.h"

void MFD::Title(HDC hDC, const char* title) const {
  host::RecordTitle(hDC, title);
}

namespace host {

namespace {

// Reaches the protected fields of any display object: a pointer to a member
// named through a derived class is a pointer to the base's member.
struct Fields : MFD {
  static constexpr DWORD MFD::*width = &Fields::W;
  static constexpr DWORD MFD::*height = &Fields::H;
  static constexpr DWORD MFD::*charWidth = &Fields::cw;
  static constexpr DWORD MFD::*charHeight = &Fields::ch;
  static constexpr VESSEL* MFD::*vessel = &Fields::pV;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"  // the layout is the point here
  static constexpr std::size_t VesselOffset() {
    return offsetof(Fields, pV);
  }
#pragma GCC diagnostic pop
};

// The 32-bit host's layout, into which it writes; 64-bit pointers widen it.
static_assert(Fields::VesselOffset() == (sizeof(void*) == 4 ? 20 : 24));
static_assert(sizeof(MFD) == (sizeof(void*) == 4 ? 28 : 40));

}  // namespace

MfdFields FieldsOf(const MFD& display) {
  return {display.*Fields::width, display.*Fields::height, display.*Fields::charWidth,
          display.*Fields::charHeight, display.*Fields::vessel};
}

void SetCharSize(MFD& display, DWORD width, DWORD height) {
  display.*Fields::charWidth = width;
  display.*Fields::charHeight = height;
}

}  // namespace host
