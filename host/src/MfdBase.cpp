// The host's display base class and its default behaviour.
#include "HostMfd.h"
#include "host/PageRecorder.h"

MFD::MFD(std::uint32_t w, std::uint32_t h, VESSEL* vessel) : W(w), H(h), pV(vessel) {}
MFD::~MFD() = default;

bool MFD::ConsumeKeyBuffered(std::uint32_t /*key*/) {
  return false;
}
bool MFD::ConsumeKeyImmediate(char* /*keystate*/) {
  return false;
}
bool MFD::ConsumeButton(int /*button*/, int /*event*/) {
  return false;
}
const char* MFD::ButtonLabel(int /*button*/) {
  return nullptr;
}
int MFD::ButtonMenu(const MFDBUTTONMENU** /*menu*/) const {
  return 0;
}
void MFD::ReadStatus(void* /*scenario*/) {}
void MFD::WriteStatus(void* /*scenario*/) const {}
void MFD::StoreStatus() const {}
void MFD::RecallStatus() {}

void MFD::Title(HDC hdc, const char* title) const {
  host::RecordTitle(hdc, title);
}
