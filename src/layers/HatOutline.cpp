#include "layers/HatOutline.h"

#include "astro/Numeric.h"
#include "layers/PlanetGlyph.h"
#include "render/Primitives.h"

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

const QString RimFace = QStringLiteral("ＭＳ ゴシック");

QString DateLegend(const HatSettings& s)
{
    return QStringLiteral("%1年%2月%3日 %4時%5分").arg(s.Year).arg(s.Month).arg(s.Day).arg(s.Hour).arg(s.Minute);
}

} // namespace

void DrawRimCharacter(const LayerContext& ctx, QChar c, int16_t size, double angle, double rho)
{
    const ChartGeometry& g = ctx.geometry;
    const double half = RotatedTextAdvance(ctx.canvas, size, 100, QString(c)) / 2.0;
    const int16_t escapement = Round16((270 - angle * 180 / Pi) * 10);
    const int16_t x = Round16(g.centreX - rho * std::cos(angle) - half * std::cos(angle + HalfPi));
    const int16_t y = Round16(g.centreY - rho * std::sin(angle) - half * std::sin(angle + HalfPi));
    DrawRotatedText(ctx.canvas, size, RimFace, escapement, false, x, y, 100, QString(c));
}

bool IsLightColour(Colour c)
{
    const double luma = 0.299 * (c & 0xFF) + 0.587 * ((c >> 8) & 0xFF) + 0.114 * ((c >> 16) & 0xFF);
    return luma >= 128;
}

std::vector<QPoint> RimSector(const ChartGeometry& g, double r, double fromAngle, double toAngle)
{
    const double step = r > 1 ? 2 * std::acos(1 - 0.25 / r) : Pi / 8;
    const int n = std::max(1, static_cast<int>(std::ceil((toAngle - fromAngle) / step)));
    std::vector<QPoint> points{QPoint(g.centreX, g.centreY)};
    for (int i = 0; i <= n; ++i) {
        const double a = fromAngle + (toAngle - fromAngle) * i / n;
        points.emplace_back(Round32(g.centreX - r * std::cos(a)), Round32(g.centreY - r * std::sin(a)));
    }
    return points;
}

void DrawHatDisc(const LayerContext& ctx, bool whiteOptionSelected)
{
    Canvas& cv = ctx.canvas;
    const ChartGeometry& g = ctx.geometry;
    const double r = g.hatRadius;
    const double gamma = g.glueHalfAngle;
    if (whiteOptionSelected) {
        cv.FillStyle = 1;
        cv.ForeColor = Black;
        cv.Circle(g.centreX, g.centreY, r);
    } else {
        cv.ForeColor = White;
        cv.FillStyle = 0;
        cv.FillColor = ctx.settings.RColor;
        // The sky only: the glue tab is hidden once the hat is glued and gets no ink of the disc.
        if (gamma > 0)
            cv.Polygon(RimSector(g, r, -(Pi - gamma), Pi - gamma), ctx.settings.RColor);
        else
            cv.Circle(g.centreX, g.centreY, r);
    }

    const Colour line = IsLightColour(ctx.settings.RColor) ? Black : White;
    cv.ForeColor = line;
    if (gamma != 0 || ctx.settings.Fhoi) {
        const double x = g.centreX + r * std::cos(gamma);
        const double upper = g.centreY - r * std::sin(gamma);
        const double lower = g.centreY + r * std::sin(gamma);
        if (upper > 0)
            cv.Line(g.centreX, g.centreY, x, upper, line);
        if (lower > 0)
            cv.Line(g.centreX, g.centreY, x, lower, line);
    }
    if (g.sheetCount == 2)
        cv.Line(g.centreX - r, g.centreY, g.centreX + r, g.centreY, line);
}

void DrawAltitudeCircles(const LayerContext& ctx)
{
    Canvas& cv = ctx.canvas;
    const ChartGeometry& g = ctx.geometry;
    cv.DrawWidth = ctx.printing ? ctx.settings.Lwidth : 1;
    cv.FillStyle = 1;
    for (int i = 1; i <= 8; ++i) {
        const int32_t rho = Round32(g.hatRadius / 9.0 * i);
        DrawDashedArc(cv, g.centreX, g.centreY, rho, ctx.settings.KdHiColor, g.glueHalfAngle, 2 * Pi - g.glueHalfAngle);
    }
}

void DrawAzimuthLines(const LayerContext& ctx, int16_t sheet)
{
    Canvas& cv = ctx.canvas;
    const ChartGeometry& g = ctx.geometry;
    cv.DrawStyle = 0;
    cv.DrawWidth = ctx.printing ? ctx.settings.Lwidth : 1;
    cv.FillStyle = 1;
    const double r = g.hatRadius;
    for (int k = -11; k <= 11; ++k) {
        const double a = k * (Pi / 12) * (Pi - g.glueHalfAngle) / Pi;
        const int16_t x1 = Round16(g.centreX - r * std::cos(a));
        const int16_t y1 = Round16(g.centreY - r * std::sin(a));
        const int16_t x2 = Round16(g.centreX - r / 18 * std::cos(a));
        const int16_t y2 = Round16(g.centreY - r / 18 * std::sin(a));
        if (g.sheetCount == 2 && (sheet == 1 ? y1 > g.centreY : y1 <= g.centreY))
            continue;
        if (k == 0 || k == 6 || k == -6)
            cv.Line(x2, y2, x1, y1, ctx.settings.KdHiColor);
        else
            DrawDashedLine(cv, x2, y2, x1, y1, ctx.settings.KdHiColor);
    }
}

void DrawOutlineAndLegends(const LayerContext& ctx, const SiteLegend& site)
{
    Canvas& cv = ctx.canvas;
    const ChartGeometry& g = ctx.geometry;
    const HatSettings& s = ctx.settings;
    const double R = g.hatRadius;
    cv.FillStyle = 1;
    cv.ForeColor = Black;

    cv.Circle(g.centreX, g.centreY, R + g.rimMargin, Black); // cut circle
    cv.Circle(g.centreX, g.centreY, R, Black);               // horizon

    static const QString Directions[5] = {QStringLiteral("南"), QStringLiteral("東"), QStringLiteral("北"),
                                          QStringLiteral("西"), QStringLiteral("南")};
    const int16_t labelSize = DirectionLabelSize(cv, g);
    // South stands on both edges of the glue tab; with no tab the two would print on each other.
    const int lastLabel = g.glueHalfAngle > 0 ? 2 : 1;
    for (int k = -2; k <= lastLabel; ++k)
        DrawRimCharacter(ctx, Directions[k + 2][0], labelSize, QuarterAngle(k, g.glueHalfAngle), R);

    const Colour pictureColours[4] = {s.KinColor, s.KaColor, s.MokuColor, s.DoColor};
    for (const RimRun& run : LayOutRimLegends(cv, g, {site, DateLegend(s)})) {
        const double mid = R + g.rimMargin / 2.0;
        const int16_t pictureRadius = Round16(CharacterHeight(cv, run.size) / 2.0);
        for (const RimCell& cell : run.cells) {
            if (cell.planet) {
                // A white picture would vanish on the paper: it is drawn black.
                const Colour c = pictureColours[static_cast<int>(*cell.planet)];
                DrawPlanetGlyph(cv, *cell.planet, Round16(g.centreX - mid * std::cos(cell.angle)),
                                Round16(g.centreY - mid * std::sin(cell.angle)), c == White ? Black : c, pictureRadius);
            } else if (cell.character != QLatin1Char(' ')) {
                DrawRimCharacter(ctx, cell.character, run.size, cell.angle, run.rho);
            }
        }
    }
}

} // namespace orv
