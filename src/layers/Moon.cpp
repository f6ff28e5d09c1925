#include "layers/Moon.h"

#include "astro/HatProjection.h"
#include "astro/Numeric.h"
#include "astro/Parallax.h"

#include <QPointF>
#include <cmath>

namespace orv {

namespace {

// How far along the great circle the direction is sampled: small against the Moon's drawn size
// (about 2 degrees of sky), large against rounding.
constexpr double DirectionStep = 0.2 * Pi / 180;

// Offsets on the hat, in units of the horizon radius, of a sky place.
QPointF HatOffsets(const RaDec& place, double theta, double latitude, double glueHalfAngle)
{
    const Horizontal h = EquatorialToHorizontal(place.declination, theta - place.rightAscension, latitude);
    return {HatOffsetX(h.azimuth, h.altitude, glueHalfAngle), HatOffsetY(h.azimuth, h.altitude, glueHalfAngle)};
}

} // namespace

std::optional<double> ChartDirectionTowards(const RaDec& from, const RaDec& to, double theta, double latitude,
                                            double glueHalfAngle)
{
    const SkyVector a = VectorTowards(from);
    const SkyVector b = VectorTowards(to);
    const SkyVector across = b - Dot(a, b) * a;
    const double length = Length(across);
    if (length < 1e-9)
        return std::nullopt;
    const SkyVector ahead = std::cos(DirectionStep) * a + (std::sin(DirectionStep) / length) * across;
    const QPointF p0 = HatOffsets(from, theta, latitude, glueHalfAngle);
    const QPointF p1 = HatOffsets(DirectionOf(ahead), theta, latitude, glueHalfAngle);
    // Offsets are subtracted from the centre to give device positions.
    return std::atan2(p0.y() - p1.y(), p0.x() - p1.x());
}

void DrawMoonPhase(const LayerContext& ctx, double phaseAngle, double sunward, int16_t x, int16_t y, int16_t r,
                   Colour colour)
{
    Canvas& cv = ctx.canvas;
    cv.DrawWidth = ctx.PenWidth(ctx.settings.MoonWidth);
    cv.Circle(x, y, r, ctx.settings.RColor == Black ? White : Black);
    cv.ForeColor = colour;

    // Across the disc, q runs towards the Sun and v at right angles to it. The lit part lies
    // between the limb's sunward half, q = sqrt(r^2 - v^2), and the terminator, the half-ellipse
    // q = -cos(i) sqrt(r^2 - v^2): its area is (1 + cos i) / 2 of the disc, and it is
    // (1 + cos i) sqrt(r^2 - v^2) thick. It is drawn as a polygon whose outline spreads half the
    // pen beyond it: the lit limb runs half a pixel inside the limb, so that it stays within the
    // limb's own pixels, the terminator is moved towards the Sun by half the pen, and only the
    // part at least one pen thick is drawn (a thinner crescent stays dark, a crescent's horns end
    // where they get thinner).
    const double pen = cv.DrawWidth;
    const double thickest = (1 + std::cos(phaseAngle)) * r;
    if (thickest < pen)
        return;
    const double first = std::asin(pen / thickest);
    const double a = r - 0.5;
    const double ux = std::cos(sunward);
    const double uy = std::sin(sunward);
    std::vector<QPoint> points(360);
    for (int f = 0; f < 180; ++f) {
        const double g = first + f * (Pi - 2 * first) / 179;
        const double v = a * std::cos(g);
        const double limb = a * std::sin(g);
        const double edge = std::min(-std::cos(phaseAngle) * limb + pen / 2, limb);
        const auto at = [&](double q) { return QPoint(Round16(x + q * ux - v * uy), Round16(y + q * uy + v * ux)); };
        points[f] = at(edge);
        points[359 - f] = at(limb);
    }
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
    const auto moon = MoonSeriesPlace(folder, t, log);
    const auto sun = PlanetVector(folder, QStringLiteral("SUN"), t, log);
    if (!moon || !sun)
        return;
    const MoonPhase phase = PhaseOfMoon(*moon, *sun);
    const RaDec seen = TopocentricPlace(moon->place, moon->distance, theta, phi);
    const Horizontal h = EquatorialToHorizontal(seen.declination, theta - seen.rightAscension, phi);
    const int16_t dx = Round16(g.hatRadius * HatOffsetX(h.azimuth, h.altitude, g.glueHalfAngle));
    const int16_t dy = Round16(g.hatRadius * HatOffsetY(h.azimuth, h.altitude, g.glueHalfAngle));
    const int16_t r = Round16(static_cast<int32_t>(s.MoonR * g.hatRadius) / 400.0);
    // At new and full Moon the direction of the Sun does not matter: the disc is dark or lit whole.
    const double sunward = ChartDirectionTowards(seen, DirectionOf(*sun), theta, phi, g.glueHalfAngle).value_or(0);
    cv.FillStyle = 1;
    if (static_cast<double>(g.hatRadius) * g.hatRadius > static_cast<double>(dx) * dx + static_cast<double>(dy) * dy)
        DrawMoonPhase(ctx, phase.phaseAngle, sunward, static_cast<int16_t>(g.centreX - dx),
                      static_cast<int16_t>(g.centreY - dy), r, s.MoonColor);
}

} // namespace orv
