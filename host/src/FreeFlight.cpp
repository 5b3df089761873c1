// The vessel is flown relative to the body that pulls it hardest (its
// primary), along the primary's own path: near a planet, heliocentric
// coordinates would spend most of a double's digits on the planet's distance
// from the Sun. The integrator is Boost.Odeint's Runge-Kutta-Fehlberg 7(8)
// with step size control: high order pays at long time steps, where a low
// orbit takes some 80 substeps, and a single substep is cheap at short ones.
#include "FreeFlight.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

// Odeint copies a stepper whose scratch arrays are not yet written, which
// gcc takes for a use of uninitialised values.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <boost/numeric/odeint/stepper/controlled_runge_kutta.hpp>
#include <boost/numeric/odeint/stepper/runge_kutta_fehlberg78.hpp>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

#include "SurfaceContact.h"

namespace host {

namespace {

namespace odeint = boost::numeric::odeint;

// The pull of a body (GM, radius) at a point `d` from its centre towards the
// point: inverse square outside; inside, a uniform sphere's, which falls to
// zero at the centre, so that a trial point inside never meets a singularity.
VECTOR3 PullFrom(double gm, double radius, const VECTOR3& d) {
  const double r2 = Dot(d, d);
  if (r2 >= radius * radius && r2 > 0) return (-gm / (r2 * std::sqrt(r2))) * d;
  return radius > 0 ? (-gm / (radius * radius * radius)) * d : VECTOR3{};
}

using State = std::array<double, 6>;  // position, then velocity, against the primary

// A substep's error against the vessel's own scale: its distance from the
// primary, and its speed (at least the circular speed there).
constexpr double tolerance = 1e-13;
// Substeps one time step may try for one vessel. An orbit that needs more
// (a tight one, in a long time step) flies the rest of the step in a fixed
// number of equal substeps without error control, and less accurately.
constexpr int substepTrials = 20000;
constexpr int fallbackSubsteps = 2000;
// The first substep, as a share of the orbit's time scale sqrt(r³/GM);
// the error control sizes the ones after it. A substep carried over from the
// last time step is held to a larger share, in case the vessel has been put
// somewhere tighter since.
constexpr double firstSubstepShare = 0.05;
constexpr double largestCarriedShare = 0.5;

VECTOR3 PositionOf(const State& y) {
  return MakeVector(y[0], y[1], y[2]);
}
VECTOR3 VelocityOf(const State& y) {
  return MakeVector(y[3], y[4], y[5]);
}
bool IsFinite(const State& y) {
  return std::all_of(y.begin(), y.end(), [](double v) { return std::isfinite(v); });
}

// The equations of motion against the primary: the pull of every body at
// the vessel, less the primary's own acceleration along its path. A substep
// keeps to one piece of the primary's path, whose acceleration jumps from
// piece to piece.
struct Motion {
  const std::vector<BodyTrack>* tracks;
  std::size_t primary;
  const PathPiece* path;  // the primary's, for the substep

  void operator()(const State& y, State& rate, double t) const {
    const VECTOR3 origin = path->Position(t);
    const VECTOR3 x = PositionOf(y);
    VECTOR3 acc = -1 * path->Acceleration(t);
    for (std::size_t i = 0; i < tracks->size(); ++i) {
      const BodyTrack& body = (*tracks)[i];
      if (body.gm == 0) continue;
      // From the body to the vessel; the primary's own term without
      // rounding through the global frame.
      const VECTOR3 d = i == primary ? x : x - (body.PieceAt(t).Position(t) - origin);
      acc = acc + PullFrom(body.gm, body.radius, d);
    }
    rate = {y[3], y[4], y[5], acc.x, acc.y, acc.z};
  }
};

class ScaledError {
 public:
  explicit ScaledError(double gm) : gm(gm) {}

