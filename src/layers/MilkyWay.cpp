#include "layers/MilkyWay.h"

#include "astro/Numeric.h"
#include "layers/StarDiscs.h"

#include <cmath>
#include <random>

namespace orv {

namespace {

constexpr std::uint32_t Seed = 20041208;

std::mt19937& Generator()
{
    static std::mt19937 generator(Seed);
    return generator;
}

constexpr int PointsPerSample = 50;

} // namespace

double NextMilkyWayRandom()
{
    // 32 random bits scaled into [0, 1): the same numbers on every platform.
    return Generator()() / 4294967296.0;
}

void RestartMilkyWaySequence()
{
    Generator().seed(Seed);
}

void DrawMilkyWay(const LayerContext& ctx, const ChartList& samples)
{
    Canvas& cv = ctx.canvas;
    const ChartGeometry& g = ctx.geometry;
    const double r = g.hatRadius;
    cv.DrawWidth = ctx.printing ? ctx.settings.Mwidth : 1;
    const int count = samples.empty() ? 0 : samples[0].magnitude;
    for (int i = 1; i <= count && i < static_cast<int>(samples.size()); ++i) {
        const int16_t x = Round16(samples[i].x);
        const int16_t y = Round16(samples[i].y);
        for (int k = 0; k < PointsPerSample; ++k) {
            const double theta = 2 * NextMilkyWayRandom() * Pi;
            const double rho = std::abs(5 * NextMilkyWayRandom()) * r / 100;
            const int16_t px = Round16(rho * std::cos(theta) + x);
            const int16_t py = Round16(y - rho * std::sin(theta));
            if (InsideHorizon(px, py, r))
                cv.PSet(g.centreX - px, g.centreY - py, ctx.settings.MColor);
        }
    }
}

} // namespace orv
