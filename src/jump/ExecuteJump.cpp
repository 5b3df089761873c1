// The confirmed jump: the ship is handed to a carrier vessel created at the
// destination, which lets it go a few time steps later.
#include "jump/ExecuteJump.h"

#include <math.h>
#include <string.h>

#include "display/JauntMFD.h"
#include "jump/CarrierRelease.h"
#include "jump/JumpRandom.h"
#include "jump/Scatter.h"
#include "planning/Vector.h"

namespace {

constexpr const char* carrierClass = "jauntdummy";
constexpr const char* pointId = "DUMMY";

// Whether the record made from the destination stays finite on every axis,
// however a scatter of up to `reach` falls, relative to body 0's state.
bool WithinReach(const VECTOR3& pos, const VECTOR3& vel, double reach, const VECTOR3& bodyPos,
                 const VECTOR3& bodyVel) {
  for (int i = 0; i < 3; ++i) {
    if (!isfinite(fabs(pos.data[i]) + reach + fabs(bodyPos.data[i])) ||
        !isfinite(fabs(vel.data[i]) + fabs(bodyVel.data[i])))
      return false;
  }
  return true;
}

// The ship's child-side "DUMMY" point, created on its first jump.
AttachmentHandle ShipPoint(VESSEL& ship) {
  const DWORD n = ship.AttachmentCount(true);
  for (DWORD i = 0; i < n; ++i) {
    const AttachmentHandle point = ship.GetAttachmentHandle(true, i);
    const char* id = ship.GetAttachmentId(point);
    if (id != nullptr && strcmp(id, pointId) == 0) return point;
  }
  return ship.CreateAttachment(true, MakeVector(0, 0, 0), MakeVector(0, 0, 1), MakeVector(0, 1, 0),
                               pointId, true);
}

}  // namespace

bool JauntMFD::ExecuteJump() {
  // One carrier at a time: a second one would be forgotten and stay.
  if (ReleasePending()) return false;
  if (!SolveDestination()) return false;

  const bool safe = JumpSafe(failureChance);
  const double scale = ScatterScale(jumpLength, failureChance);
  // The record's state is relative to celestial body 0, wherever it is.
  const ObjectHandle body = oapiGetGbodyCount() > 0 ? oapiGetGbodyByIndex(0) : nullptr;
  VECTOR3 bodyPos = MakeVector(0, 0, 0), bodyVel = MakeVector(0, 0, 0);
  if (body != nullptr) {
    oapiGetGlobalPos(body, &bodyPos);
    oapiGetGlobalVel(body, &bodyVel);
  }
  // The host must never be handed a state it cannot hold: a destination
  // that the scatter could carry past the largest number is refused like
  // one that cannot be solved.
  if (!WithinReach(destPos, destVel, ScatterReach(scale), bodyPos, bodyVel)) return false;

  // Seeded anew at every jump, from the calendar time. The first draw after
  // seeding follows the seed too closely (it changes only slowly from one
  // second to the next), so it is thrown away, safe jump or not.
  jumpRandom.seed(static_cast<unsigned>(jumpRandom.now()));
  jumpRandom.draw();
  if (!safe) {
    const int r1 = jumpRandom.draw();
    const int r2 = jumpRandom.draw();
    const int r3 = jumpRandom.draw();
    destPos.z += ScatterOffset(r1, scale);
    destPos.y += ScatterOffset(r2, scale);
    destPos.x += ScatterOffset(r3, scale);
  }

  VesselStateRecord record{};
  record.version = 2;
  record.rbody = body;
  record.rpos = jaunt::Sub(destPos, bodyPos);
  record.rvel = jaunt::Sub(destVel, bodyVel);
  carrier = oapiCreateVesselEx(carrierName, carrierClass, &record);
  carrierVessel = carrier != nullptr ? oapiGetVesselInterface(carrier) : nullptr;
  if (carrierVessel == nullptr) {  // nothing to hold the ship: no jump
    if (carrier != nullptr) oapiDeleteVessel(carrier, nullptr);
    carrier = nullptr;
    return false;
  }
  lastJumpSafe = safe;

  carrierAttachment = carrierVessel->CreateAttachment(
      false, MakeVector(0, 0, 0), MakeVector(0, 0, -1), MakeVector(0, 1, 0), pointId, true);
  const AttachmentHandle shipAttachment = ShipPoint(*ship);
  const bool attached =
      carrierVessel->AttachChild(oapiGetFocusObject(), carrierAttachment, shipAttachment);
  estimateValid = false;
  releasePending = true;
  StartRelease(*this);
  return attached;
}

bool OnConfirmEntered(void* /*id*/, char* text, void* userData) {
  if (strcmp(text, "y") == 0 || strcmp(text, "Y") == 0) {
    if (JauntMFD* display = DisplayFromToken(userData)) display->ExecuteJump();
  }
  return true;
}
