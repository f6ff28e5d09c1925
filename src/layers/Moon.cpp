#include "layers/Moon.h"

#include "astro/HatProjection.h"
#include "astro/Numeric.h"
#include "astro/Series.h"

#include <cmath>

namespace orv {

int16_t MoonAge(int16_t year, int16_t month, int16_t day)
{
    const int16_t k = Round16(Int((year - 5) / 19.0) * 19 + 14);
    int16_t age = static_cast<int16_t>(((year - k) * 11 + month + day) % 30);
    if (age < 0)
        age = static_cast<int16_t>(age + 30);
    if (month == 1 || month == 2)
        age = static_cast<int16_t>(age + 2);
    return age;
}

namespace {

// Half-widths of the two arcs that bound the lit part, along the axis across the Moon.
struct PhaseArcs {
    double k1;
    double k2;
};

PhaseArcs ArcsForAge(int16_t age, int16_t r)
{
    if (age <= 6)
        return {static_cast<double>(Round16(static_cast<int16_t>((8 - age) * r) / 7.0)), static_cast<double>(r)};
    if (age <= 14)
        return {static_cast<double>(Round16(static_cast<int16_t>((7 - age) * r) / 7.0)), static_cast<double>(r)};
    if (age == 15)
        return {-static_cast<double>(r), static_cast<double>(r)};
    return {-static_cast<double>(r), (22 - age) * r / 7.0};
}

} // namespace

void DrawMoonPhase(const LayerContext& ctx, int16_t age, int16_t x, int16_t y, int16_t r, Colour colour)
{
    Canvas& cv = ctx.canvas;
    const ChartGeometry& g = ctx.geometry;
    cv.DrawWidth = ctx.PenWidth(ctx.settings.MoonWidth);
    const double towardsCentre = ArcTan2(g.centreY - y, g.centreX - x);
    cv.Circle(x, y, r, ctx.settings.RColor == Black ? White : Black);

    const PhaseArcs arcs = ArcsForAge(age, r);
    const double c = std::cos(-towardsCentre);
    const double s = std::sin(-towardsCentre);
    std::vector<QPoint> points(360);
    for (int f = 0; f < 180; ++f) {
        const double angle = f * Pi / 180;
        const int16_t u = Round16(r * std::cos(angle));
        const int16_t q1 = Round16(arcs.k1 * std::sin(angle));
        const double q2 = arcs.k2 * std::sin(angle);
        points[f] = QPoint(Round16(x - (u * c - q1 * s)), Round16(u * s + y + q1 * c));
        points[359 - f] = QPoint(Round16(x - (u * c - q2 * s)), Round16(u * s + y + q2 * c));
    }
    cv.ForeColor = colour;
    cv.Polygon(points, colour);
}

void DrawMoon(const LayerContext& ctx, const DataFolder& folder, ProblemLog& log, const ObservationTime& time,
              double longitude, double latitude)
{
    Canvas& cv = ctx.canvas;
    const ChartGeometry& g = ctx.geometry;
    const HatSettings& s = ctx.settings;
    cv.DrawWidth = ctx.PenWidth(s.Pwidth);
    const double phi = latitude * Pi / 180;
    const double theta = LocalSiderealAngle(time, longitude);
    const double t = JulianCenturiesForDate(time.Year, time.Month, time.Day, time.Hour, time.Minute, 0);
    const auto declination = ReadSeriesFile(folder, QStringLiteral("MOONSSI.DAT"), MoonSeriesCapacity, true, log);
    const auto rightAscension = ReadSeriesFile(folder, QStringLiteral("MOONSSK.DAT"), MoonSeriesCapacity, true, log);
    if (!declination || !rightAscension)
        return;
    const double alpha = SeriesSum(*rightAscension, t) / 12 * Pi;
    const double delta = SeriesSum(*declination, t) / 180 * Pi;
    const Horizontal h = EquatorialToHorizontal(delta, theta - alpha, phi);
    const int16_t dx = Round16(g.hatRadius * HatOffsetX(h.azimuth, h.altitude, g.glueHalfAngle));
    const int16_t dy = Round16(g.hatRadius * HatOffsetY(h.azimuth, h.altitude, g.glueHalfAngle));
    const int16_t r = Round16(static_cast<int32_t>(s.MoonR * g.hatRadius) / 400.0);
    const int16_t age = MoonAge(time.Year, time.Month, time.Day);
    cv.FillStyle = 1;
    if (static_cast<double>(g.hatRadius) * g.hatRadius > static_cast<double>(dx) * dx + static_cast<double>(dy) * dy)
        DrawMoonPhase(ctx, age, static_cast<int16_t>(g.centreX - dx), static_cast<int16_t>(g.centreY - dy), r, s.MoonColor);
}

} // namespace orv
