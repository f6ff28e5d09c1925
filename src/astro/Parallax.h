#pragma once
// The place of a near body as an observer at the site sees it: the geocentric place shifted by the
// observer's offset from the Earth's centre (the diurnal parallax). It matters for the Moon only.

#include "astro/SkyVector.h"

namespace orv {

// Place seen from sea level at the given geodetic latitude (radians), with the local sidereal
// angle theta (radians), of a body at a geocentric place and distance (equatorial Earth radii).
RaDec TopocentricPlace(const RaDec& geocentric, double distance, double localSiderealAngle, double latitude);

} // namespace orv