  template <class Algebra>
  double error(Algebra& /*algebra*/, const State& old, const State& /*rate*/, State& estimate,
               double /*dt*/) const {
    const double r = Length(PositionOf(old));
    const double speed = std::max(Length(VelocityOf(old)), std::sqrt(gm / r));
    const double e =
        std::max(Length(PositionOf(estimate)) / r, Length(VelocityOf(estimate)) / speed) /
        tolerance;
    return std::isnan(e) ? std::numeric_limits<double>::infinity() : e;
  }

 private:
  double gm;
};

// x^(-1/8) from square roots alone: they round alike on every system, so
// that the substeps, and the states printed, are the same everywhere.
double InverseEighthRoot(double x) {
  return 1 / std::sqrt(std::sqrt(std::sqrt(x)));
}

// Odeint's usual step control (0.9 times the error's root, the step shrunk
// at most to a fifth and grown at most fivefold), with the eighth root for
// both directions.
struct StepControl {
  using time_type = double;
  using value_type = double;

  double decrease_step(double dt, double error, int /*order*/) const {
    return dt * std::max(0.9 * InverseEighthRoot(error), 0.2);
  }
  double increase_step(double dt, double error, int /*order*/) const {
    constexpr double leastError = 1.0 / 390625;  // 5^-8: at most fivefold
    if (error >= 0.5) return dt;
    return dt * 0.9 * InverseEighthRoot(std::max(error, leastError));
  }
  bool check_step_size_limit(double /*dt*/) const { return true; }
  double get_max_dt() const { return 0; }
};

using Stepper =
    odeint::controlled_runge_kutta<odeint::runge_kutta_fehlberg78<State>, ScaledError, StepControl>;

// The body whose pull on a point is strongest; tracks.size() when none pulls.
std::size_t HardestPull(const std::vector<BodyTrack>& tracks, const VECTOR3& pos, double t) {
  std::size_t best = tracks.size();
  double strongest = 0;
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    const VECTOR3 d = pos - tracks[i].PieceAt(t).Position(t);
    const double r2 = std::max(Dot(d, d), tracks[i].radius * tracks[i].radius);
    const double pull = tracks[i].gm / r2;
    if (pull > strongest) {
      strongest = pull;
      best = i;
    }
  }
  return best;
}

Flight Touched(const Contact& contact, bool rough) {
  Flight flight;
  flight.outcome = Flight::Outcome::Touched;
  flight.body = contact.body;
  flight.contactAt = contact.at;
  flight.impactSpeed = contact.speed;
  flight.rough = rough;
  return flight;
}

bool Same(const VECTOR3& a, const VECTOR3& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z;
}

// Where the flight starts, against the primary: the state the last step
// left when the vessel has not been moved since (so that no rounding
// through the global frame creeps in from step to step), else the vessel's
// own; and the first substep's length.
struct Start {
  State y;
  double substep;
};

Start StartAgainst(const BodyTrack& track, const VECTOR3& pos, const VECTOR3& vel, double t0,
                   double t1, const FlightMemory& memory) {
  const PathPiece& piece = track.PieceAt(t0);
  const VECTOR3 primaryPos = piece.Position(t0);
  VECTOR3 x = memory.x, v = memory.v;
  if (track.body != memory.primary || !Same(primaryPos, memory.primaryPos) ||
      !Same(pos, memory.pos) || !Same(vel, memory.vel)) {
    x = pos - primaryPos;
    v = vel - piece.Velocity(t0);
  }
  const double r = Length(x);
  const double timeScale = std::sqrt(r * r * r / track.gm);
  double substep = memory.substep > 0 ? std::min(memory.substep, largestCarriedShare * timeScale)
                                      : firstSubstepShare * timeScale;
  if (!(substep > 0)) substep = t1 - t0;
  return {State{x.x, x.y, x.z, v.x, v.y, v.z}, substep};
}

// The integration under way: the equations, the stepper and the length its
// error control asks of the next substep. After too many trials the rest
// of the step is flown in equal substeps of `fixedLength`, unchecked.
struct Integration {
  Motion motion;
  Stepper stepper;
  double substep;
  double fixedLength = 0;
};

// One substep from (t, y), to the end of the primary's path piece or to t1
// at the most. The time reached, with the state there in `next`; nothing
// when the error control refused it, with a shorter substep to try next.
std::optional<double> TrySubstep(Integration& integration, const BodyTrack& track, const State& y,
                                 double t, double t1, State& next) {
  // Substeps end where the primary's path goes on to its next piece.
  const PathPiece& piece = track.PieceFrom(t);
  const double limit = std::min(t1, piece.end);
  integration.motion.path = &piece;
  const double wanted = std::max(integration.substep, integration.fixedLength);
  const bool toLimit = wanted >= limit - t;
  double length = toLimit ? limit - t : wanted;
  if (integration.fixedLength > 0) {
    integration.stepper.stepper().do_step(integration.motion, y, t, next, length);
  } else {
    double proposed = length, clock = t;
    if (integration.stepper.try_step(integration.motion, y, clock, next, proposed) !=
        odeint::success) {
      integration.substep = proposed;
      return std::nullopt;
    }
    integration.substep = toLimit ? std::max(integration.substep, proposed) : proposed;
  }
  // Ends meet exactly; a step below the clock's resolution ends the piece.
  return length >= limit - t || t + length <= t ? limit : t + length;
}

}  // namespace

