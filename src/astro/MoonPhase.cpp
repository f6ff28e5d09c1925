#include "astro/MoonPhase.h"

#include "astro/Numeric.h"

namespace orv {

double MoonAge(double elongation)
{
    return elongation / (2 * Pi) * SynodicMonthDays;
}

MoonPhase PhaseOfMoon(const MoonPlace& moon, const SkyVector& sun)
{
    const SkyVector m = VectorTowards(moon.place, moon.distance);
    const SkyVector s = EarthRadiiPerAu * sun;
    // The Moon east of the Sun (a larger right ascension, within half a turn) is waxing.
    const bool waxing = m.y * s.x - m.x * s.y >= 0;
    const double separation = AngleBetween(m, s);
    const double elongation = waxing ? separation : 2 * Pi - separation;
    const double phaseAngle = AngleBetween(s - m, -1 * m);
    return {elongation, phaseAngle, (1 + std::cos(phaseAngle)) / 2, MoonAge(elongation)};
}

} // namespace orv
