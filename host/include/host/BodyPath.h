// A celestial body's path: on rails, cubic Hermite pieces between the nodes
// of its ephemeris; otherwise a straight line at its constant velocity.
#pragma once

#include <functional>
#include <limits>

#include "Vector.h"

namespace host {

inline constexpr double secondsPerDay = 86400.0;
inline constexpr double j2000Mjd = 51544.5;  // 2000-01-01 12:00, the ephemeris's epoch

// A body's state at a date (MJD) on its ephemeris.
struct PathNode {
  double mjd = 0;
  VECTOR3 pos{}, vel{};
};

// One stretch of a body's path, in seconds after the world's epoch: a cubic
// in the time since its start, so that position, velocity and acceleration
// come from the same coefficients and agree with each other exactly.
struct PathPiece {
  double start = 0;
  double end = std::numeric_limits<double>::infinity();
  VECTOR3 pos{}, vel{}, c2{}, c3{};  // pos + u vel + u² c2 + u³ c3, u = t - start

  VECTOR3 Position(double t) const {
    const double u = t - start;
    return pos + u * (vel + u * (c2 + u * c3));
  }
  VECTOR3 Velocity(double t) const {
    const double u = t - start;
    return vel + u * (2 * c2 + (3 * u) * c3);
  }
  VECTOR3 Acceleration(double t) const { return 2 * c2 + (6 * (t - start)) * c3; }

  // Uniform motion from `start` on, without end.
  static PathPiece Uniform(double start, const VECTOR3& pos, const VECTOR3& vel) {
    PathPiece piece;
    piece.start = start;
    piece.pos = pos;
    piece.vel = vel;
    return piece;
  }

  // The Hermite curve between two nodes, for a world whose time 0 is the
  // date `epochMjd`.
  static PathPiece Between(const PathNode& a, const PathNode& b, double epochMjd) {
    const double h = (b.mjd - a.mjd) * secondsPerDay;
    const VECTOR3 rise = b.pos - a.pos;
    PathPiece piece;
    piece.start = (a.mjd - epochMjd) * secondsPerDay;
    piece.end = (b.mjd - epochMjd) * secondsPerDay;
    piece.pos = a.pos;
    piece.vel = a.vel;
    piece.c2 = (1 / (h * h)) * (3 * rise - h * (2 * a.vel + b.vel));
    piece.c3 = (1 / (h * h * h)) * (h * (a.vel + b.vel) - 2 * rise);
    return piece;
  }
};

// A body on rails. For a date within [firstMjd, lastMjd] the ephemeris gives
// the nodes before and after it; between them the body follows the cubic
// Hermite curve through both nodes' positions and velocities.
struct Ephemeris {
  double firstMjd = 0, lastMjd = 0;
  std::function<void(double mjd, PathNode& before, PathNode& after)> nodesAround;

  explicit operator bool() const { return static_cast<bool>(nodesAround); }
  bool Covers(double mjd) const { return mjd >= firstMjd && mjd <= lastMjd; }
  // The piece of the path around `mjd`, for a world whose time 0 is the
  // date `epochMjd`.
  PathPiece PieceAround(double mjd, double epochMjd) const {
    PathNode before, after;
    nodesAround(mjd, before, after);
    return PathPiece::Between(before, after, epochMjd);
  }
};

}  // namespace host
