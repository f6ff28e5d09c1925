#include "layers/Names.h"

#include "astro/Numeric.h"
#include "render/Primitives.h"

#include <QPointF>
#include <QStringList>
#include <array>
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

// The codes to try for a label, the file's own first: then the label on the other side of its
// star along the reading direction, across it, both, and at last any other position.
QStringList CandidateCodes(const QString& code)
{
    const auto swap = [](QString c, QChar a, QChar b) {
        for (QChar& ch : c)
            ch = ch == a ? b : ch == b ? a : ch;
        return c;
    };
    const QString along = swap(code, QLatin1Char('L'), QLatin1Char('R'));
    const QString across = swap(code, QLatin1Char('T'), QLatin1Char('B'));
    QStringList codes{code, along, across, swap(along, QLatin1Char('T'), QLatin1Char('B'))};
    for (const char* c : {"T", "B", "R", "L", "TR", "TL", "BR", "BL"})
        codes << QString::fromLatin1(c);
    codes.removeDuplicates();
    return codes;
}

double Cross(QPointF a, QPointF b)
{
    return a.x() * b.y() - a.y() * b.x();
}

// Whether the segments p1-p2 and q1-q2 cross or touch.
bool SegmentsMeet(QPointF p1, QPointF p2, QPointF q1, QPointF q2)
{
    const double d1 = Cross(p2 - p1, q1 - p1);
    const double d2 = Cross(p2 - p1, q2 - p1);
    const double d3 = Cross(q2 - q1, p1 - q1);
    const double d4 = Cross(q2 - q1, p2 - q1);
    return ((d1 <= 0 && d2 >= 0) || (d1 >= 0 && d2 <= 0)) && ((d3 <= 0 && d4 >= 0) || (d3 >= 0 && d4 <= 0));
}

// A label box, its corners relative to the hat centre, lies on the sky that stays in sight once
// the hat is glued: strictly inside the horizon and clear of the glue tab, the sector beyond the
// rim angles +-(pi - gamma).
bool OnVisibleSky(const std::array<QPointF, 4>& box, double r, double gamma)
{
    for (const QPointF& p : box)
        if (p.x() * p.x() + p.y() * p.y() >= r * r)
            return false;
    if (gamma <= 0)
        return true;
    for (const QPointF& p : box)
        if (std::abs(std::atan2(-p.y(), -p.x())) >= Pi - gamma)
            return false;
    // Rim angle a lies at (-r cos a, -r sin a) from the centre; the tab's edges at +-(pi - gamma).
    const QPointF edges[2] = {QPointF(r * std::cos(gamma), -r * std::sin(gamma)),
                              QPointF(r * std::cos(gamma), r * std::sin(gamma))};
    for (const QPointF& edge : edges)
        for (int i = 0; i < 4; ++i)
            if (SegmentsMeet(QPointF(0, 0), edge, box[i], box[(i + 1) % 4]))
                return false;
    return true;
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
    const int starCount = stars.empty() ? 0 : stars[0].magnitude;

    for (int i = names[0].threshold; i >= 1; --i) {
        const NameRecord& rec = names[i];
        if (s.Tokyu < rec.threshold && !(rec.threshold == 99 && s.Fdaisan))
            continue;
        const int anchor = rec.anchor;
        if (anchor < 1 || anchor > starCount || anchor >= static_cast<int>(stars.size())
            || anchor >= static_cast<int>(horizontal.size()))
            continue;
        const int16_t widthPercent = WidthPercentOf(rec.text);
        const std::optional<FontRequest> font = RotatedTextFont(cv, s.NmFntSize, widthPercent);
        if (!font)
            continue;
        // Turned like the star itself, so that the label's top faces the zenith.
        const double phi = -(Pi - g.glueHalfAngle) * horizontal[anchor].azimuth / Pi;
        const int16_t xs = Round16(stars[anchor].x);
        const int16_t ys = Round16(stars[anchor].y);
        const double u = RoundHalfEven(static_cast<int32_t>(rec.distance * g.hatRadius) / 400.0);
        const double w = RotatedTextAdvance(cv, s.NmFntSize, widthPercent, rec.text);
        const QPointF forward(-std::sin(phi), std::cos(phi));
        const QPointF up(std::cos(phi), std::sin(phi));
        for (const QString& code : CandidateCodes(rec.code)) {
            const auto place = PlacementOf(code, u, f, w);
            if (!place)
                continue;
            const int dx = Round32(-place->along * std::sin(phi) + place->up * std::cos(phi));
            const int dy = Round32(place->along * std::cos(phi) + place->up * std::sin(phi));
            const QPointF corner(dx - xs, dy - ys);
            const std::array<QPointF, 4> box{corner, corner + w * forward, corner + w * forward - font->height * up,
                                             corner - font->height * up};
            if (!OnVisibleSky(box, g.hatRadius, g.glueHalfAngle))
                continue;
            const int16_t escapement = Round16((-90 - phi * 180 / Pi) * 10);
            DrawRotatedText(cv, s.NmFntSize, QStringLiteral("ＭＳ ゴシック"), escapement, false,
                            Round16(g.centreX - xs + dx), Round16(g.centreY - ys + dy), widthPercent, rec.text);
            break;
        }
    }
}

} // namespace orv
