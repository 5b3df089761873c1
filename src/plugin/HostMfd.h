// The host's abstract multi-function display. A display mode derives from it;
// the host creates the object through the mode's message procedure, writes
// some of its fields itself, and destroys it through the virtual destructor.
// The virtual functions, their order and the fields are the host's ABI.
#pragma once

#include "plugin/HostTypes.h"
#include "plugin/HostVessel.h"

class Instrument_User;

class OAPIFUNC MFD {
 public:
  MFD(DWORD w, DWORD h, VESSEL* vessel);
  virtual ~MFD();

  // Redraws the display on `hDC`.
  virtual void Update(HDC hDC) = 0;
  virtual bool ConsumeKeyBuffered(DWORD key);
  virtual bool ConsumeKeyImmediate(char* kstate);
  virtual bool ConsumeButton(int bt, int event);
  virtual char* ButtonLabel(int bt);
  virtual int ButtonMenu(const MFDBUTTONMENU** menu) const;
  virtual void WriteStatus(FileHandle scn) const;
  virtual void ReadStatus(FileHandle scn);
  virtual void StoreStatus() const;
  virtual void RecallStatus();

  // Draws the display's title in the host's title style.
  void Title(HDC hDC, const char* title) const;

 protected:
  DWORD W, H;    // display size, device units
  DWORD cw, ch;  // character size of the host's font, written by the host
  VESSEL* pV;    // the vessel the display belongs to

 private:
  Instrument_User* instr;  // the host's own record of the display
};

// Bits of the event passed to ConsumeButton: pressed now, released now, held.
constexpr int PANEL_MOUSE_LBDOWN = 0x01;
constexpr int PANEL_MOUSE_LBUP = 0x04;
constexpr int PANEL_MOUSE_LBPRESSED = 0x10;
