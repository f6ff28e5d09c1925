#pragma once
// The flat development of the hat: zenith at the centre, horizon on the circle of radius R,
// the whole circle of azimuth spread evenly over the disc minus the glue-tab sector on the south.

#include "astro/TimeConversions.h"

namespace orv {

struct ChartPoint {
    double x = 0; // offsets from the centre in device pixels; drawn at (centreX - x, centreY - y)
    double y = 0;
    int16_t magnitude = 0;
    QString name;
};
using ChartList = std::vector<ChartPoint>;

// Offsets in units of the horizon radius for azimuth A and altitude h, with glue half-angle gamma.
double HatOffsetX(double azimuth, double altitude, double glueHalfAngle);
double HatOffsetY(double azimuth, double altitude, double glueHalfAngle);

ChartList ProjectHorizontalList(const HorizontalList& input, double hatRadius, double glueHalfAngle);

} // namespace orv
