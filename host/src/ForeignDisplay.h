// A display object of a module built for another C++ ABI, as the rest of the
// host sees it: an MFD of this host's own ABI whose calls go through the
// driver of the stand-in host that loaded the module.
#pragma once

#include "host/AbiBridge.h"
#include "plugin/HostMfd.h"

namespace host {

class ForeignDisplay : public MFD {
 public:
  ForeignDisplay(const DisplayDriver& driver, void* object, DWORD w, DWORD h, VESSEL* vessel)
      : MFD(w, h, vessel), driver(driver), object(object) {}
  ForeignDisplay(const ForeignDisplay&) = delete;
  ForeignDisplay& operator=(const ForeignDisplay&) = delete;
  ~ForeignDisplay() override { driver.destroy(object); }

  void Update(HDC hDC) override { driver.update(object, hDC); }
  bool ConsumeKeyBuffered(DWORD key) override {
    return driver.consumeKeyBuffered(object, key) != 0;
  }
  bool ConsumeButton(int bt, int event) override {
    return driver.consumeButton(object, bt, event) != 0;
  }
  // The host's signature hands out char*; nothing writes through it.
  char* ButtonLabel(int bt) override { return const_cast<char*>(driver.buttonLabel(object, bt)); }
  // The rows as the front read them, in this host's own records.
  int ButtonMenu(const MFDBUTTONMENU** menu) const override {
    BridgeMenuRow rows[maxRows];
    const int count = driver.buttonMenu(object, rows, maxRows);
    const int kept = count < maxRows ? count : maxRows;
    for (int i = 0; i < kept; ++i) menuRows[i] = {rows[i].line1, rows[i].line2, rows[i].key};
    if (menu != nullptr) *menu = menuRows;
    return kept;
  }

 private:
  static constexpr int maxRows = 32;
  const DisplayDriver& driver;
  void* object;
  mutable MFDBUTTONMENU menuRows[maxRows] = {};
};

}  // namespace host
