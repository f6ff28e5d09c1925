#pragma once
// The Moon's phase as the sky gives it at one instant: from the geocentric places and distances
// of the Moon and the Sun, the elongation of the Moon from the Sun, the phase angle at the Moon,
// the illuminated fraction of its disc and its age.

#include "astro/Series.h"

namespace orv {

inline constexpr double SynodicMonthDays = 29.530589;
inline constexpr double EarthRadiiPerAu = 149597870.7 / 6378.137;

struct MoonPhase {
    double elongation;          // radians eastwards from the Sun, [0, 2 pi): 0 new, pi full
    double phaseAngle;          // Sun - Moon - Earth angle, radians in [0, pi]: 0 full, pi new
    double illuminatedFraction; // lit part of the disc's area, (1 + cos phaseAngle) / 2
    double age;                 // days, 0 to 29.53
};

// Phase of the Moon (place and distance in Earth radii) lit by the Sun (geocentric vector in au).
MoonPhase PhaseOfMoon(const MoonPlace& moon, const SkyVector& sun);

// Age in days of a Moon at the given eastward elongation: the elongation's share of a synodic month.
double MoonAge(double elongation);

} // namespace orv
