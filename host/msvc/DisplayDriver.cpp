// Driving the modules' display objects as the real host does: it asks a mode
// with the extended open message first and the plain one when that opened
// nothing, finds out with dynamic_cast whether the object is of its newer
// display class, writes the character size and its own record into the
// object, calls the virtual functions, reads the button menu with its own
// row layout, and destroys the object with delete.
#include "WorldBridge.h"

// The host's own record of a display, which the display class lets write
// its fields.
class Instrument_User {
 public:
  static void Install(MFD& display, DWORD charWidth, DWORD charHeight) {
    display.cw = charWidth;
    display.ch = charHeight;
    display.instr = &record;
  }
  // Finding the record changed means the module's object does not have the
  // host's layout.
  static MFD& Checked(void* object) {
    auto& display = *static_cast<MFD*>(object);
    if (display.instr != &record)
      world->report("Orbiter.exe: a display object overwrote the host's record in it");
    return display;
  }

 private:
  static Instrument_User record;
};

Instrument_User Instrument_User::record;

namespace {

// The host's newer display class; a Jaunt display is not one.
class MFD2 : public MFD {
 public:
  MFD2(DWORD w, DWORD h, VESSEL* vessel) : MFD(w, h, vessel) {}
  virtual bool Update2() { return false; }
};

// The size of a character of the host's display font.
constexpr DWORD charWidth = 8, charHeight = 16;

using ModeProc = OAPI_MSGTYPE (*)(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam);

void* Open(BridgeModeProc proc, uint32_t width, uint32_t height, void* vessel) {
  const auto message = reinterpret_cast<ModeProc>(proc);
  const auto lparam = reinterpret_cast<LPARAM>(vessel);
  MFDMODEOPENSPEC openSpec{static_cast<int>(width), static_cast<int>(height), nullptr};
  OAPI_MSGTYPE result =
      message(OAPI_MSG_MFD_OPENEDEX, 0, reinterpret_cast<WPARAM>(&openSpec), lparam);
  if (result == 0) result = message(OAPI_MSG_MFD_OPENED, 0, width | (height << 16), lparam);
  auto* display = reinterpret_cast<MFD*>(result);
  if (display == nullptr) return nullptr;
  if (dynamic_cast<MFD2*>(display) != nullptr)
    world->report("Orbiter.exe: the display claims to be an MFD2");
  Instrument_User::Install(*display, charWidth, charHeight);
  return display;
}

void Destroy(void* object) {
  delete &Instrument_User::Checked(object);
}

void Update(void* object, void* hdc) {
  Instrument_User::Checked(object).Update(static_cast<HDC>(hdc));
}

int ConsumeKeyBuffered(void* object, uint32_t key) {
  return Instrument_User::Checked(object).ConsumeKeyBuffered(key);
}

int ConsumeButton(void* object, int bt, int event) {
  return Instrument_User::Checked(object).ConsumeButton(bt, event);
}

const char* ButtonLabel(void* object, int bt) {
  return Instrument_User::Checked(object).ButtonLabel(bt);
}

// As the host draws the menu: row after row with its own stride. The world
// then measures each line as the host does.
int ButtonMenu(void* object, BridgeMenuRow* rows, int capacity) {
  const MFDBUTTONMENU* menu = nullptr;
  const int count = Instrument_User::Checked(object).ButtonMenu(&menu);
  for (int i = 0; menu != nullptr && i < count && i < capacity; ++i)
    rows[i] = {menu[i].line1, menu[i].line2, menu[i].selchar};
  return menu != nullptr ? count : 0;
}

}  // namespace

const DisplayDriver displayDriver{
    .open = Open,
    .destroy = Destroy,
    .update = Update,
    .consumeKeyBuffered = ConsumeKeyBuffered,
    .consumeButton = ConsumeButton,
    .buttonLabel = ButtonLabel,
    .buttonMenu = ButtonMenu,
};
