#include "new_moon.h"

#include <array>
#include <cmath>
#include <numbers>

namespace ombrelk::oldcal {
namespace {

constexpr double kDegree = std::numbers::pi / 180;
constexpr double kSynodicMonth = 29.530588861;  // days

double Sin(double degrees) {
  return std::sin(std::fmod(degrees, 360.0) * kDegree);
}

// The periodic terms: the moon's and the sun's anomalies (m1, m), the moon's
// argument of latitude (f), the ascending node (omega) and the eccentricity
// factor of the Earth's orbit (e).
double LunarSolarTerms(double k, double t) {
  const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
  const double e = 1 - 0.002516 * t - 0.0000074 * t2;
  const double m = 2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3;
  const double m1 =
      201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4;
  const double f =
      160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4;
  const double omega = 124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3;
  return -0.40720 * Sin(m1) + 0.17241 * e * Sin(m) + 0.01608 * Sin(2 * m1) + 0.01039 * Sin(2 * f) +
         0.00739 * e * Sin(m1 - m) - 0.00514 * e * Sin(m1 + m) + 0.00208 * e * e * Sin(2 * m) -
         0.00111 * Sin(m1 - 2 * f) - 0.00057 * Sin(m1 + 2 * f) + 0.00056 * e * Sin(2 * m1 + m) -
         0.00042 * Sin(3 * m1) + 0.00042 * e * Sin(m + 2 * f) + 0.00038 * e * Sin(m - 2 * f) -
         0.00024 * e * Sin(2 * m1 - m) - 0.00017 * Sin(omega) - 0.00007 * Sin(m1 + 2 * m) +
         0.00004 * Sin(2 * m1 - 2 * f) + 0.00004 * Sin(3 * m) + 0.00003 * Sin(m1 + m - 2 * f) +
         0.00003 * Sin(2 * m1 + 2 * f) - 0.00003 * Sin(m1 + m + 2 * f) +
         0.00003 * Sin(m1 - m + 2 * f) - 0.00002 * Sin(m1 - m - 2 * f) - 0.00002 * Sin(3 * m1 + m) +
         0.00002 * Sin(4 * m1);
}

// Fourteen slow arguments that the planets' pull adds, each of the form
// start + rate x k + quadratic x t^2 degrees.
struct PlanetaryArgument {
  double amplitude, start, rate, quadratic;  // days; degrees
};

constexpr std::array<PlanetaryArgument, 14> kPlanetaryArguments{{
    {0.000325, 299.77, 0.107408, -0.009173},
    {0.000165, 251.88, 0.016321, 0},
    {0.000164, 251.83, 26.651886, 0},
    {0.000126, 349.42, 36.412478, 0},
    {0.000110, 84.66, 18.206239, 0},
    {0.000062, 141.74, 53.303771, 0},
    {0.000060, 207.14, 2.453732, 0},
    {0.000056, 154.84, 7.306860, 0},
    {0.000047, 34.52, 27.261239, 0},
    {0.000042, 207.19, 0.121824, 0},
    {0.000040, 291.34, 1.844379, 0},
    {0.000037, 161.72, 24.198154, 0},
    {0.000035, 239.56, 25.513099, 0},
    {0.000023, 331.55, 3.592518, 0},
}};

double PlanetaryTerms(double k, double t) {
  double sum = 0;
  for (const PlanetaryArgument& a : kPlanetaryArguments) {
    sum += a.amplitude * Sin(a.start + a.rate * k + a.quadratic * t * t);
  }
  return sum;
}

}  // namespace

double NewMoonTime(int k) {
  const double kk = k;
  const double t = kk / 1236.85;  // Julian centuries from J2000
  const double t2 = t * t;
  const double mean = 2451550.09766 + kSynodicMonth * kk + 0.00015437 * t2 - 0.000000150 * t2 * t +
                      0.00000000073 * t2 * t2;
  return mean + LunarSolarTerms(kk, t) + PlanetaryTerms(kk, t);
}

int FirstNewMoonFrom(double jde) {
  auto k = static_cast<int>(std::floor((jde - 2451550.09766) / kSynodicMonth));
  while (NewMoonTime(k) < jde) ++k;
  while (NewMoonTime(k - 1) >= jde) --k;
  return k;
}

}  // namespace ombrelk::oldcal
