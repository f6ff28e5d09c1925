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

} // namespace orv
