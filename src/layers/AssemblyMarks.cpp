#include "layers/AssemblyMarks.h"

#include "astro/Numeric.h"
#include "layers/HatOutline.h"
#include "render/Primitives.h"

#include <QPointF>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace orv {

namespace {

const QString Face = QStringLiteral("ＭＳ ゴシック");

using Quad = std::array<QPointF, 4>;

// Unit vector from the centre towards rim angle a, in device axes.
QPointF Outward(double a)
{
    return {-std::cos(a), -std::sin(a)};
}

// The side of a ray that is up on the page when the ray points to the right.
QPointF Across(double a)
{
    const QPointF e = Outward(a);
    return {e.y(), -e.x()};
}

// A label running outwards along the ray of a rim angle: from `from` to `from + length` along the
// ray, from `low` to `low + height` across it. Coordinates are relative to the hat centre.
struct RayBox {
    double angle;
    double from;
    double length;
    double low;
    double height;

    QPointF At(double along, double across) const { return along * Outward(angle) + across * Across(angle); }
    Quad Corners() const
    {
        return {At(from, low), At(from + length, low), At(from + length, low + height), At(from, low + height)};
    }
};

// The part of the glue tab a sheet labels: rim angles within half of mid.
struct Wedge {
    double mid;
    double half;
};

bool InsideWedge(const Quad& box, const Wedge& w, double margin)
{
    for (const QPointF& p : box) {
        const double off = w.half - std::abs(std::remainder(std::atan2(-p.y(), -p.x()) - w.mid, 2 * Pi));
        if (off <= 0 || std::hypot(p.x(), p.y()) * std::sin(off) < margin)
            return false;
    }
    return true;
}

bool Overlap(const Quad& a, const Quad& b)
{
    for (const Quad* poly : {&a, &b})
        for (int i = 0; i < 4; ++i) {
            const QPointF edge = (*poly)[(i + 1) % 4] - (*poly)[i];
            const QPointF normal(-edge.y(), edge.x());
            double aMin = 1e300, aMax = -1e300, bMin = 1e300, bMax = -1e300;
            for (const QPointF& p : a) {
                aMin = std::min(aMin, QPointF::dotProduct(p, normal));
                aMax = std::max(aMax, QPointF::dotProduct(p, normal));
            }
            for (const QPointF& p : b) {
                bMin = std::min(bMin, QPointF::dotProduct(p, normal));
                bMax = std::max(bMax, QPointF::dotProduct(p, normal));
            }
            if (aMax <= bMin || bMax <= aMin)
                return false;
        }
    return true;
}

// Labels already placed in the tab; each new one slides inwards from the rim until it fits.
class TabLabels {
public:
    TabLabels(const LayerContext& ctx, std::optional<Wedge> wedge)
        : ctx_(ctx), wedge_(wedge), gap_(MmToPixels(ctx.canvas, 1)), outer_(ctx.geometry.hatRadius - gap_)
    {
    }

    double Gap() const { return gap_; }

    // Places a box of the given length and height along a ray, its lower edge at low, as far out
    // as it fits inside the horizon, the wedge and clear of the labels placed before.
    std::optional<RayBox> Place(double angle, double length, double low, double height)
    {
        const double across = std::max(std::abs(low), std::abs(low + height));
        RayBox box{angle, std::sqrt(std::max(0.0, outer_ * outer_ - across * across)) - length, length, low, height};
        for (; box.from >= 0; box.from -= height / 2) {
            const Quad corners = box.Corners();
            if (wedge_ && !InsideWedge(corners, *wedge_, gap_ / 2))
                continue;
            bool clear = true;
            for (const Quad& q : taken_)
                clear = clear && !Overlap(q, corners);
            if (!clear)
                continue;
            taken_.push_back(corners);
            return box;
        }
        return std::nullopt;
    }

