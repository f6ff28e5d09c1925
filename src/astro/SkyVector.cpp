#include "astro/SkyVector.h"

#include "astro/Numeric.h"

namespace orv {

RaDec RaDecFromVector(double u, double v, double w)
{
    return {ArcTan2(v, u), ArcTan2(w, std::sqrt(u * u + v * v))};
}

SkyVector VectorTowards(const RaDec& place, double length)
{
    const double c = std::cos(place.declination);
    return {length * c * std::cos(place.rightAscension), length * c * std::sin(place.rightAscension),
            length * std::sin(place.declination)};
}

double AngleBetween(SkyVector a, SkyVector b)
{
    const SkyVector c{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    return std::atan2(Length(c), Dot(a, b));
}

} // namespace orv
