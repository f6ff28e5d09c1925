#pragma once
// What every layer draws with: the current canvas, the chart's geometry and the settings.

#include "render/Canvas.h"
#include "render/ChartGeometry.h"
#include "settings/HatSettings.h"

namespace orv {

struct LayerContext {
    Canvas& canvas;
    const ChartGeometry& geometry;
    const HatSettings& settings;
    bool printing;

    // Pen width for a width setting: the setting itself on paper, a third of it plus one on screen.
    int16_t PenWidth(int16_t width) const { return printing ? width : static_cast<int16_t>(width / 3 + 1); }
};

} // namespace orv
