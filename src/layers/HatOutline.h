#pragma once
// Everything on the hat that is not a sky object: the disc and glue-tab lines, the altitude
// circles and azimuth lines, the cut and horizon circles, the direction labels and the legends
// written around the rim band.

#include "layers/LayerContext.h"

#include <QString>

namespace orv {

// Texts of the site legend: the prefecture, the selected municipality and its coordinate text.
struct SiteLegend {
    QString prefecture;
    QString municipality;
    QString coordinateText;
};

// whiteOptionSelected: the white preset of the disc colour is chosen (a custom white does not count).
void DrawHatDisc(const LayerContext& ctx, bool whiteOptionSelected);
void DrawAltitudeCircles(const LayerContext& ctx);
void DrawAzimuthLines(const LayerContext& ctx, int16_t sheet);
void DrawOutlineAndLegends(const LayerContext& ctx, const SiteLegend& site);

// Character height of a font size on the current canvas: (size x 20) \ twips per pixel.
int CharacterHeight(const Canvas& canvas, int size);

// One character of a rim legend at rim angle a and distance rho, its top towards the centre.
void DrawRimCharacter(const LayerContext& ctx, QChar c, int16_t size, double angle, double rho);

} // namespace orv
