// The layouts the real host reads and writes, as they are known of the host,
// held against one set of declarations on the target this is compiled for:
// the module's (src/plugin), or, with JAUNT_LAYOUT_OF_HOST, the stand-in
// Orbiter.exe's own (host/msvc). The test compiles it for 32- and 64-bit
// Windows with each set; compiling is passing.
#include <stddef.h>

#ifdef JAUNT_LAYOUT_OF_HOST
#include "HostInterface.h"
using StateRecord = VESSELSTATUS2;
// What message OAPI_MSG_MFD_OPENEDEX passes; the module does not read it.
static_assert(sizeof(MFDMODEOPENSPEC) == (sizeof(void*) == 4 ? 12 : 16));
#else
#include "plugin/HostApi.h"
using StateRecord = VesselStateRecord;
#endif

#ifdef _WIN64
#define ON_X86_X64(x86, x64) (x64)
#else
#define ON_X86_X64(x86, x64) (x86)
#endif

static_assert(sizeof(DWORD) == 4);
static_assert(sizeof(VECTOR3) == 24);

static_assert(sizeof(MFDMODESPEC) == ON_X86_X64(12, 24));
static_assert(offsetof(MFDMODESPEC, key) == ON_X86_X64(4, 8));
static_assert(offsetof(MFDMODESPEC, msgproc) == ON_X86_X64(8, 16));

// The host walks the menu with this stride.
static_assert(sizeof(MFDBUTTONMENU) == ON_X86_X64(9, 17));
static_assert(offsetof(MFDBUTTONMENU, line2) == ON_X86_X64(4, 8));
static_assert(offsetof(MFDBUTTONMENU, selchar) == ON_X86_X64(8, 16));

static_assert(sizeof(StateRecord) == ON_X86_X64(176, 208));
static_assert(offsetof(StateRecord, version) == 0);
static_assert(offsetof(StateRecord, flag) == 4);
static_assert(offsetof(StateRecord, rbody) == 8);
static_assert(offsetof(StateRecord, base) == ON_X86_X64(12, 16));
static_assert(offsetof(StateRecord, port) == ON_X86_X64(16, 24));
static_assert(offsetof(StateRecord, status) == ON_X86_X64(20, 28));
static_assert(offsetof(StateRecord, rpos) == ON_X86_X64(24, 32));
static_assert(offsetof(StateRecord, rvel) == ON_X86_X64(48, 56));
static_assert(offsetof(StateRecord, vrot) == ON_X86_X64(72, 80));
static_assert(offsetof(StateRecord, arot) == ON_X86_X64(96, 104));
static_assert(offsetof(StateRecord, surf_lng) == ON_X86_X64(120, 128));
static_assert(offsetof(StateRecord, surf_lat) == ON_X86_X64(128, 136));
static_assert(offsetof(StateRecord, surf_hdg) == ON_X86_X64(136, 144));
static_assert(offsetof(StateRecord, nfuel) == ON_X86_X64(144, 152));
static_assert(offsetof(StateRecord, fuel) == ON_X86_X64(148, 160));
static_assert(offsetof(StateRecord, nthruster) == ON_X86_X64(152, 168));
static_assert(offsetof(StateRecord, thruster) == ON_X86_X64(156, 176));
static_assert(offsetof(StateRecord, ndockinfo) == ON_X86_X64(160, 184));
static_assert(offsetof(StateRecord, dockinfo) == ON_X86_X64(164, 192));
static_assert(offsetof(StateRecord, xpdr) == ON_X86_X64(168, 200));

// The display base class: the host writes cw, ch and its own record
// (instr, the last field) into every display object.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"  // a class with a vtable, on purpose
struct MfdLayout : MFD {
  // Inside a member's body the class is complete, and its protected fields
  // are in reach.
  static void Check() {
    static_assert(offsetof(MfdLayout, W) == ON_X86_X64(4, 8));
    static_assert(offsetof(MfdLayout, H) == ON_X86_X64(8, 12));
    static_assert(offsetof(MfdLayout, cw) == ON_X86_X64(12, 16));
    static_assert(offsetof(MfdLayout, ch) == ON_X86_X64(16, 20));
    static_assert(offsetof(MfdLayout, pV) == ON_X86_X64(20, 24));
  }
};
static_assert(sizeof(MFD) == ON_X86_X64(28, 40));
static_assert(sizeof(MFD) - sizeof(void*) == ON_X86_X64(24, 32));
