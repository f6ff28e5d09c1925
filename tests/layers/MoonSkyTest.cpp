// The Moon on the "A4縦" screen chart against ERFA, evening after evening at sites from Sapporo
// to Naha: drawn where the site sees it, lit by the share of its disc ERFA gives, on the side
// facing the Sun. The young crescent low in the west after sunset is among the cases.
#ifdef ORVENZA_HAVE_ERFA

#include "layers/Moon.h"
#include "render/DataFolder.h"
#include "render/ScreenCanvas.h"
#include "support/ErfaSky.h"
#include "support/LayerFixture.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace orv;

namespace {

constexpr Colour Lit = 0x00FFFF;

// Device position on the fixture's chart of an observed direction.
QPointF OnChart(const test::LayerFixture& f, const Horizontal& h)
{
    const ChartGeometry& g = f.geometry;
    return {g.centreX - g.hatRadius * HatOffsetX(h.azimuth, h.altitude, g.glueHalfAngle),
            g.centreY - g.hatRadius * HatOffsetY(h.azimuth, h.altitude, g.glueHalfAngle)};
}

// What ERFA says the site sees: the Moon's place on the chart, the device-axes direction there
// of the great circle towards the Sun, and the illuminated fraction.
struct ErfaMoonView {
    QPointF centre;
    double sunward;
    double illuminatedFraction;
    double altitude;
};

ErfaMoonView ErfaView(const test::LayerFixture& f, const test::ErfaSite& site)
{
    const test::ErfaDate d = test::ErfaDateOf(site.time);
    const SkyVector moon = test::ErfaMoon(d);
    const SkyVector sun = test::ErfaSun(d);
    const SkyVector seen = moon - test::ErfaSiteOffset(site, d);
    const SkyVector a = (1 / Length(seen)) * seen;
    const SkyVector b = (1 / Length(sun)) * sun;
    const SkyVector across = b - Dot(a, b) * a;
    const double step = 0.2 * Pi / 180;
    const SkyVector ahead = std::cos(step) * a + (std::sin(step) / Length(across)) * across;
    const Horizontal h = test::ErfaObserved(site, DirectionOf(seen));
    const QPointF centre = OnChart(f, h);
    const QPointF towards = OnChart(f, test::ErfaObserved(site, DirectionOf(ahead)));
    const double i = AngleBetween(sun - moon, -1 * moon);
    return {centre, std::atan2(towards.y() - centre.y(), towards.x() - centre.x()), (1 + std::cos(i)) / 2,
            h.altitude};
}

// What the program draws: the limb's centre and radius from the calls, and on the screen the lit
// share of the pixels inside the limb and the direction of their centroid.
struct DrawnMoon {
    bool drawn = false;
    QPointF centre;
    double litFraction = 0;
    double litDirection = 0;
};

DrawnMoon Draw(test::LayerFixture& f, ScreenCanvas& screen, const test::ErfaSite& site)
{
    const DataFolder data(QStringLiteral(ORVENZA_SOURCE_DIR));
    ProblemLog log;
    f.canvas.Clear();
    DrawMoon(f.Context(), data, log, site.time, site.longitude, site.latitude);
    EXPECT_TRUE(log.Empty());
    DrawnMoon m;
    if (f.canvas.Calls().isEmpty())
        return m;
    const QStringList limb = f.canvas.Calls()[0].split(QLatin1Char(' '));
    const int x = limb[1].toInt(), y = limb[2].toInt(), r = limb[3].toInt();
    m.drawn = true;
    m.centre = QPointF(x, y);

    screen.Cls();
    DrawMoon({screen, f.geometry, f.settings, false}, data, log, site.time, site.longitude, site.latitude);
    const QImage& image = screen.Image();
    int disc = 0, lit = 0;
    double sx = 0, sy = 0;
    for (int py = y - r; py <= y + r; ++py)
        for (int px = x - r; px <= x + r; ++px) {
            if (std::hypot(px - x, py - y) > r)
                continue;
            ++disc;
            if ((image.pixel(px, py) & 0xFFFFFF) == 0xFFFF00) { // QRgb is 0xRRGGBB
                ++lit;
                sx += px - x;
                sy += py - y;
            }
        }
    m.litFraction = static_cast<double>(lit) / disc;
    m.litDirection = std::atan2(sy, sx);
    return m;
}

} // namespace

TEST(MoonSky, PlacePhaseAndLitSideAgreeWithErfaOnManyEvenings)
{
    test::LayerFixture f;
    f.settings.MoonColor = Lit;
    f.settings.RColor = Black; // a white limb, apart from the lit part on the white screen
    ScreenCanvas screen;
    screen.Resize(732, 1035);
    const struct {
        double longitude, latitude;
    } sites[] = {{141.3544, 43.0621}, {139.7536, 35.6939}, {130.4017, 33.5900}, {127.6811, 26.2124}};
    const int16_t hours[] = {18, 19, 20, 21};
    const int16_t minutes[] = {30, 0, 40, 10};
    double worstPlace = 0, worstFraction = 0, worstDirection = 0;
    int cases = 0, lowCrescents = 0, januaryFebruary = 0;
    int k = 0;
    for (const auto& s : sites)
        for (QDate date(2026, 1, 1); date.year() < 2028; date = date.addDays(4), ++k) {
            const test::ErfaSite site{{static_cast<int16_t>(date.year()), static_cast<int16_t>(date.month()),
                                       static_cast<int16_t>(date.day()), hours[k % 4], minutes[k % 4]},
                                      s.longitude, s.latitude};
            const DrawnMoon drawn = Draw(f, screen, site);
            if (!drawn.drawn)
                continue;
            const ErfaMoonView erfa = ErfaView(f, site);
            const QString when = date.toString(Qt::ISODate) + QStringLiteral(" %1N").arg(s.latitude);
            ++cases;
            januaryFebruary += date.month() <= 2;
            const double place = std::hypot(drawn.centre.x() - erfa.centre.x(), drawn.centre.y() - erfa.centre.y());
            EXPECT_LT(place, 2.5) << when.toStdString();
            worstPlace = std::max(worstPlace, place);
            const double fraction = std::abs(drawn.litFraction - erfa.illuminatedFraction);
            EXPECT_LT(fraction, 0.08) << when.toStdString();
            worstFraction = std::max(worstFraction, fraction);
            if (erfa.illuminatedFraction < 0.1 || erfa.illuminatedFraction > 0.9)
                continue;
            lowCrescents += erfa.illuminatedFraction < 0.3 && erfa.altitude < 15 * Pi / 180;
            const double direction = std::abs(std::remainder(drawn.litDirection - erfa.sunward, 2 * Pi)) * 180 / Pi;
            EXPECT_LT(direction, 20) << when.toStdString();
            worstDirection = std::max(worstDirection, direction);
        }
    EXPECT_GT(cases, 300);
    EXPECT_GT(lowCrescents, 10);
    EXPECT_GT(januaryFebruary, 50);
    std::printf("%d evenings (%d crescents low in the sky): place within %.2f px, lit fraction within %.3f, "
                "lit side within %.1f degrees\n",
                cases, lowCrescents, worstPlace, worstFraction, worstDirection);
}

#endif
