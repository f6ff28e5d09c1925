#include "astro/HatProjection.h"

#include "astro/Numeric.h"

#include <cmath>

namespace orv {

namespace {

// Angle on the development: the 2 pi of azimuth occupy 2 pi - 2 gamma of the disc.
double DevelopmentAngle(double azimuth, double glueHalfAngle)
{
    return (Pi - glueHalfAngle) * azimuth / Pi;
}

// Zenith distance over 90 degrees: 0 at the zenith, 1 on the horizon, up to 2 at the nadir.
double RadiusFraction(double altitude)
{
    return (HalfPi - altitude) / Pi * 2;
}

} // namespace

double HatOffsetX(double azimuth, double altitude, double glueHalfAngle)
{
    return RadiusFraction(altitude) * std::cos(DevelopmentAngle(azimuth, glueHalfAngle));
}

double HatOffsetY(double azimuth, double altitude, double glueHalfAngle)
{
    return -RadiusFraction(altitude) * std::sin(DevelopmentAngle(azimuth, glueHalfAngle));
}

ChartList ProjectHorizontalList(const HorizontalList& input, double hatRadius, double glueHalfAngle)
{
    ChartList out(std::max<size_t>(input.size(), 1));
    if (input.empty())
        return out;
    const int count = input[0].magnitude;
    out[0].magnitude = input[0].magnitude;
    for (int i = 1; i <= count && i < static_cast<int>(input.size()); ++i) {
        const HorizontalPoint& p = input[i];
        out[i] = {hatRadius * HatOffsetX(p.azimuth, p.altitude, glueHalfAngle),
                  hatRadius * HatOffsetY(p.azimuth, p.altitude, glueHalfAngle), p.magnitude, p.name};
    }
    return out;
}

} // namespace orv
