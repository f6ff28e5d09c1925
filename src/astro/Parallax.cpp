#include "astro/Parallax.h"

namespace orv {

namespace {

// Polar over equatorial radius of the Earth's ellipsoid (flattening 1/298.257).
constexpr double PolarAxisRatio = 1 - 1 / 298.257223563;

} // namespace

RaDec TopocentricPlace(const RaDec& geocentric, double distance, double localSiderealAngle, double latitude)
{
    // The site on the ellipsoid, in Earth radii from the centre: its distance from the axis and
    // its height above the equator's plane.
    const double u = std::atan(PolarAxisRatio * std::tan(latitude));
    const double fromAxis = std::cos(u);
    const SkyVector site{fromAxis * std::cos(localSiderealAngle), fromAxis * std::sin(localSiderealAngle),
                         PolarAxisRatio * std::sin(u)};
    return DirectionOf(VectorTowards(geocentric, distance) - site);
}

} // namespace orv
