#pragma once
// Venus, Mars, Jupiter and Saturn drawn with their small pictures where they stand above the
// horizon at the chosen date and time.

#include "astro/TimeConversions.h"
#include "layers/LayerContext.h"
#include "layers/PlanetGlyph.h"

namespace orv {

class DataFolder;
class ProblemLog;

// Series-file name of a planet: "VENUS", "MARS", "JUPITER" or "SATURN".
QString PlanetIdentifier(Planet planet);

// Places and draws one planet; a missing or malformed series file is logged and draws nothing.
void DrawPlanet(const LayerContext& ctx, const DataFolder& folder, ProblemLog& log, Planet planet, Colour colour,
                const ObservationTime& time, double longitude, double latitude);

} // namespace orv
