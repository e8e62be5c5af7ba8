#pragma once

namespace ombrelk::oldcal {

// The Julian Ephemeris Day (Terrestrial Time) of new moon number `k`, counted
// from the one of 6 January 2000 (k = 0; earlier ones are negative), by the
// series of Meeus' "Astronomical Algorithms", chapter 49, with the planetary
// arguments: within half a minute of the modern lunar theory.
double NewMoonTime(int k);

// The number of the first new moon at or after a Julian Ephemeris Day.
int FirstNewMoonFrom(double jde);

}  // namespace ombrelk::oldcal
