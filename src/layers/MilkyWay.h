#pragma once
// The Milky Way as a speckle of single points scattered at random around its sample positions.

#include "astro/HatProjection.h"
#include "layers/LayerContext.h"

namespace orv {

void DrawMilkyWay(const LayerContext& ctx, const ChartList& samples);

// The next number, uniform in [0, 1), of the one sequence the whole program draws from. It starts
// from the same seed at every program start and is never reseeded while the program runs.
double NextMilkyWayRandom();
// Starts the sequence again as a fresh program start would (for repeatable test charts).
void RestartMilkyWaySequence();

} // namespace orv
