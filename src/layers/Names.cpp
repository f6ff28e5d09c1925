#include "layers/Names.h"

#include "astro/Numeric.h"
#include "render/Primitives.h"

#include <cmath>

namespace orv {

namespace {

struct Placement {
    double along; // along the reading direction
    double up;    // towards the zenith
};

// Offset of the label's top-left corner from its star for a placement code.
std::optional<Placement> PlacementOf(const QString& code, double u, double f, double w)
{
    const double d = u / std::sqrt(2.0);
    if (code == QLatin1String("R")) return Placement{u, f / 2};
    if (code == QLatin1String("TR")) return Placement{d, f + d};
    if (code == QLatin1String("T")) return Placement{-w / 2, f + u};
    if (code == QLatin1String("TL")) return Placement{-w - d, f + d};
    if (code == QLatin1String("L")) return Placement{-(w + u), f / 2};
    if (code == QLatin1String("BL")) return Placement{-w - d, -d};
    if (code == QLatin1String("B")) return Placement{-w / 2, -u};
    if (code == QLatin1String("BR")) return Placement{d, -d};
    return std::nullopt;
}

// The two cluster names are drawn condensed: characters a third of their height wide.
int16_t WidthPercentOf(const QString& name)
{
    return name == QStringLiteral("プレアデス星団") || name == QStringLiteral("ヒアデス星団") ? 150 : 100;
}

} // namespace

void DrawNames(const LayerContext& ctx, bool /*fullFlag*/, const NameTable& names, const ChartList& stars,
               const HorizontalList& horizontal)
{
    Canvas& cv = ctx.canvas;
    const ChartGeometry& g = ctx.geometry;
    const HatSettings& s = ctx.settings;
    cv.ForeColor = s.SnColor;
    const int t = Round32(cv.TwipsPerPixelY());
    if (t <= 0 || names.empty())
        return;
    const double f = RoundHalfEven(s.NmFntSize * 20.0 / t);
    const double r = g.hatRadius;
    const int starCount = stars.empty() ? 0 : stars[0].magnitude;

    for (int i = names[0].threshold; i >= 1; --i) {
        const NameRecord& rec = names[i];
        if (s.Tokyu < rec.threshold && !(rec.threshold == 99 && s.Fdaisan))
            continue;
        const int anchor = rec.anchor;
        if (anchor < 1 || anchor > starCount || anchor >= static_cast<int>(stars.size())
            || anchor >= static_cast<int>(horizontal.size()))
            continue;
        const double phi = -(Pi - g.glueHalfAngle / 2) * horizontal[anchor].azimuth / Pi;
        const int16_t xs = Round16(stars[anchor].x);
        const int16_t ys = Round16(stars[anchor].y);
        const double u = RoundHalfEven(static_cast<int32_t>(rec.distance * g.hatRadius) / 400.0);
        const double w = rec.text.size() * f;
        const auto place = PlacementOf(rec.code, u, f, w);
        if (!place)
            continue;
        const int dx = Round32(-place->along * std::sin(phi) + place->up * std::cos(phi));
        const int dy = Round32(place->along * std::cos(phi) + place->up * std::sin(phi));
        const double ox = xs - dx;
        const double oy = ys - dy;
        if (ox * ox + oy * oy >= r * r)
            continue;
        const int16_t escapement = Round16((-90 - phi * 180 / Pi) * 10);
        DrawRotatedText(cv, s.NmFntSize, QStringLiteral("ＭＳ ゴシック"), escapement, false,
                        Round16(g.centreX - xs + dx), Round16(g.centreY - ys + dy), WidthPercentOf(rec.text),
                        rec.text);
    }
}

} // namespace orv
