// The chart against an independent ephemeris: ERFA turns the same J2000 positions into observed
// azimuth and altitude (no refraction) for the site and time, and both are placed with the hat
// projection on the "A4縦" screen chart. Stars, planets and the Moon must land within 2 pixels.
// The chart uses J2000 places without precession, so the difference grows by about 0.05 pixel a
// year from 2000; the dates below are the years the program is used in.
#ifdef ORVENZA_HAVE_ERFA

#include "astro/HatProjection.h"
#include "astro/Numeric.h"
#include "astro/Series.h"
#include "layers/SkyData.h"
#include "render/DataFolder.h"
#include "support/Fixtures.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

using namespace orv;

namespace {

constexpr double R = 342; // "A4縦" on screen

struct Case {
    ObservationTime time;
    double longitude;
    double latitude;
};

const Case Cases[] = {
    {{2026, 12, 7, 20, 0}, 139.7536, 35.6939}, // Tokyo, the evening of 7 December 2026
    {{2025, 3, 20, 5, 30}, 141.3544, 43.0621}, // Sapporo before dawn
    {{2031, 8, 12, 22, 10}, 127.6811, 26.2124}, // Naha, summer night
};

// Device offsets of a direction on the hat.
QPointF Place(double azimuth, double altitude, double gamma)
{
    return {R * HatOffsetX(azimuth, altitude, gamma), R * HatOffsetY(azimuth, altitude, gamma)};
}

// ERFA's observed place of a J2000 (ICRS) direction, placed on the hat.
QPointF ErfaPlace(const Case& c, double ra, double dec, double gamma)
{
    double utc1 = 0, utc2 = 0;
    eraCal2jd(c.time.Year, c.time.Month, c.time.Day, &utc1, &utc2);
    utc2 += (c.time.Hour - 9) / 24.0 + c.time.Minute / 1440.0;
    double aob, zob, hob, dob, rob, eo;
    eraAtco13(ra, dec, 0, 0, 0, 0, utc1, utc2, 0, c.longitude * Pi / 180, c.latitude * Pi / 180, 0, 0, 0, 0, 0, 0,
              0.55, &aob, &zob, &hob, &dob, &rob, &eo);
    const double azimuth = aob > Pi ? aob - 2 * Pi : aob;
    return Place(azimuth, HalfPi - zob, gamma);
}

// The program's place of a J2000 direction for the case's time and site.
QPointF ChartPlace(const Case& c, double ra, double dec, double gamma)
{
    const double theta = LocalSiderealAngle(c.time, c.longitude);
    const Horizontal h = EquatorialToHorizontal(dec, theta - ra, c.latitude * Pi / 180);
    return Place(h.azimuth, h.altitude, gamma);
}

double Distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// Geocentric J2000 direction of a planet from ERFA (light time iterated), as the series model it.
RaDec ErfaPlanet(int np, double t)
{
    const double tt = 36525 * t;
    double earthH[2][3], earthB[2][3], pv[2][3];
    eraEpv00(2451545, tt, earthH, earthB);
    double tau = 0, g[3] = {};
    for (int i = 0; i < 4; ++i) {
        eraPlan94(2451545, tt - tau, np, pv);
        for (int k = 0; k < 3; ++k)
            g[k] = pv[0][k] - earthH[0][k];
        tau = std::sqrt(g[0] * g[0] + g[1] * g[1] + g[2] * g[2]) / ERFA_DC;
    }
    return RaDecFromVector(g[0], g[1], g[2]);
}

} // namespace

TEST(SkyPosition, BrightStarsWhereAnIndependentEphemerisPutsThem)
{
    ProblemLog log;
    const auto stars = LoadStarCatalogue(DataFolder(orv::test::ProgramDir()), log);
    ASSERT_TRUE(stars);
    const double gamma = 60 * Pi / 360;
    for (const Case& c : Cases) {
        double worst = 0;
        int checked = 0;
        for (int i = 1; i <= (*stars)[0].magnitudeText.toInt(); ++i) {
            const CatalogueRecord& s = (*stars)[i];
            if (LeadingNumber(s.magnitudeText) > 2.5)
                continue;
            const double ra = ParseRightAscension(s.rightAscension);
            const double dec = ParseDeclination(s.declination);
            const QPointF chart = ChartPlace(c, ra, dec, gamma);
            if (std::hypot(chart.x(), chart.y()) > R * 0.95)
                continue; // near or below the horizon
            worst = std::max(worst, Distance(chart, ErfaPlace(c, ra, dec, gamma)));
            ++checked;
        }
        EXPECT_GT(checked, 20);
        EXPECT_LT(worst, 2.0) << c.time.Year;
    }
}

TEST(SkyPosition, PlanetsAndTheMoonWhereAnIndependentEphemerisPutsThem)
{
    const DataFolder data(orv::test::ProgramDir());
    ProblemLog log;
    const double gamma = 60 * Pi / 360;
    const struct {
        const char* name;
        int np;
    } planets[] = {{"VENUS", 2}, {"MARS", 4}, {"JUPITER", 5}, {"SATURN", 6}};
    for (const Case& c : Cases) {
        const double t = JulianCenturiesForDate(c.time.Year, c.time.Month, c.time.Day, c.time.Hour, c.time.Minute, 0);
        for (const auto& p : planets) {
            const auto series = PlanetRaDec(data, QString::fromLatin1(p.name), t, log);
            ASSERT_TRUE(series);
            const RaDec erfa = ErfaPlanet(p.np, t);
            EXPECT_LT(Distance(ChartPlace(c, series->rightAscension, series->declination, gamma),
                               ErfaPlace(c, erfa.rightAscension, erfa.declination, gamma)), 2.0)
                << p.name << ' ' << c.time.Year;
        }
        const auto dec = ReadSeriesFile(data, QStringLiteral("MOONSSI.DAT"), MoonSeriesCapacity, true, log);
        const auto ra = ReadSeriesFile(data, QStringLiteral("MOONSSK.DAT"), MoonSeriesCapacity, true, log);
        ASSERT_TRUE(dec && ra);
        double moon[2][3];
        eraMoon98(2451545, 36525 * t, moon);
        const RaDec erfa = RaDecFromVector(moon[0][0], moon[0][1], moon[0][2]);
        EXPECT_LT(Distance(ChartPlace(c, SeriesSum(*ra, t) / 12 * Pi, SeriesSum(*dec, t) / 180 * Pi, gamma),
                           ErfaPlace(c, erfa.rightAscension, erfa.declination, gamma)), 2.0)
            << "Moon " << c.time.Year;
    }
    EXPECT_TRUE(log.Empty());
}

#endif
