// What must hold whatever a pilot or the host does. A breach prints what
// broke and aborts, so that the fuzzer keeps the input that did it.
#pragma once

#include <string>

namespace fuzz {

// Reports the breach and aborts.
[[noreturn]] void Breach(const std::string& what);

// After every action: every open display's page fits its lines (at most 99
// characters), its distance setting is finite and not negative, its failure
// chance lies in [0, 1]; every vessel's position and velocity are finite; the
// module never handed the host a handle of a removed object; and no carrier
// has outlived the third time step after its jump.
void CheckAfterAction();

// Counts a host time step for the carrier age check.
void NoteStep();

// At the end of an input, after three more time steps: no carrier is left
// and no vessel hangs on one.
void CheckReleased();

// Ends an input: three more time steps, each checked, then CheckReleased.
void SettleAndCheck();

// Forgets the carriers seen, before a new input.
void ResetChecks();

}  // namespace fuzz
