// Display modes registered by plug-ins, and the displays the host opens in
// them. Displays are numbered from 1; a number is never given twice.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/PageRecorder.h"
#include "plugin/HostMfd.h"

namespace host {

struct ModeInfo {
  int id;
  std::string name;
  DWORD key;
};

std::vector<ModeInfo> RegisteredModes();

// The size of a character of the font the host draws displays with; the host
// writes it into every display object it opens.
constexpr DWORD charWidth = 8, charHeight = 16;

// Opens a display of the named mode on the focus vessel (null without one),
// as the host does: message OAPI_MSG_MFD_OPENEDEX first, then, when that
// opened nothing, OAPI_MSG_MFD_OPENED with the size packed as width in the
// low 16 bits and height in the high 16. Returns its number, or 0 when the
// mode is unknown or the plug-in returned no display.
int OpenDisplay(const std::string& mode, DWORD width, DWORD height);
// Sends a raw message to the named mode's message procedure and returns its
// result.
MfdMessageResult SendModeMessage(const std::string& mode, UINT msg, WPARAM wparam, LPARAM lparam);
// Destroys the display through its virtual destructor; false if not open.
bool CloseDisplay(int number);
void CloseAllDisplays();
std::vector<int> OpenDisplays();  // in ascending order
MFD* DisplayObject(int number);   // null when not open
std::string DisplayMode(int number);
// Asks the display to draw itself on a fresh recording surface.
Page DrawDisplay(int number);
// The object whose position relative to the focus vessel display `number`
// asked for when it last drew its page: the target it follows, as the host
// sees it, whatever name the page prints. Null when it asked for none.
ObjectHandle FollowedObject(int number);

// One row of a display's button menu, as the host draws it.
struct MenuRow {
  char key;
  std::string line1, line2;  // line2 empty when the row has one line
};
// The display's button menu as the pilot's menu key opens it: the host asks
// the display for its rows (ButtonMenu) and walks them with its own stride,
// measuring each line, and a second line that is not null, with strlen.
// Empty when the display has no menu; a row without a first line is reported.
std::vector<MenuRow> DisplayMenu(int number);

// Makes `vessel` (null: none) the focus vessel. As a cockpit does, the host
// closes every open display and opens it again, under the same number and
// mode, on the new focus vessel.
void ChangeFocus(ObjectHandle vessel);

// The base-class fields of a display object, which only the host reads.
struct MfdFields {
  DWORD width, height;
  DWORD charWidth, charHeight;
  VESSEL* vessel;
};
MfdFields FieldsOf(const MFD& display);
void SetCharSize(MFD& display, DWORD width, DWORD height);

}  // namespace host
