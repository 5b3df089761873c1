// The display base class under the real host's ABI: its construction, its
// default virtual functions, which the modules' vtables take, and its title.
#include "WorldBridge.h"

MFD::MFD(DWORD w, DWORD h, VESSEL* vessel) : W(w), H(h), cw(0), ch(0), pV(vessel), instr(nullptr) {}
MFD::~MFD() = default;

bool MFD::ConsumeKeyBuffered(DWORD /*key*/) {
  return false;
}
bool MFD::ConsumeKeyImmediate(char* /*kstate*/) {
  return false;
}
bool MFD::ConsumeButton(int /*bt*/, int /*event*/) {
  return false;
}
char* MFD::ButtonLabel(int /*bt*/) {
  return nullptr;
}
int MFD::ButtonMenu(const MFDBUTTONMENU** /*menu*/) const {
  return 0;
}
void MFD::WriteStatus(FILEHANDLE /*scn*/) const {}
void MFD::ReadStatus(FILEHANDLE /*scn*/) {}
void MFD::StoreStatus() const {}
void MFD::RecallStatus() {}

void MFD::Title(HDC hDC, const char* title) const {
  world->title(hDC, title);
}
