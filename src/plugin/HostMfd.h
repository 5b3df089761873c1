// The host's abstract multi-function display. A display mode derives from it;
// the host creates the object through the mode's message procedure and
// destroys it through the virtual destructor.
#pragma once

#include <cstdint>

#include "HostTypes.h"
#include "HostVessel.h"

class OAPIFUNC MFD {
 public:
  MFD(std::uint32_t w, std::uint32_t h, VESSEL* vessel);
  MFD(const MFD&) = delete;
  MFD& operator=(const MFD&) = delete;
  virtual ~MFD();

  virtual void DrawPage(HDC hdc) = 0;
  virtual bool ConsumeKeyBuffered(std::uint32_t key);
  virtual bool ConsumeKeyImmediate(char* keystate);
  virtual bool ConsumeButton(int button, int event);
  virtual const char* ButtonLabel(int button);
  virtual int ButtonMenu(const MFDBUTTONMENU** menu) const;
  virtual void ReadStatus(void* scenario);
  virtual void WriteStatus(void* scenario) const;
  virtual void StoreStatus() const;
  virtual void RecallStatus();

  // Draws the display's title in the host's title style.
  void Title(HDC hdc, const char* title) const;

  std::uint32_t Width() const { return W; }
  std::uint32_t Height() const { return H; }
  VESSEL* Vessel() const { return pV; }

 protected:
  std::uint32_t W, H;
  VESSEL* pV;
};

// Bits of the event passed to ConsumeButton.
constexpr int PANEL_MOUSE_LBDOWN = 0x01;
constexpr int PANEL_MOUSE_LBPRESSED = 0x04;