Flight Drift(const VECTOR3& pos, const VECTOR3& vel, double dt) {
  Flight flight;
  flight.pos = pos + dt * vel;
  flight.vel = vel;
  if (!host::IsFinite(flight.pos)) flight.outcome = Flight::Outcome::NotFinite;
  return flight;
}

Flight FlyFree(const std::vector<BodyTrack>& tracks, const VECTOR3& pos, const VECTOR3& vel,
               double t0, double t1, FlightMemory& memory) {
  Flight flight;
  flight.pos = pos;
  flight.vel = vel;
  if (t1 <= t0) return flight;
  // A vessel too fast for the step would creep up to the largest double in
  // ever shorter substeps rather than overflow; the straight line tells.
  const Flight drift = Drift(pos, vel, t1 - t0);
  if (drift.outcome == Flight::Outcome::NotFinite) return drift;
  if (const std::optional<Contact> inside = ContactInside(tracks, t0, pos, vel))
    return Touched(*inside, false);
  const std::size_t primary = HardestPull(tracks, pos, t0);
  if (primary == tracks.size()) return drift;  // nothing pulls
  const BodyTrack& track = tracks[primary];
  const Start start = StartAgainst(track, pos, vel, t0, t1, memory);
  State y = start.y;
  Integration integration{Motion{&tracks, primary, nullptr},
                          Stepper{ScaledError(track.gm), StepControl()}, start.substep};

  double t = t0;
  for (int trials = 0; t < t1; ++trials) {
    if (trials == substepTrials) {
      integration.fixedLength = (t1 - t) / fallbackSubsteps;
      flight.rough = true;
    }
    State next;
    const std::optional<double> reached = TrySubstep(integration, track, y, t, t1, next);
    if (!reached) continue;
    if (!IsFinite(next)) {
      flight.outcome = Flight::Outcome::NotFinite;
      return flight;
    }
    const RelativeState from{t, PositionOf(y), VelocityOf(y)};
    const RelativeState to{*reached, PositionOf(next), VelocityOf(next)};
    if (const std::optional<Contact> contact = FirstContact(tracks, primary, from, to))
      return Touched(*contact, flight.rough);
    y = next;
    t = *reached;
  }
  const PathPiece& end = track.PieceAt(t1);
  const VECTOR3 primaryEnd = end.Position(t1);
  flight.pos = primaryEnd + PositionOf(y);
  flight.vel = end.Velocity(t1) + VelocityOf(y);
  if (!host::IsFinite(flight.pos) || !host::IsFinite(flight.vel)) {
    flight.outcome = Flight::Outcome::NotFinite;
    return flight;
  }
  memory = FlightMemory{integration.substep, track.body, PositionOf(y), VelocityOf(y),
                        flight.pos,          flight.vel, primaryEnd};
  return flight;
}

}  // namespace host
