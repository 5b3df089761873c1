#include "world/BuiltInScenario.h"

#include <cmath>
#include <numbers>

#include "host/Vector.h"
#include "host/World.h"

namespace sim {

namespace {

constexpr double degree = std::numbers::pi / 180;
constexpr double obliquityJ2000 = 23.4392911 * degree;  // equator against ecliptic

// Published masses (kg) and mean radii (m); the radius of the Sun is the
// IAU nominal one.
struct Body {
  const char* name;
  const char* ephemeris;
  double mass;
  double radius;
};

constexpr double earthMass = 5.9722e24;
constexpr double earthRadius = 6.3710e6;

constexpr Body bodies[] = {
    {"Sun", "sun", 1.98847e30, 6.957e8},          {"Mercury", "mercury", 3.3011e23, 2.4397e6},
    {"Venus", "venus", 4.8675e24, 6.0518e6},      {"Earth", "earth", earthMass, earthRadius},
    {"Moon", "moon", 7.346e22, 1.7374e6},         {"Mars", "mars", 6.4171e23, 3.3895e6},
    {"Jupiter", "jupiter", 1.89819e27, 6.9911e7}, {"Saturn", "saturn", 5.6834e26, 5.8232e7},
    {"Uranus", "uranus", 8.6813e25, 2.5362e7},    {"Neptune", "neptune", 1.02413e26, 2.4622e7},
};

// From the Earth's equatorial frame to the ecliptic one.
VECTOR3 EclipticOf(const VECTOR3& equatorial) {
  const double c = std::cos(obliquityJ2000), s = std::sin(obliquityJ2000);
  return MakeVector(equatorial.x, c * equatorial.y + s * equatorial.z,
                    -s * equatorial.y + c * equatorial.z);
}

// A vessel in a circular Earth orbit of radius `r`, inclined by
// `inclination` to the equator, at the point `angle` past the ascending
// node (which lies towards the equinox), facing along its velocity with its
// top away from the Earth.
VesselEntry InEarthOrbit(const char* name, const char* className, double size, double mass,
                         double r, double inclination, double angle) {
  const VECTOR3 radial = MakeVector(std::cos(angle), std::sin(angle) * std::cos(inclination),
                                    std::sin(angle) * std::sin(inclination));
  const VECTOR3 along = MakeVector(-std::sin(angle), std::cos(angle) * std::cos(inclination),
                                   std::cos(angle) * std::sin(inclination));
  const double speed = std::sqrt(host::worldG * earthMass / r);
  VesselEntry vessel;
  vessel.name = name;
  vessel.className = className;
  vessel.size = size;
  vessel.mass = mass;
  vessel.relativeTo = "Earth";
  vessel.pos = r * EclipticOf(radial);
  vessel.vel = speed * EclipticOf(along);
  vessel.forward = EclipticOf(along);
  vessel.up = EclipticOf(radial);
  return vessel;
}

}  // namespace

Scenario BuiltInScenario() {
  Scenario scenario;
  scenario.name = "Solar system at J2000: GL-01 and the ISS";
  scenario.mjd = 51544.5;
  for (const Body& body : bodies) {
    BodyEntry entry;
    entry.name = body.name;
    entry.ephemeris = body.ephemeris;
    entry.mass = body.mass;
    entry.radius = body.radius;
    scenario.bodies.push_back(entry);
  }
  // Out here the Earth pulls with about 0.22 m/s²: a jump is worth trying.
  // The glider starts on the Moon's side of the Earth (the Moon stands at
  // right ascension 222.4° at the start date), so that the way to the Moon
  // leads away from the Earth rather than past it.
  VesselEntry glider = InEarthOrbit("GL-01", "glider", 20.0, 11000.0, 42164e3, 0, 222.0 * degree);
  glider.focus = true;
  scenario.vessels.push_back(glider);
  // About 400 km up, where the pull is far too strong for a safe jump; on
  // the far side of the Earth from the glider.
  scenario.vessels.push_back(InEarthOrbit("ISS", "station", 55.0, 420000.0, earthRadius + 400e3,
                                          51.64 * degree, 42.0 * degree));
  return scenario;
}

}  // namespace sim
