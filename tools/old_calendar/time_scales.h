#pragma once

#include <chrono>

namespace ombrelk::oldcal {

// TT - UT1 in seconds for a year with its fraction (2000.5 is mid-2000), by
// the polynomials of Espenak and Meeus (NASA's Five Millennium Canon of Solar
// Eclipses) for 1800 to 2150 and their parabola beyond.
double DeltaT(double year);

// A Julian Ephemeris Day as days and their fraction since 1970-01-01 00:00
// Japan Standard Time (UT + 9 h).
double JstDays(double jde);

// The day in Japan Standard Time that holds a Julian Ephemeris Day.
std::chrono::sys_days JstDay(double jde);

// The Julian Ephemeris Day of noon in Japan on a day: a first guess for events
// looked for near it.
double JstNoonJde(std::chrono::sys_days day);

}  // namespace ombrelk::oldcal
