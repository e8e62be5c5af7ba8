#include "sun.h"

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <span>

#include "vsop87_earth.h"

namespace ombrelk::oldcal {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDegree = std::numbers::pi / 180;
constexpr double kArcSecond = 1.0 / 3600;  // degrees

double Series(std::span<const Vsop87Term> terms, double tau) {
  double sum = 0;
  for (const Vsop87Term& t : terms) sum += t.amplitude * std::cos(t.phase + t.frequency * tau);
  return sum;
}

// A quantity as a polynomial in tau whose coefficients are the series given,
// from 1e-8 units to whole ones.
double Vsop87(std::initializer_list<std::span<const Vsop87Term>> series, double tau) {
  double sum = 0;
  double power = 1;
  for (const auto& s : series) {
    sum += Series(s, tau) * power;
    power *= tau;
  }
  return sum * 1e-8;
}

double Wrap360(double degrees) {
  const double wrapped = std::fmod(degrees, 360.0);
  return wrapped < 0 ? wrapped + 360 : wrapped;
}

// Nutation in longitude in arc seconds from its four largest terms, good to
// half an arc second (some twelve seconds of the sun's motion).
double NutationInLongitude(double t) {
  const double omega = (125.04452 - 1934.136261 * t) * kDegree;
  const double sun_mean = (280.4665 + 36000.7698 * t) * kDegree;
  const double moon_mean = (218.3165 + 481267.8813 * t) * kDegree;
  return -17.20 * std::sin(omega) - 1.32 * std::sin(2 * sun_mean) - 0.23 * std::sin(2 * moon_mean) +
         0.21 * std::sin(2 * omega);
}

}  // namespace

double ApparentSolarLongitude(double jde) {
  const double tau = (jde - kJ2000) / 365250;  // Julian millennia
  const double t = tau * 10;                   // Julian centuries
  const double earth_longitude =
      Vsop87({kEarthL0, kEarthL1, kEarthL2, kEarthL3, kEarthL4, kEarthL5}, tau);
  const double radius = Vsop87({kEarthR0, kEarthR1, kEarthR2, kEarthR3, kEarthR4}, tau);
  // The sun seen from the Earth stands opposite the Earth seen from the sun.
  const double geometric = earth_longitude / kDegree + 180;
  // VSOP87's dynamical ecliptic to FK5: a constant shift of longitude.
  const double fk5_shift = -0.09033 * kArcSecond;
  // Annual aberration, which includes the light's travel time.
  const double aberration = -20.4898 * kArcSecond / radius;
  return Wrap360(geometric + fk5_shift + NutationInLongitude(t) * kArcSecond + aberration);
}

double SolarLongitudeTime(double longitude, double jde_guess) {
  constexpr double kDaysPerDegree = 365.2422 / 360;
  double jde = jde_guess;
  for (int i = 0; i < 20; ++i) {
    // The shortest signed way from the present longitude to the target.
    const double gap = std::remainder(longitude - ApparentSolarLongitude(jde), 360.0);
    jde += gap * kDaysPerDegree;
    if (std::abs(gap) < 1e-7) break;
  }
  return jde;
}

}  // namespace ombrelk::oldcal
