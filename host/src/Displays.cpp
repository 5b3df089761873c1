#include "host/Displays.h"

#include <cstring>
#include <iterator>
#include <map>

#include "DisplayQueries.h"
#include "ForeignDisplay.h"
#include "ModeRegistry.h"
#include "host/Diagnostics.h"
#include "host/World.h"
#include "plugin/HostServices.h"

namespace host {

namespace {

struct Mode {
  std::string name;
  DWORD key;
  MfdMessageProc proc;
  const DisplayDriver* driver;  // null: a module of this host's own ABI
};

struct Display {
  std::string mode;
  DWORD width, height;
  MFD* object;
  ObjectHandle followed = nullptr;  // asked about at the last drawing
};

std::map<int, Mode> modes;
int lastModeId = 0;
std::map<int, Display> displays;
int lastDisplay = 0;
Display* drawing = nullptr;  // while its page is being drawn

const Mode* FindMode(const std::string& name) {
  for (const auto& [id, mode] : modes) {
    if (mode.name == name) return &mode;
  }
  return nullptr;
}

// The host's protocol: the extended open first, the plain one when that
// opened nothing.
MFD* AskMode(const Mode& mode, DWORD width, DWORD height, VESSEL* vessel) {
  const WPARAM size = width | (height << 16);
  const auto lparam = reinterpret_cast<LPARAM>(vessel);
  MfdMessageResult result = mode.proc(OAPI_MSG_MFD_OPENEDEX, 0, size, lparam);
  if (result == 0) result = mode.proc(OAPI_MSG_MFD_OPENED, 0, size, lparam);
  return reinterpret_cast<MFD*>(result);
}

MFD* CreateDisplayObject(const Mode& mode, DWORD width, DWORD height) {
  if (width > 0xFFFF || height > 0xFFFF) {
    Report("display size out of range");
    return nullptr;
  }
  VESSEL* vessel = oapiGetFocusInterface();
  MFD* object = nullptr;
  if (mode.driver == nullptr) {
    object = AskMode(mode, width, height, vessel);
  } else if (void* foreign = mode.driver->open(reinterpret_cast<BridgeModeProc>(mode.proc), width,
                                               height, vessel)) {
    object = new ForeignDisplay(*mode.driver, foreign, width, height, vessel);
  }
  // The host's font, written into the object as the host does.
  if (object != nullptr) SetCharSize(*object, charWidth, charHeight);
  return object;
}

void Destroy(std::map<int, Display>::iterator it) {
  MFD* object = it->second.object;
  displays.erase(it);  // first, so that a destructor sees a consistent host
  delete object;
}

}  // namespace

int RegisterMode(const MFDMODESPEC& spec, const DisplayDriver* driver) {
  if (spec.name == nullptr || spec.msgproc == nullptr) {
    Report("oapiRegisterMFDMode: needs a name and a message procedure");
    return -1;
  }
  modes[++lastModeId] = {spec.name, spec.key, spec.msgproc, driver};
  return lastModeId;
}

std::vector<ModeInfo> RegisteredModes() {
  std::vector<ModeInfo> list;
  list.reserve(modes.size());
  for (const auto& [id, mode] : modes) list.push_back({id, mode.name, mode.key});
  return list;
}

int OpenDisplay(const std::string& modeName, DWORD width, DWORD height) {
  const Mode* mode = FindMode(modeName);
  if (mode == nullptr) {
    Report("no display mode " + modeName);
    return 0;
  }
  MFD* object = CreateDisplayObject(*mode, width, height);
  if (object == nullptr) {
    Report("mode " + modeName + " opened no display");
    return 0;
  }
  displays[++lastDisplay] = {modeName, width, height, object};
  return lastDisplay;
}

MfdMessageResult SendModeMessage(const std::string& modeName, UINT msg, WPARAM wparam,
                                 LPARAM lparam) {
  const Mode* mode = FindMode(modeName);
  if (mode == nullptr) {
    Report("no display mode " + modeName);
    return 0;
  }
  return mode->proc(msg, 0, wparam, lparam);
}

bool CloseDisplay(int number) {
  auto it = displays.find(number);
  if (it == displays.end()) {
    Report("display " + std::to_string(number) + " is not open");
    return false;
  }
  Destroy(it);
  return true;
}

void CloseAllDisplays() {
  while (!displays.empty()) Destroy(displays.begin());
}

std::vector<int> OpenDisplays() {
  std::vector<int> numbers;
  numbers.reserve(displays.size());
  for (const auto& [number, display] : displays) numbers.push_back(number);
  return numbers;
}

MFD* DisplayObject(int number) {
  auto it = displays.find(number);
  return it == displays.end() ? nullptr : it->second.object;
}

std::string DisplayMode(int number) {
  auto it = displays.find(number);
  return it == displays.end() ? std::string() : it->second.mode;
}

Page DrawDisplay(int number) {
  auto it = displays.find(number);
  if (it == displays.end()) {
    Report("display " + std::to_string(number) + " is not open");
    return {};
  }
  Display& display = it->second;
  display.followed = nullptr;
  PageRecorder recorder;
  drawing = &display;
  display.object->Update(recorder.Dc());
  drawing = nullptr;
  return recorder.Finish();
}

std::vector<MenuRow> DisplayMenu(int number) {
  MFD* object = DisplayObject(number);
  if (object == nullptr) {
    Report("display " + std::to_string(number) + " is not open");
    return {};
  }
  const MFDBUTTONMENU* menu = nullptr;
  const int count = object->ButtonMenu(&menu);
  std::vector<MenuRow> rows;
  for (int i = 0; menu != nullptr && i < count; ++i) {
    const MFDBUTTONMENU& row = menu[i];
    if (row.line1 == nullptr) {
      Report("display " + std::to_string(number) + ": menu row " + std::to_string(i) +
             " has no first line");
      return {};
    }
    rows.push_back({row.selchar, std::string(row.line1, std::strlen(row.line1)),
                    row.line2 != nullptr ? std::string(row.line2, std::strlen(row.line2)) : ""});
  }
  return rows;
}

void NoteRelativeQuery(ObjectHandle object) {
  if (drawing != nullptr) drawing->followed = object;
}

ObjectHandle FollowedObject(int number) {
  auto it = displays.find(number);
  return it == displays.end() ? nullptr : it->second.followed;
}

void ChangeFocus(ObjectHandle vessel) {
  std::map<int, Display> reopen;
  while (!displays.empty()) {
    auto it = displays.begin();
    reopen[it->first] = it->second;
    Destroy(it);
  }
  TheWorld().SetFocus(TheWorld().Interface(vessel) != nullptr ? vessel : nullptr);
  for (auto& [number, display] : reopen) {
    const Mode* mode = FindMode(display.mode);
    MFD* object =
        mode != nullptr ? CreateDisplayObject(*mode, display.width, display.height) : nullptr;
    if (object != nullptr) displays[number] = {display.mode, display.width, display.height, object};
  }
}

}  // namespace host

int oapiRegisterMFDMode(MFDMODESPEC& spec) {
  return host::RegisterMode(spec, nullptr);
}

bool oapiUnregisterMFDMode(int id) {
  using namespace host;
  auto it = modes.find(id);
  if (it == modes.end()) {
    Report("oapiUnregisterMFDMode: unknown mode " + std::to_string(id));
    return false;
  }
  // Displays of the mode would outlive the code behind them.
  for (auto d = displays.begin(); d != displays.end();) {
    auto next = std::next(d);
    if (d->second.mode == it->second.name) Destroy(d);
    d = next;
  }
  modes.erase(it);
  return true;
}
