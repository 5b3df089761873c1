// One time step of the world: the bodies along their paths, free vessels
// flown among them, resting and attached vessels carried along.
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "FreeFlight.h"
#include "host/Diagnostics.h"
#include "host/Formatted.h"
#include "host/World.h"

namespace host {

namespace {

// The fastest touchdown on a surface that counts as a landing rather than a
// crash, against the body: about what landing legs take.
constexpr double landingSpeed = 3.0;  // m/s

}  // namespace

void World::SetEpoch(double mjd) {
  epochMjd = mjd;
  time = 0;
  for (ObjectHandle handle : bodies) PutOnRails(*Find(handle));
}

void World::PutOnRails(Object& body) {
  if (!body.ephemeris) return;
  if (!body.ephemeris.Covers(Date())) {  // no piece yet: the first step asks afresh
    body.path = PathPiece{};
    body.path.end = -std::numeric_limits<double>::infinity();
    return;
  }
  body.path = PieceOnRails(body, time);
  body.pos = body.path.Position(time);
  body.vel = body.path.Velocity(time);
}

double World::Date() const {
  return DateAt(time);
}

double World::DateAt(double t) const {
  return epochMjd + t / secondsPerDay;
}

PathPiece World::PieceOnRails(const Object& body, double t) const {
  return body.ephemeris.PieceAround(DateAt(t), epochMjd);
}

bool World::StepAllowed(double t0, double t1) {
  std::string refusal;
  const double mjd = DateAt(t1);
  for (ObjectHandle handle : bodies) {
    const Object& body = *Find(handle);
    if (body.ephemeris && !body.ephemeris.Covers(mjd)) {
      refusal = "MJD " + Formatted("%.5f", mjd) + " is outside the dates of the ephemeris (MJD " +
                Formatted("%.1f", body.ephemeris.firstMjd) + " to " +
                Formatted("%.1f", body.ephemeris.lastMjd) + ")";
      break;
    }
    if (!body.ephemeris && !IsFinite(body.pos + (t1 - t0) * body.vel)) {
      refusal = body.name + " would move beyond any finite place";
      break;
    }
  }
  if (!std::isfinite(t1)) refusal = "the clock would not be finite";
  if (refusal.empty()) {
    stepRefusalReported = false;
    return true;
  }
  if (!stepRefusalReported) Report("time step refused: " + refusal);
  stepRefusalReported = true;
  return false;
}

void World::TrackBodies(double t0, double t1) {
  tracks.resize(bodies.size());
  for (std::size_t i = 0; i < bodies.size(); ++i) {
    Object& body = *Find(bodies[i]);
    BodyTrack& track = tracks[i];
    track.Clear();
    track.body = body.handle;
    track.gm = worldG * body.mass;
    track.radius = body.size;
    if (!body.ephemeris) {
      track.pieces.push_back(PathPiece::Uniform(t0, body.pos, body.vel));
      continue;
    }
    PathPiece piece = body.path;
    if (!(piece.start <= t0 && t0 <= piece.end)) piece = PieceOnRails(body, t0);
    track.pieces.push_back(piece);
    // The pieces that follow, up to the end of the step; each begins where
    // the last one ended (asked for at its middle, clear of rounding).
    while (piece.end < t1) {
      const PathPiece next = PieceOnRails(body, piece.end + 0.5 * (piece.end - piece.start));
      if (!(next.end > piece.end)) break;  // rails that do not go on
      piece = next;
      track.pieces.push_back(piece);
    }
    body.path = piece;
  }
}

void World::FlyFreeVessel(Object& vessel, double t0, double t1) {
  const Flight flight = gravity ? FlyFree(tracks, vessel.pos, vessel.vel, t0, t1, vessel.flight)
                                : Drift(vessel.pos, vessel.vel, t1 - t0);
  if (flight.outcome == Flight::Outcome::NotFinite) {
    if (!vessel.refusalReported)
      Report("time step refused for " + vessel.name +
             ": its state would not be finite; it stays as it was");
    vessel.refusalReported = true;
    return;
  }
  vessel.refusalReported = false;
  if (flight.rough && !vessel.roughnessReported)
    Report(vessel.name + ": its orbit needs more substeps than a time step of " +
           Formatted("%g s", t1 - t0) + " allows; it moves with less accuracy");
  vessel.roughnessReported = flight.rough;
  if (flight.outcome == Flight::Outcome::Flown) {
    vessel.pos = flight.pos;
    vessel.vel = flight.vel;
    return;
  }
  const Object& body = *Find(bodies[flight.body]);
  vessel.restingOn = body.handle;
  vessel.restingAt = flight.contactAt;
  vessel.crashed = flight.impactSpeed > landingSpeed;
  vessel.flight = FlightMemory{};
  Report(vessel.name + (vessel.crashed ? " crashed on " : " landed on ") + body.name + " at " +
         Formatted("%.1f m/s", flight.impactSpeed));
}

bool World::Advance(double dt) {
  const double t0 = time, t1 = time + dt;
  if (!StepAllowed(t0, t1)) return false;
  TrackBodies(t0, t1);
  for (ObjectHandle handle : vessels) {
    Object& vessel = *Find(handle);
    if (vessel.parent == nullptr && vessel.restingOn == nullptr) FlyFreeVessel(vessel, t0, t1);
  }
  for (std::size_t i = 0; i < bodies.size(); ++i) {
    Object& body = *Find(bodies[i]);
    const PathPiece& piece = tracks[i].PieceAt(t1);
    body.pos = piece.Position(t1);
    body.vel = piece.Velocity(t1);
  }
  for (ObjectHandle handle : vessels) {
    Object& vessel = *Find(handle);
    if (const Object* body = Find(vessel.restingOn)) {
      vessel.pos = body->pos + vessel.restingAt;
      vessel.vel = body->vel;
    }
  }
  FollowParents();
  time = t1;
  return true;
}

}  // namespace host
