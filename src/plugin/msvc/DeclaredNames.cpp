// Calls every host service and member that the module's headers declare, in
// a function that never runs. Built for the real host's ABI, the object's
// undefined names are the names those declarations produce: the 64-bit
// host's import list is made from them, and host_declarations_test holds
// them against the host's.
#include "plugin/HostApi.h"

namespace {

// Its construction, destruction and table reach every member of the base.
class ProbeDisplay : public MFD {
 public:
  using MFD::MFD;
  void Update(HDC hDC) override { Title(hDC, ""); }
};

}  // namespace

void ProbeHostDeclarations(MFDMODESPEC& spec, VESSEL& vessel) {
  VECTOR3 v{};
  oapiRegisterMFDMode(spec);
  oapiUnregisterMFDMode(0);
  oapiOpenInputBox(nullptr, nullptr);
  oapiGetObjectByName(nullptr);
  oapiGetObjectName(nullptr, nullptr, 0);
  oapiGetFocusRelativePos(nullptr, &v);
  oapiGetFocusRelativeVel(nullptr, &v);
  oapiGetSize(nullptr);
  oapiGetMass(nullptr);
  oapiGetGlobalPos(nullptr, &v);
  oapiGetGlobalVel(nullptr, &v);
  oapiGetGbodyCount();
  oapiGetGbodyByIndex(0);
  oapiGetFocusObject();
  oapiGetFocusInterface();
  oapiGetVesselInterface(nullptr);
  oapiIsVessel(nullptr);
  oapiCreateVesselEx("", "", nullptr);
  oapiDeleteVessel(nullptr);

  vessel.GetHandle();
  vessel.GetGlobalPos(v);
  vessel.GlobalRot(v, v);
  vessel.CreateAttachment(false, v, v, v, "");
  vessel.AttachmentCount(false);
  vessel.GetAttachmentHandle(false, 0);
  vessel.GetAttachmentId(nullptr);
  vessel.AttachChild(nullptr, nullptr, nullptr);
  vessel.DetachChild(nullptr);

  ProbeDisplay display(0, 0, &vessel);
  display.Update(nullptr);
}
