// Driving the modules' display objects as the real host does: it asks a mode
// with the extended open message first and the plain one when that opened
// nothing, finds out with dynamic_cast whether the object is of its newer
// display class, writes the character size and its own record into the
// object, calls the virtual functions, and destroys it with delete.
#include <string.h>

#include "World.h"
#include "plugin/HostMfd.h"

namespace {

// The host's newer display class; a Jaunt display is not one.
class MFD2 : public MFD {
 public:
  MFD2(DWORD w, DWORD h, VESSEL* vessel) : MFD(w, h, vessel) {}
  virtual bool Update2() { return false; }
};

// The protected fields the host writes, reached as a derived class may.
struct Fields : MFD {
  static constexpr DWORD MFD::*charWidth = &Fields::cw;
  static constexpr DWORD MFD::*charHeight = &Fields::ch;
};

// The host's own record of a display sits in the object's last field.
static_assert(sizeof(MFD) == 28);
constexpr size_t recordOffset = sizeof(MFD) - sizeof(void*);

// What the host writes there: the address of its record. Finding it changed
// means the module's object does not have the host's layout.
char hostRecord;

void* RecordOf(const MFD& display) {
  void* record;
  memcpy(&record, reinterpret_cast<const char*>(&display) + recordOffset, sizeof record);
  return record;
}

MFD& Checked(void* object) {
  auto& display = *static_cast<MFD*>(object);
  if (RecordOf(display) != &hostRecord)
    world->report("Orbiter.exe: a display object overwrote the host's record in it");
  return display;
}

void* Open(MfdMessageProc proc, DWORD width, DWORD height, VESSEL* vessel) {
  const WPARAM size = width | (height << 16);
  const auto lparam = reinterpret_cast<LPARAM>(vessel);
  MfdMessageResult result = proc(OAPI_MSG_MFD_OPENEDEX, 0, size, lparam);
  if (result == 0) result = proc(OAPI_MSG_MFD_OPENED, 0, size, lparam);
  auto* display = reinterpret_cast<MFD*>(result);
  if (display == nullptr) return nullptr;
  if (dynamic_cast<MFD2*>(display) != nullptr)
    world->report("Orbiter.exe: the display claims to be an MFD2");
  display->*Fields::charWidth = 8;
  display->*Fields::charHeight = 16;
  void* record = &hostRecord;
  memcpy(reinterpret_cast<char*>(display) + recordOffset, &record, sizeof record);
  return display;
}

void Destroy(void* object) {
  delete &Checked(object);
}

void Update(void* object, HDC hdc) {
  Checked(object).Update(hdc);
}

int ConsumeKeyBuffered(void* object, DWORD key) {
  return Checked(object).ConsumeKeyBuffered(key);
}

int ConsumeButton(void* object, int bt, int event) {
  return Checked(object).ConsumeButton(bt, event);
}

char* ButtonLabel(void* object, int bt) {
  return Checked(object).ButtonLabel(bt);
}

int ButtonMenu(void* object, const MFDBUTTONMENU** menu) {
  return Checked(object).ButtonMenu(menu);
}

}  // namespace

const DisplayDriver displayDriver{Open,          Destroy,     Update,    ConsumeKeyBuffered,
                                  ConsumeButton, ButtonLabel, ButtonMenu};
