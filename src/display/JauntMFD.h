// The "Jaunt" display: one object per open display of the mode, holding the
// jump planner's settings and everything it computed.
//
// Its operations live with the subsystem they belong to:
//   display/JauntMFD.cpp        construction, destruction, input tokens
//   display/DrawPage.cpp        DrawPage
//   display/Controls.cpp        ConsumeKeyBuffered, ConsumeButton, ButtonLabel,
//                               ButtonMenu
//   planning/UpdateTarget.cpp   UpdateTarget (with the safety estimate)
//   planning/SolveDestination.cpp  SolveDestination
//   jump/ExecuteJump.cpp        ExecuteJump
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "plugin/HostApi.h"

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
  // `estimate` also refreshes the estimate. False only when a non-empty name
  // is unknown to the host.
  bool UpdateTarget(const char* name, bool estimate);
  // Solves the destination and renews failureChance from the target data;
  // false, with the estimate left as it was, when no destination is solved.
  bool RefreshEstimate();
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

  // The target, as the host last reported it; set by UpdateTarget.
  ObjectHandle target = nullptr;
  char targetName[100] = "None";
  VECTOR3 targetRelPos{};  // focus vessel's global position minus the target's
  VECTOR3 targetRelVel{};
  double targetRadius = 0;
  double targetDistance = 0;
  double targetSpeed = 0;

  // The pilot's settings, from the input prompts.
  double distanceSetting = 1e9;  // target: final distance from it; none: distance to travel
  double speedSetting = 0;       // along the ship's axis; relative to the target when set

  // The destination solution, renewed by SolveDestination.
  VESSEL* ship = nullptr;  // the focus vessel at the last solution
  VECTOR3 shipPos{};
  VECTOR3 shipAxis{};
  VECTOR3 destPos{};  // scattered by an unsafe jump
  VECTOR3 destVel{};
  double jumpLength = 0;

  // The safety estimate, made by RefreshEstimate. No estimate has been made
  // yet: starting from certain failure means a jump confirmed before any
  // estimate is never judged safe, and the question shows 0.0% rather than
  // an unfounded figure.
  double failureChance = 1;
  bool estimateValid = false;  // the page shows the estimate while it is current

  // The last jump. The carrier's release belongs to the module, not to a
  // display (jump/CarrierRelease.cpp keeps its own record of the carrier),
  // so nothing reads the carrier fields or releasePending back: they are
  // kept up to date for the host and for whoever inspects the display.
  bool lastJumpSafe = true;  // false after a jump that went bad: the page warns
  bool releasePending = false;
  ObjectHandle carrier = nullptr;
  VESSEL* carrierVessel = nullptr;
  AttachmentHandle carrierAttachment = nullptr;

 private:
  friend JauntMFD* DisplayFromToken(void* token);

  // Live displays form a list so that input-box answers can be checked
  // against it; `serial` is never reused.
  uint32_t serial;
  JauntMFD* nextLive;
};

// The display constructed last; null again once any display is destroyed.
// Kept as displays come and go, though the release no longer goes by it.
extern JauntMFD* currentDisplay;

// The live display that handed out `token`, or null when it is gone.
JauntMFD* DisplayFromToken(void* token);
