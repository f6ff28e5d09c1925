#include "layers/StarDiscs.h"

#include "astro/Numeric.h"

namespace orv {

void DrawStarDiscs(const LayerContext& ctx, const ChartList& stars)
{
    Canvas& cv = ctx.canvas;
    const ChartGeometry& g = ctx.geometry;
    const HatSettings& s = ctx.settings;
    cv.DrawStyle = 0;
    cv.FillColor = s.Kcolor;
    cv.FillStyle = s.FkoseiFill ? 0 : 1;
    const int count = stars.empty() ? 0 : stars[0].magnitude;
    for (int i = 1; i <= count && i < static_cast<int>(stars.size()); ++i) {
        const int32_t x = Round32(stars[i].x);
        const int32_t y = Round32(stars[i].y);
        const int m = stars[i].magnitude;
        if (!InsideHorizon(x, y, g.hatRadius) || m > s.Tokyu)
            continue;
        const int32_t radius = Round32(g.hatRadius / 400.0 * (6 - m));
        cv.Circle(g.centreX - x, g.centreY - y, radius, s.Kcolor);
    }
}

} // namespace orv
