#pragma once

namespace ombrelk::oldcal {

// The sun's apparent geocentric longitude in degrees [0, 360) at a Julian
// Ephemeris Day (Terrestrial Time): VSOP87 for the Earth, turned to the FK5
// frame, plus nutation in longitude and aberration.
double ApparentSolarLongitude(double jde);

// The Julian Ephemeris Day near `jde_guess` (within a few weeks of it) when
// the sun's apparent longitude reaches `longitude` degrees.
double SolarLongitudeTime(double longitude, double jde_guess);

}  // namespace ombrelk::oldcal
