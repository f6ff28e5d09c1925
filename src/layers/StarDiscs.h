#pragma once
// One disc per star inside the horizon, down to the faintest chosen magnitude; brighter stars get
// larger discs (R/400 per magnitude step).

#include "astro/HatProjection.h"
#include "layers/LayerContext.h"

namespace orv {

void DrawStarDiscs(const LayerContext& ctx, const ChartList& stars);

// True when an offset from the centre lies strictly inside the horizon circle.
inline bool InsideHorizon(double x, double y, double hatRadius)
{
    return x * x + y * y < hatRadius * hatRadius;
}

} // namespace orv
