// How far a bad jump lands from its destination, on plain values: the jump
// is safe up to a failure chance of one half; above it each axis of the
// destination moves by a random share of a scale that grows as the chance
// comes down towards one half. A plan of the jump uses the same rules to
// show where the ship can land.
#pragma once

// A chance of exactly one half still counts as safe.
bool JumpSafe(double failureChance);

// The scatter's scale for a jump of `jumpLength` metres: 0 for a safe jump;
// for an unsafe one negative, of size 2 × jumpLength at certain failure.
double ScatterScale(double jumpLength, double failureChance);

// How far one axis moves for a draw of 0 to 32767: from +scale/2 (draw 0)
// to −scale/2 (draw 32767).
double ScatterOffset(int draw, double scale);

// The farthest any axis can move: half the scale's size.
double ScatterReach(double scale);
