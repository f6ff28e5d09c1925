#pragma once
// Directions and vectors in the equatorial frame of the series (x towards right ascension 0,
// z towards the north celestial pole), for the geometry of the Moon, the Sun and the site.

#include <cmath>

namespace orv {

struct RaDec {
    double rightAscension; // radians in (-pi, pi]
    double declination;    // radians
};

struct SkyVector {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline SkyVector operator+(SkyVector a, SkyVector b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline SkyVector operator-(SkyVector a, SkyVector b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline SkyVector operator*(double k, SkyVector a) { return {k * a.x, k * a.y, k * a.z}; }
inline double Dot(SkyVector a, SkyVector b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline double Length(SkyVector a) { return std::sqrt(Dot(a, a)); }

// Direction of the vector (U, V, W).
RaDec RaDecFromVector(double u, double v, double w);

inline RaDec DirectionOf(SkyVector v) { return RaDecFromVector(v.x, v.y, v.z); }

// The vector of the given length towards a right ascension and declination.
SkyVector VectorTowards(const RaDec& place, double length = 1);

// The angle between two vectors, radians in [0, pi], precise at every size.
double AngleBetween(SkyVector a, SkyVector b);

} // namespace orv
