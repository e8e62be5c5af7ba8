#include "time_scales.h"

#include <cmath>

namespace ombrelk::oldcal {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kUnixEpochJd = 2440587.5;  // 1970-01-01 00:00 UT
constexpr double kSecondsPerDay = 86400;
constexpr double kJstOffset = 9.0 / 24;  // days

// Espenak and Meeus' long-term parabola, in centuries from 1820.
double LongTerm(double year) {
  const double u = (year - 1820) / 100;
  return -20 + 32 * u * u;
}

double Before1941(double y) {
  if (y < 1860) {
    const double t = y - 1800;
    return 13.72 - 0.332447 * t + 0.0068612 * std::pow(t, 2) + 0.0041116 * std::pow(t, 3) -
           0.00037436 * std::pow(t, 4) + 0.0000121272 * std::pow(t, 5) -
           0.0000001699 * std::pow(t, 6) + 0.000000000875 * std::pow(t, 7);
  }
  if (y < 1900) {
    const double t = y - 1860;
    return 7.62 + 0.5737 * t - 0.251754 * std::pow(t, 2) + 0.01680668 * std::pow(t, 3) -
           0.0004473624 * std::pow(t, 4) + std::pow(t, 5) / 233174;
  }
  if (y < 1920) {
    const double t = y - 1900;
    return -2.79 + 1.494119 * t - 0.0598939 * std::pow(t, 2) + 0.0061966 * std::pow(t, 3) -
           0.000197 * std::pow(t, 4);
  }
  const double t = y - 1920;
  return 21.20 + 0.84493 * t - 0.076100 * std::pow(t, 2) + 0.0020936 * std::pow(t, 3);
}

double From1941(double y) {
  if (y < 1961) {
    const double t = y - 1950;
    return 29.07 + 0.407 * t - std::pow(t, 2) / 233 + std::pow(t, 3) / 2547;
  }
  if (y < 1986) {
    const double t = y - 1975;
    return 45.45 + 1.067 * t - std::pow(t, 2) / 260 - std::pow(t, 3) / 718;
  }
  if (y < 2005) {
    const double t = y - 2000;
    return 63.86 + 0.3345 * t - 0.060374 * std::pow(t, 2) + 0.0017275 * std::pow(t, 3) +
           0.000651814 * std::pow(t, 4) + 0.00002373599 * std::pow(t, 5);
  }
  if (y < 2050) {
    const double t = y - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * std::pow(t, 2);
  }
  // Bends the 2005-2050 curve into the long-term parabola by 2150.
  return LongTerm(y) - 0.5628 * (2150 - y);
}

}  // namespace

double DeltaT(double year) {
  if (year < 1800 || year >= 2150) return LongTerm(year);
  return year < 1941 ? Before1941(year) : From1941(year);
}

double JstDays(double jde) {
  const double year = 2000 + (jde - kJ2000) / 365.25;
  const double jd_ut = jde - DeltaT(year) / kSecondsPerDay;
  return jd_ut - kUnixEpochJd + kJstOffset;
}

std::chrono::sys_days JstDay(double jde) {
  return std::chrono::sys_days{std::chrono::days{static_cast<int>(std::floor(JstDays(jde)))}};
}

double JstNoonJde(std::chrono::sys_days day) {
  return kUnixEpochJd + day.time_since_epoch().count() + 0.5 - kJstOffset;
}

}  // namespace ombrelk::oldcal
