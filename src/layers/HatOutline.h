#pragma once
// Everything on the hat that is not a sky object: the disc and glue-tab lines, the altitude
// circles and azimuth lines, the cut and horizon circles, the direction labels and the legends
// written around the rim band.

#include "layers/LayerContext.h"
#include "layers/RimLegends.h"

#include <QPoint>
#include <vector>

namespace orv {

// whiteOptionSelected: the white preset of the disc colour is chosen (a custom white does not
// count); the disc is then left unfilled.
void DrawHatDisc(const LayerContext& ctx, bool whiteOptionSelected);
void DrawAltitudeCircles(const LayerContext& ctx);
void DrawAzimuthLines(const LayerContext& ctx, int16_t sheet);
void DrawOutlineAndLegends(const LayerContext& ctx, const SiteLegend& site);

// One character of a rim legend centred on rim angle a, its top at distance rho and towards the
// centre, reading in the direction of decreasing rim angle.
void DrawRimCharacter(const LayerContext& ctx, QChar c, int16_t size, double angle, double rho);

// A light colour gets black lines drawn over it, a dark one white lines.
bool IsLightColour(Colour colour);

// Closed outline of the pie slice from the centre out to radius r between two rim angles,
// its arc made of chords that stay within a quarter of a pixel of the circle.
std::vector<QPoint> RimSector(const ChartGeometry& g, double r, double fromAngle, double toAngle);

} // namespace orv
