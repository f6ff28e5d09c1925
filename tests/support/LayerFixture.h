#pragma once
// A recording canvas with the "A4縦" screen geometry, for exact checks of what a layer draws.

#include "astro/Numeric.h"
#include "layers/LayerContext.h"
#include "render/RecordingCanvas.h"

namespace orv::test {

struct LayerFixture {
    explicit LayerFixture(int nori = 60, double twips = 15) : canvas(twips)
    {
        geometry.hatRadius = 342;
        geometry.rimMargin = 19;
        geometry.centreX = 362;
        geometry.centreY = 474;
        settings.Nori = static_cast<int16_t>(nori);
        settings.glueHalfAngle = geometry.glueHalfAngle = nori * Pi / 360;
    }
    LayerContext Context(bool printing = false) { return {canvas, geometry, settings, printing}; }

    RecordingCanvas canvas;
    ChartGeometry geometry;
    HatSettings settings;
};

} // namespace orv::test
