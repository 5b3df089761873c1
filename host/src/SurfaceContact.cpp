#include "SurfaceContact.h"

#include <limits>

namespace host {

namespace {

// The cubic Hermite curve r(s), s from 0 to 1, through (r0, w0) and (r1, w1)
// over h seconds: a vessel's place against a body during a substep.
struct Cubic {
  double h;
  VECTOR3 r0, c1, c2, c3;  // r0 + s c1 + s² c2 + s³ c3

  Cubic(const VECTOR3& r0, const VECTOR3& w0, const VECTOR3& r1, const VECTOR3& w1, double h)
      : h(h), r0(r0), c1(h * w0) {
    const VECTOR3 rise = r1 - r0;
    c2 = 3 * rise - h * (2 * w0 + w1);
    c3 = h * (w0 + w1) - 2 * rise;
  }
  VECTOR3 At(double s) const { return r0 + s * (c1 + s * (c2 + s * c3)); }
  VECTOR3 Rate(double s) const { return (1 / h) * (c1 + s * (2 * c2 + (3 * s) * c3)); }
  // No point of the curve lies further than this from its start.
  double Reach() const { return Length(c1) + Length(c2) + Length(c3); }
};

constexpr int samples = 16;
constexpr int refinements = 60;  // halvings: far below any step's resolution

Contact ContactAt(std::size_t body, double radius, double time, const VECTOR3& r,
                  const VECTOR3& w) {
  const double length = Length(r);
  const VECTOR3 up = length > 0 ? (1 / length) * r : MakeVector(0, 0, 1);
  return Contact{body, time, radius * up, Length(w)};
}

// The first s in (0, 1] where the curve is within `radius` of the centre;
// it starts outside.
std::optional<double> FirstEntry(const Cubic& path, double radius) {
  const auto depth = [&](double s) {  // negative inside
    const VECTOR3 p = path.At(s);
    return Dot(p, p) - radius * radius;
  };
  // From a point outside (lo) to one inside (hi), to the surface.
  const auto entry = [&](double lo, double hi) {
    for (int i = 0; i < refinements; ++i) {
      const double mid = 0.5 * (lo + hi);
      (depth(mid) <= 0 ? hi : lo) = mid;
    }
    return hi;
  };
  double closest = 0, closestDepth = std::numeric_limits<double>::infinity();
  for (int k = 1; k <= samples; ++k) {
    const double s = static_cast<double>(k) / samples;
    const double d = depth(s);
    if (d <= 0) return entry(s - 1.0 / samples, s);
    if (d < closestDepth) {
      closestDepth = d;
      closest = s;
    }
  }
  // No sample inside; a pass between samples dips deepest near the closest
  // one. Find the least distance around it.
  double lo = closest - 1.0 / samples, hi = std::min(closest + 1.0 / samples, 1.0);
  const double outside = lo;
  for (int i = 0; i < refinements; ++i) {
    const double a = lo + (hi - lo) / 3, b = hi - (hi - lo) / 3;
    if (depth(a) < depth(b))
      hi = b;
    else
      lo = a;
  }
  const double deepest = 0.5 * (lo + hi);
  if (depth(deepest) <= 0) return entry(outside, deepest);
  return std::nullopt;
}

}  // namespace

std::optional<Contact> ContactInside(const std::vector<BodyTrack>& tracks, double t,
                                     const VECTOR3& pos, const VECTOR3& vel) {
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    const PathPiece& piece = tracks[i].PieceAt(t);
    const VECTOR3 d = pos - piece.Position(t);
    if (Dot(d, d) < tracks[i].radius * tracks[i].radius)
      return ContactAt(i, tracks[i].radius, t, d, vel - piece.Velocity(t));
  }
  return std::nullopt;
}

std::optional<Contact> FirstContact(const std::vector<BodyTrack>& tracks, std::size_t primary,
                                    const RelativeState& a, const RelativeState& b) {
  const PathPiece& pa = tracks[primary].PieceAt(a.t);
  const VECTOR3 primaryPosA = pa.Position(a.t), primaryVelA = pa.Velocity(a.t);
  const PathPiece& pb = tracks[primary].PieceAt(b.t);
  const VECTOR3 primaryPosB = pb.Position(b.t), primaryVelB = pb.Velocity(b.t);
  const double h = b.t - a.t;
  std::optional<Contact> first;
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    const double radius = tracks[i].radius;
    if (radius <= 0) continue;
    // The body's place against the primary at both ends; none for the primary.
    VECTOR3 offsetA{}, rateA{}, offsetB{}, rateB{};
    if (i != primary) {
      const PathPiece& ba = tracks[i].PieceAt(a.t);
      offsetA = ba.Position(a.t) - primaryPosA;
      rateA = ba.Velocity(a.t) - primaryVelA;
      const PathPiece& bb = tracks[i].PieceAt(b.t);
      offsetB = bb.Position(b.t) - primaryPosB;
      rateB = bb.Velocity(b.t) - primaryVelB;
    }
    const Cubic path(a.x - offsetA, a.v - rateA, b.x - offsetB, b.v - rateB, h);
    if (Length(path.r0) - path.Reach() > radius) continue;  // cannot come near
    const std::optional<double> s = FirstEntry(path, radius);
    if (!s) continue;
    const double time = a.t + *s * h;
    if (!first || time < first->time)
      first = ContactAt(i, radius, time, path.At(*s), path.Rate(*s));
  }
  return first;
}

}  // namespace host
