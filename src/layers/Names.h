#pragma once
// Names of constellations, asterisms, stars and clusters beside their anchor stars, turned with
// the star's place around the hat so that their tops face the zenith.

#include "astro/HatProjection.h"
#include "layers/LayerContext.h"
#include "layers/SkyData.h"

namespace orv {

void DrawNames(const LayerContext& ctx, bool fullFlag, const NameTable& names, const ChartList& stars,
               const HorizontalList& horizontal);

} // namespace orv
