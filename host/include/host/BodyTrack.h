// A celestial body over one time step of the world: the pieces of its path
// that cover the step, with what its gravity and its surface need.
#pragma once

#include <cstddef>
#include <vector>

#include "BodyPath.h"

namespace host {

struct BodyTrack {
  ObjectHandle body = nullptr;
  double gm = 0;                  // m³/s²
  double radius = 0;              // m
  std::vector<PathPiece> pieces;  // in time order; together they cover the step

  void Clear() {
    pieces.clear();
    at = 0;
  }

  // The piece at time t: the first or last one outside the step. Searching
  // on from the last piece used is cheap, as the integrator's times move
  // forward within a piece almost always.
  const PathPiece& PieceAt(double t) const {
    while (at + 1 < pieces.size() && t > pieces[at].end) ++at;
    while (at > 0 && t < pieces[at].start) --at;
    return pieces[at];
  }
  // The piece that goes on from time t: at a joint, the later one.
  const PathPiece& PieceFrom(double t) const {
    for (const PathPiece& piece : pieces) {
      if (piece.end > t) return piece;
    }
    return pieces.back();
  }

 private:
  mutable std::size_t at = 0;
};

}  // namespace host
