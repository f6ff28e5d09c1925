#include "layers/HatOutline.h"

#include "astro/Numeric.h"
#include "layers/PlanetGlyph.h"
#include "render/Primitives.h"

#include <cmath>

namespace orv {

namespace {

const QString RimFace = QStringLiteral("ＭＳ ゴシック");

// Rim angle k quarter-turns from north: k = 1 west, -1 east, +-2 the two edges of the glue tab.
double QuarterAngle(int k, double glueHalfAngle)
{
    return k * (Pi - glueHalfAngle) / 2;
}

QString DateLegend(const HatSettings& s)
{
    return QStringLiteral("%1年%2月%3日 %4時%5分").arg(s.Year).arg(s.Month).arg(s.Day).arg(s.Hour).arg(s.Minute);
}

} // namespace

int CharacterHeight(const Canvas& canvas, int size)
{
    const int t = Round32(canvas.TwipsPerPixelX());
    return t > 0 ? (size * 20) / t : 0;
}

void DrawRimCharacter(const LayerContext& ctx, QChar c, int16_t size, double angle, double rho)
{
    const ChartGeometry& g = ctx.geometry;
    const double h = CharacterHeight(ctx.canvas, size);
    const int16_t escapement = Round16((270 - angle * 180 / Pi) * 10);
    const int16_t x = Round16(g.centreX - rho * std::cos(angle) - (h / 2) * std::cos(angle + HalfPi));
    const int16_t y = Round16(g.centreY - rho * std::sin(angle) - (h / 2) * std::sin(angle + HalfPi));
    DrawRotatedText(ctx.canvas, size, RimFace, escapement, false, x, y, 100, QString(c));
}

void DrawHatDisc(const LayerContext& ctx, bool whiteOptionSelected)
{
    Canvas& cv = ctx.canvas;
    const ChartGeometry& g = ctx.geometry;
    const double r = g.hatRadius;
    if (whiteOptionSelected) {
        cv.FillStyle = 1;
        cv.ForeColor = Black;
    } else {
        cv.ForeColor = White;
        cv.FillStyle = 0;
        cv.FillColor = ctx.settings.RColor;
    }
    cv.Circle(g.centreX, g.centreY, r);

    const Colour line = whiteOptionSelected ? Black : White;
    cv.ForeColor = line;
    const double gamma = g.glueHalfAngle;
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
    const double gamma = g.glueHalfAngle;
    cv.FillStyle = 1;
    cv.ForeColor = Black;

    cv.Circle(g.centreX, g.centreY, R + g.rimMargin, Black); // cut circle
    cv.Circle(g.centreX, g.centreY, R, Black);               // horizon

    static const QString Directions[5] = {QStringLiteral("南"), QStringLiteral("東"), QStringLiteral("北"),
                                          QStringLiteral("西"), QStringLiteral("南")};
    for (int k = -2; k <= 2; ++k)
        DrawRimCharacter(ctx, Directions[k + 2][0], 14, QuarterAngle(k, gamma), R);

    const double rho = R + 3;
    const double h = CharacterHeight(cv, 8);

    // Site, from four steps east of north towards east; then its coordinates at half steps.
    const QString t1 = site.prefecture + site.municipality;
    double a1 = 0;
    for (int i = 1; i <= t1.size(); ++i) {
        a1 = -h * (i + 3) / R;
        DrawRimCharacter(ctx, t1[i - 1], 8, a1, rho);
    }
    const QString t2 = site.coordinateText + QStringLiteral("用");
    for (int i = 1; i <= t2.size(); ++i)
        DrawRimCharacter(ctx, t2[i - 1], 8, a1 - h * (i + 1) / (2 * R), rho);

    // Date west of north, reading towards north, and the maker's credit just beyond its start.
    const QString t3 = DateLegend(s);
    const int n3 = static_cast<int>(t3.size());
    for (int i = n3; i >= 1; --i)
        DrawRimCharacter(ctx, t3[i - 1], 8, (n3 - i + 6) * h / (2 * R), rho);
    const QString t4 = QStringLiteral("(C)Vandrel");
    const int n4 = static_cast<int>(t4.size());
    for (int i = n4; i >= 1; --i)
        DrawRimCharacter(ctx, t4[i - 1], 8, (n3 + n4 - i + 7) * h / (2 * R), rho);

    // Product name and version from the upper glue line towards west.
    const QString t5 = QStringLiteral("Orvenza");
    double a5 = 0;
    for (int i = 1; i <= t5.size(); ++i) {
        a5 = (Pi - gamma) - (i + 2) * h / R;
        DrawRimCharacter(ctx, t5[i - 1], 8, a5, rho);
    }
    const QString t6 = QStringLiteral("Ver.1.3");
    for (int i = 1; i <= t6.size(); ++i)
        DrawRimCharacter(ctx, t6[i - 1], 8, a5 - (i + 1) * h / (2 * R), rho);

    // Planet legend from the lower glue line: picture, then the planet's name.
    struct LegendEntry {
        const char16_t* text;
        Planet planet;
        Colour colour;
    };
    const LegendEntry legend[4] = {{u"星金", Planet::Venus, s.KinColor},
                                   {u"星火", Planet::Mars, s.KaColor},
                                   {u"星木", Planet::Jupiter, s.MokuColor},
                                   {u"星土", Planet::Saturn, s.DoColor}};
    const double h9 = CharacterHeight(cv, 9);
    double b = Pi + gamma;
    for (const LegendEntry& e : legend) {
        const QString text = QString::fromUtf16(e.text);
        for (int i = 1; i <= 2; ++i)
            DrawRimCharacter(ctx, text[i - 1], 9, b + h9 * (i + 2) / R, R + 4);
        const double a = b + h9 * 5 / R;
        const double mid = R + g.rimMargin / 2.0;
        DrawPlanetGlyph(cv, e.planet, Round16(g.centreX - mid * std::cos(a)), Round16(g.centreY - mid * std::sin(a)),
                        e.colour == White ? Black : e.colour, Round16(h9 / 2));
        b = a;
    }
}

} // namespace orv
