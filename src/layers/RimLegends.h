#pragma once
// Where the legends of the rim band go. The four direction labels divide the band into quarters;
// each quarter holds one run of legend text anchored next to the label at one of its ends:
//   north to east   the site name and its coordinates, reading away from north;
//   west to north   the credit and the date, the date ending next to north;
//   upper glue line to west   the product name and version;
//   lower glue line to east   the planet legend, a picture before each planet's name.
// Each character advances by its own width (a half-width character half an em, any other a whole
// em). A run that would reach the label at the far end of its quarter first slides towards its
// anchor label, then takes smaller sizes down to MinRimLegendSize, so no two cells ever meet.

#include "layers/PlanetGlyph.h"
#include "render/Canvas.h"
#include "render/ChartGeometry.h"

#include <QString>
#include <optional>
#include <vector>

namespace orv {

// Texts of the site legend: the prefecture, the selected municipality and its coordinate text.
struct SiteLegend {
    QString prefecture;
    QString municipality;
    QString coordinateText;
};

// The texts written in the rim band besides the direction labels.
struct RimTexts {
    SiteLegend site;
    QString date;
};

inline constexpr int16_t MinRimLegendSize = 5;

// One cell of a legend run: a character, or a planet picture one em wide.
struct RimCell {
    QChar character;
    std::optional<Planet> planet;
    double angle; // rim angle of the cell's centre
    int width;    // advance along the rim in device pixels
};

struct RimRun {
    int16_t size;
    double rho; // distance of the glyph tops from the centre
    std::vector<RimCell> cells;
};

// Character height of a font size on a canvas: (size x 20) \ twips per pixel.
int CharacterHeight(const Canvas& canvas, int size);

// Largest size up to 14 points at which a direction label, its glyph tops on the horizon, stays
// RimClearanceMm inside the cut circle.
int16_t DirectionLabelSize(const Canvas& canvas, const ChartGeometry& g);
inline constexpr double RimClearanceMm = 0.3;

// Rim angle of direction k quarter-turns from north: 1 west, -1 east, +-2 the glue-tab edges.
double QuarterAngle(int k, double glueHalfAngle);

std::vector<RimRun> LayOutRimLegends(const Canvas& canvas, const ChartGeometry& g, const RimTexts& texts);

} // namespace orv
