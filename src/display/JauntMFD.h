// The "Jaunt" display: one object per open display of the mode, holding the
// jump planner's settings and everything it computed.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "../plugin/HostApi.h"

// Passed as a target name, it means: no target.
extern const char noTargetName[];

class JauntMFD : public MFD {
 public:
  JauntMFD(DWORD w, DWORD h, VESSEL* vessel);
  JauntMFD(const JauntMFD&) = delete;
  JauntMFD& operator=(const JauntMFD&) = delete;
  ~JauntMFD() override;

  // The display's own allocation: it never throws, so that creating a
  // display that cannot be allocated yields null; the host's delete comes
  // back here.
  static void* operator new(size_t size) noexcept;
  static void operator delete(void* memory) noexcept;

  // The host's redraw is the page.
  void Update(HDC hDC) override { DrawPage(hDC); }
  void DrawPage(HDC hdc);
  bool ConsumeKeyBuffered(DWORD key) override;
  bool ConsumeButton(int button, int event) override;
  char* ButtonLabel(int button) override;
  int ButtonMenu(const MFDBUTTONMENU** entries) const override;

  // Resolves `name` (empty: no target) and refreshes the target data; with
  // `estimate` also solves the destination and renews failureChance. False
  // only when a non-empty name is unknown to the host.
  bool UpdateTarget(const char* name, bool estimate);
  // Destination state from the settings, the target data and the focus
  // vessel; false without a focus vessel or when the target cannot be
  // approached to the set distance.
  bool SolveDestination();
  // The name that plans with the present choice: the target's, or none.
  const char* SelectedTargetName() const { return target != nullptr ? targetName : noTargetName; }
  // Makes the confirmed jump; false when nothing was done.
  bool ExecuteJump();

  // The user data this display hands to its input boxes: a token that stays
  // recognisable as stale once the display is gone.
  void* InputToken() const;

  ObjectHandle target;
  char targetName[100];
  VECTOR3 targetRelPos;  // focus vessel's global position minus the target's
  VECTOR3 targetRelVel;
  double targetRadius;
  double targetDistance;
  double targetSpeed;
  double distanceSetting;  // target: final distance from it; none: distance to travel
  double speedSetting;     // along the ship's axis; relative to the target when set
  VECTOR3 shipPos;
  VECTOR3 shipAxis;
  VECTOR3 destPos;
  VECTOR3 destVel;
  double jumpLength;
  ObjectHandle carrier;
  double failureChance;
  AttachmentHandle carrierAttachment;
  VESSEL* carrierVessel;
  VESSEL* ship;
  bool releasePending;
  bool lastJumpSafe;
  bool estimateValid;

  // Live displays form a list so that input-box answers can be checked
  // against it; `serial` is never reused.
  uint32_t serial;
  JauntMFD* nextLive;
};

// The display constructed last; null again once any display is destroyed.
extern JauntMFD* currentDisplay;

// The live display that handed out `token`, or null when it is gone.
JauntMFD* DisplayFromToken(void* token);
