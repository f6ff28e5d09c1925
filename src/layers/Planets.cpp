#include "layers/Planets.h"

#include "astro/HatProjection.h"
#include "astro/Numeric.h"
#include "astro/Series.h"

namespace orv {

QString PlanetIdentifier(Planet planet)
{
    switch (planet) {
    case Planet::Venus: return QStringLiteral("VENUS");
    case Planet::Mars: return QStringLiteral("MARS");
    case Planet::Jupiter: return QStringLiteral("JUPITER");
    case Planet::Saturn: break;
    }
    return QStringLiteral("SATURN");
}

void DrawPlanet(const LayerContext& ctx, const DataFolder& folder, ProblemLog& log, Planet planet, Colour colour,
                const ObservationTime& time, double longitude, double latitude)
{
    Canvas& cv = ctx.canvas;
    const ChartGeometry& g = ctx.geometry;
    cv.DrawWidth = ctx.PenWidth(ctx.settings.Pwidth);
    const double phi = latitude * Pi / 180;
    const double theta = LocalSiderealAngle(time, longitude);
    const double t = JulianCenturiesForDate(time.Year, time.Month, time.Day, time.Hour, time.Minute, 0);
    const auto place = PlanetRaDec(folder, PlanetIdentifier(planet), t, log);
    if (!place)
        return;
    const Horizontal h = EquatorialToHorizontal(place->declination, theta - place->rightAscension, phi);
    const int16_t dx = Round16(g.hatRadius * HatOffsetX(h.azimuth, h.altitude, g.glueHalfAngle));
    const int16_t dy = Round16(g.hatRadius * HatOffsetY(h.azimuth, h.altitude, g.glueHalfAngle));
    const int16_t px = static_cast<int16_t>(g.centreX - dx);
    const int16_t py = static_cast<int16_t>(g.centreY - dy);
    const int16_t size = Round16(static_cast<int32_t>(g.hatRadius * 7) / 400.0);
    cv.FillStyle = 1;
    if (static_cast<double>(g.hatRadius) * g.hatRadius > static_cast<double>(dx) * dx + static_cast<double>(dy) * dy)
        DrawPlanetGlyph(cv, planet, px, py, colour, size);
}

} // namespace orv
