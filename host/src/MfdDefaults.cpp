// The display base class's construction and its default behaviour, the same
// for the host's own ABI and for the stand-in of the real host's
// (host/msvc), which both compile this file.
#include "plugin/HostMfd.h"

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
void MFD::WriteStatus(FileHandle /*scn*/) const {}
void MFD::ReadStatus(FileHandle /*scn*/) {}
void MFD::StoreStatus() const {}
void MFD::RecallStatus() {}