    // A text label along a ray, its lower edge at low or centred on the ray; `extra` more room
    // at its outer end. Returns its box when it was drawn.
    std::optional<RayBox> Text(const QString& text, int16_t size, double angle, std::optional<double> low,
                               double extra = 0)
    {
        const std::optional<FontRequest> font = RotatedTextFont(ctx_.canvas, size, 100);
        if (!font)
            return std::nullopt;
        const double length = RotatedTextAdvance(ctx_.canvas, size, 100, text) + extra;
        const double height = font->height;
        const auto box = Place(angle, length, low.value_or(-height / 2), height);
        if (box) {
            const QPointF corner = Centre() + box->At(box->from, box->low + height);
            DrawRotatedText(ctx_.canvas, size, Face, Round16((Pi - angle) * 180 / Pi * 10), false, Round16(corner.x()),
                            Round16(corner.y()), 100, text);
        }
        return box;
    }

    QPointF Centre() const { return {double(ctx_.geometry.centreX), double(ctx_.geometry.centreY)}; }

private:
    const LayerContext& ctx_;
    std::optional<Wedge> wedge_;
    double gap_;
    double outer_;
    std::vector<Quad> taken_;
};

// A pair of open scissors of the given size, its blades pointing along `towards`.
void DrawScissors(Canvas& cv, QPointF centre, QPointF towards, double size)
{
    const QPointF side(-towards.y(), towards.x());
    const auto at = [&](double s, double t) { return centre + size * (s * towards + t * side); };
    for (int sign : {1, -1}) {
        const QPointF handle = at(-0.25, 0.22 * sign);
        const QPointF tip = at(0.5, -0.08 * sign);
        cv.Line(handle.x(), handle.y(), tip.x(), tip.y(), Black);
        const QPointF ring = at(-0.37, 0.24 * sign);
        cv.Circle(ring.x(), ring.y(), 0.13 * size, Black);
    }
}

// The slit: heavy dashes from the cut circle to the centre along the upper glue-tab line, plain
// over the thin glue-tab line and over the "南" that the slit cuts in two.
void DrawSlit(const LayerContext& ctx, double angle)
{
    Canvas& cv = ctx.canvas;
    const ChartGeometry& g = ctx.geometry;
    const double dash = MmToPixels(cv, 2);
    const double space = MmToPixels(cv, 1.2);
    const QPointF c(g.centreX, g.centreY);
    for (double r = g.hatRadius + g.rimMargin; r > 0; r -= dash + space) {
        const QPointF a = c + r * Outward(angle);
        const QPointF b = c + std::max(0.0, r - dash) * Outward(angle);
        cv.Line(a.x(), a.y(), b.x(), b.y(), Black);
    }
}

// The marks inside the glue tab; each sheet of a two-sheet layout labels its own half of the tab.
void DrawTabMarks(const LayerContext& ctx)
{
    const ChartGeometry& g = ctx.geometry;
    const double gamma = g.glueHalfAngle;
    const double slit = Pi - gamma;
    const bool split = g.sheetCount == 2;
    const bool upperHalf = !split || g.sheetIndex == 1;
    std::optional<Wedge> wedge;
    if (gamma > 0)
        wedge = split ? Wedge{g.sheetIndex == 1 ? Pi - gamma / 2 : Pi + gamma / 2, gamma / 2} : Wedge{Pi, gamma};
    TabLabels labels(ctx, wedge);
    const double gap = labels.Gap();

    if (gamma > 0) {
        DrawSlit(ctx, slit);
        if (upperHalf) {
            // "切り込み" under the slit, reading outwards, the scissors at its outer end.
            const std::optional<FontRequest> font = RotatedTextFont(ctx.canvas, 9, 100);
            const double h = font ? font->height : 0;
            if (const auto box = labels.Text(QStringLiteral("切り込み"), 9, slit, -gap - h, gap + 1.5 * h))
                DrawScissors(ctx.canvas, labels.Centre() + box->At(box->from + box->length - 0.75 * h, box->low + h / 2),
                             -Outward(slit), 1.5 * h);
        }
    }
    if (split) {
        // The join line runs through the centre; its label sits on this sheet's side of it. With no
        // glue tab it goes on the sky next to the line.
        const std::optional<FontRequest> font = RotatedTextFont(ctx.canvas, 9, 100);
        const double h = font ? font->height : 0;
        labels.Text(QStringLiteral("貼り合わせ線"), 9, Pi, g.sheetIndex == 1 ? gap : -gap - h);
    }
    if (wedge)
        labels.Text(QStringLiteral("のりしろ"), 12, wedge->mid, std::nullopt);
}

// The sheet number of a two-sheet layout and the steps of making the hat, in the larger of the
// two free bands above and below the hat, when it holds them.
void DrawSheetMarks(const LayerContext& ctx)
{
    Canvas& cv = ctx.canvas;
    const ChartGeometry& g = ctx.geometry;
    const double sheetHeight = MmToPixels(cv, SheetSizeMm(g.paperCode, g.paperOrientation).height());
    const double cut = g.hatRadius + g.rimMargin;
    const double margin = MmToPixels(cv, 8);
    const double gap = MmToPixels(cv, 4);
    const double aboveBottom = g.centreY - cut - gap;
    const double belowTop = g.centreY + cut + gap;
    const bool below = sheetHeight - margin - belowTop >= aboveBottom - margin;
    double top = below ? belowTop : margin;
    const double bottom = below ? sheetHeight - margin : aboveBottom;
    const double left = g.centreX - cut;

    if (g.sheetCount == 2) {
        const std::optional<FontRequest> font = RotatedTextFont(cv, 16, 100);
        if (!font || top + font->height > bottom)
            return;
        DrawRotatedText(cv, 16, Face, 0, true, Round16(left), Round16(top),
                        100, QStringLiteral("%1/%2").arg(g.sheetIndex).arg(g.sheetCount));
        top += font->height * 1.5;
    }

    const QStringList rows = QStringList{QStringLiteral("作り方")} + AssemblySteps(g.sheetCount, g.glueHalfAngle > 0);
    for (int16_t size = 10; size >= 7; --size) {
        const std::optional<FontRequest> font = RotatedTextFont(cv, size, 100);
        if (!font)
            return;
        const double pitch = font->height * 1.5;
        int width = 0;
        for (const QString& row : rows)
            width = std::max(width, RotatedTextAdvance(cv, size, 100, row));
        if (top + pitch * (rows.size() - 1) + font->height > bottom || width > 2 * cut)
            continue;
        const double x = g.centreX - width / 2.0;
        for (qsizetype i = 0; i < rows.size(); ++i)
            DrawRotatedText(cv, size, Face, 0, i == 0, Round16(x), Round16(top + i * pitch), 100, rows[i]);
        return;
    }
}

} // namespace

