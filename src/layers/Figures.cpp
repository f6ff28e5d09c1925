#include "layers/Figures.h"

#include "astro/Numeric.h"
#include "layers/StarDiscs.h"
#include "render/Primitives.h"

#include <cmath>

namespace orv {

namespace {

struct Offset {
    double x;
    double y;
};

Offset Rotate(Offset p, double theta)
{
    return {p.x * std::cos(theta) - p.y * std::sin(theta), p.x * std::sin(theta) + p.y * std::cos(theta)};
}

class FigureDrawer {
public:
    FigureDrawer(const LayerContext& ctx, const ChartList& stars) : ctx_(ctx), stars_(stars) {}

    void DrawEntry(QString entry)
    {
        const HatSettings& s = ctx_.settings;
        dashed_ = entry.startsWith(QLatin1Char('='));
        if (dashed_) {
            ctx_.canvas.DrawStyle = 2;
            entry.remove(0, 1);
        }
        if (dashed_ ? s.Fdaisan : s.Fsen) {
            int prev = 0;
            for (const QString& token : entry.split(QLatin1Char('-'))) {
                const int cur = StarOf(token);
                Segment(prev, cur);
                prev = cur;
            }
        }
        ctx_.canvas.DrawStyle = 0;
    }

private:
    // Record number of a token, or 0 for a break: empty, not a number, outside the catalogue, or
    // a star fainter than the faintest magnitude drawn.
    int StarOf(const QString& token) const
    {
        const int n = Round16(LeadingNumber(token));
        const int count = stars_.empty() ? 0 : stars_[0].magnitude;
        if (n < 1 || n > count || n >= static_cast<int>(stars_.size()))
            return 0;
        return ctx_.settings.Tokyu < stars_[n].magnitude ? 0 : n;
    }

    void Segment(int prev, int cur)
    {
        if (prev == 0 || cur == 0)
            return;
        const double r = ctx_.geometry.hatRadius;
        const Offset p0{stars_[prev].x, stars_[prev].y};
        const Offset p1{stars_[cur].x, stars_[cur].y};
        if (!InsideHorizon(p0.x, p0.y, r) || !InsideHorizon(p1.x, p1.y, r) || std::abs(p1.x - p0.x) >= r / 2)
            return;
        if (p0.x < 0 && p1.x < 0 && p0.y * p1.y < 0) {
            // Across the glue tab: each end's ghost is the end turned across the tab.
            const double g = 2 * ctx_.geometry.glueHalfAngle;
            const Offset ghost0 = Rotate(p0, p0.y > 0 ? g : -g);
            const Offset ghost1 = Rotate(p1, p1.y > 0 ? g : -g);
            Draw(p1, ghost0);
            Draw(ghost1, p0);
        } else {
            Draw(p1, p0);
        }
    }

    void Draw(Offset a, Offset b)
    {
        const ChartGeometry& g = ctx_.geometry;
        const Colour colour = ctx_.settings.SsColor;
        const double ax = g.centreX - a.x, ay = g.centreY - a.y;
        const double bx = g.centreX - b.x, by = g.centreY - b.y;
        if (dashed_)
            DrawDashedLine(ctx_.canvas, Round16(ax), Round16(ay), Round16(bx), Round16(by), colour);
        else
            ctx_.canvas.Line(ax, ay, bx, by, colour);
    }

    const LayerContext& ctx_;
    const ChartList& stars_;
    bool dashed_ = false;
};

} // namespace

void DrawFigures(const LayerContext& ctx, const QStringList& figures, const ChartList& stars)
{
    ctx.canvas.DrawStyle = 0;
    ctx.canvas.DrawWidth = ctx.PenWidth(ctx.settings.Swidth);
    FigureDrawer drawer(ctx, stars);
    for (qsizetype i = 1; i < figures.size(); ++i)
        drawer.DrawEntry(figures[i]);
}

} // namespace orv
