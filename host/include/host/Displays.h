// Display modes registered by plug-ins, and the displays the host opens in
// them. Displays are numbered from 1; a number is never given twice.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "HostMfd.h"
#include "host/PageRecorder.h"

namespace host {

struct ModeInfo {
  int id;
  std::string name;
  std::uint32_t key;
};

std::vector<ModeInfo> RegisteredModes();

// Opens a display of the named mode on the focus vessel (null without one),
// calling the mode's message procedure with the size packed as width in the
// low 16 bits and height in the high 16. Returns its number, or 0 when the
// mode is unknown or the plug-in returned no display.
int OpenDisplay(const std::string& mode, std::uint32_t width, std::uint32_t height);
// Sends a raw message to the named mode's message procedure and returns its
// result, as the host does when it opens a display with message 1.
std::intptr_t SendModeMessage(const std::string& mode, std::uint32_t msg, std::uint32_t size,
                              std::uintptr_t vessel);
// Destroys the display through its virtual destructor; false if not open.
bool CloseDisplay(int number);
void CloseAllDisplays();
std::vector<int> OpenDisplays();  // in ascending order
MFD* DisplayObject(int number);   // null when not open
std::string DisplayMode(int number);
// Asks the display to draw itself on a fresh recording surface.
Page DrawDisplay(int number);

// Makes `vessel` (null: none) the focus vessel. As a cockpit does, the host
// closes every open display and opens it again, under the same number and
// mode, on the new focus vessel.
void ChangeFocus(ObjectHandle vessel);

}  // namespace host