void DrawGlueTabTint(const LayerContext& ctx)
{
    const ChartGeometry& g = ctx.geometry;
    if (g.glueHalfAngle <= 0)
        return;
    Canvas& cv = ctx.canvas;
    cv.ForeColor = GlueTabTint;
    cv.Polygon(RimSector(g, g.hatRadius + g.rimMargin, Pi - g.glueHalfAngle, Pi + g.glueHalfAngle), GlueTabTint);
}

void DrawAssemblyMarks(const LayerContext& ctx)
{
    Canvas& cv = ctx.canvas;
    cv.ForeColor = Black;
    cv.FillStyle = 1;
    cv.DrawStyle = 0;
    cv.DrawWidth = static_cast<int16_t>(std::max(1, Round32(MmToPixels(cv, 0.2))));
    DrawTabMarks(ctx);
    if (ctx.printing)
        DrawSheetMarks(ctx);
}

QStringList AssemblySteps(int16_t sheetCount, bool glueTab)
{
    QStringList steps;
    if (sheetCount == 2)
        steps << QStringLiteral("「1/2」を貼り合わせ線で切り、「2/2」の貼り合わせ線に重ねて貼ります。");
    steps << QStringLiteral("外側の円（切り取り線）にそって切り抜きます。");
    if (glueTab)
        steps << QStringLiteral("「切り込み」の線を、外側の円から中心まで切ります。")
              << QStringLiteral("のりしろにのりをつけ、反対側の縁の下に貼って笠にします。");
    steps << QStringLiteral("印刷した面を内側にしてかぶり、「北」を北に向けて見上げます。");
    for (qsizetype i = 0; i < steps.size(); ++i)
        steps[i] = QChar(0x2460 + static_cast<int>(i)) + QLatin1Char(' ') + steps[i];
    return steps;
}

} // namespace orv
