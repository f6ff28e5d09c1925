// The Moon's phase and the parallax of the site: worked cases, then the committed series against
// ERFA over the whole year list.

#include "astro/MoonPhase.h"
#include "astro/Numeric.h"
#include "astro/Parallax.h"
#include "render/DataFolder.h"
#include "support/ErfaSky.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace orv;

namespace {

constexpr double Degree = Pi / 180;

// The Moon 60 Earth radii away at ecliptic-like places along the equator, the Sun 1 au away at
// right ascension 0.
MoonPlace MoonAt(double rightAscension)
{
    return {{rightAscension, 0}, 60};
}
const SkyVector SunAtZero{1, 0, 0};

double Separation(const RaDec& a, const RaDec& b)
{
    return AngleBetween(VectorTowards(a), VectorTowards(b));
}

} // namespace

TEST(MoonPhase, NewQuartersAndFull)
{
    const MoonPhase full = PhaseOfMoon(MoonAt(Pi), SunAtZero);
    EXPECT_NEAR(full.elongation, Pi, 1e-12);
    EXPECT_NEAR(full.phaseAngle, 0, 1e-12);
    EXPECT_NEAR(full.illuminatedFraction, 1, 1e-12);
    EXPECT_NEAR(full.age, SynodicMonthDays / 2, 1e-9);

    // At quadrature the Sun, 23,455 Earth radii away, stands a little beyond a right angle as
    // seen from the Moon: a shade more than half the disc is lit.
    const MoonPhase first = PhaseOfMoon(MoonAt(HalfPi), SunAtZero);
    EXPECT_NEAR(first.age, SynodicMonthDays / 4, 1e-9);
    EXPECT_NEAR(first.phaseAngle, HalfPi - std::atan(60 / EarthRadiiPerAu), 1e-12);
    EXPECT_GT(first.illuminatedFraction, 0.5);
    EXPECT_LT(first.illuminatedFraction, 0.502);
    const MoonPhase last = PhaseOfMoon(MoonAt(-HalfPi), SunAtZero);
    EXPECT_NEAR(last.age, SynodicMonthDays * 3 / 4, 1e-9);
    EXPECT_NEAR(last.illuminatedFraction, first.illuminatedFraction, 1e-12);

    // Just after and just before new Moon: the age runs from 0 up to a whole synodic month.
    const MoonPhase young = PhaseOfMoon(MoonAt(2 * Degree), SunAtZero);
    const MoonPhase old = PhaseOfMoon(MoonAt(-2 * Degree), SunAtZero);
    EXPECT_NEAR(young.age, SynodicMonthDays * 2 / 360, 1e-9);
    EXPECT_NEAR(old.age, SynodicMonthDays * 358 / 360, 1e-9);
    EXPECT_LT(young.illuminatedFraction, 0.001);
    EXPECT_DOUBLE_EQ(MoonAge(Pi / 2), SynodicMonthDays / 4);
}

TEST(Parallax, LowersTheMoonByItsParallaxTimesTheSineOfTheZenithDistance)
{
    // Latitude 35 degrees, sidereal angle 0: the Moon on the meridian south of the zenith. The
    // site lies on the ellipsoid, a little nearer the centre and off the vertical, hence the margin.
    const double latitude = 35 * Degree;
    const double parallax = std::asin(1 / 60.0);
    for (double zenithDistance : {0.0, 30.0, 70.0, 89.0}) {
        const RaDec geocentric{0, latitude - zenithDistance * Degree};
        const RaDec seen = TopocentricPlace(geocentric, 60, 0, latitude);
        EXPECT_NEAR(Separation(geocentric, seen), parallax * std::sin(zenithDistance * Degree), 0.004 * parallax)
            << zenithDistance;
        if (zenithDistance > 0) {
            EXPECT_LT(seen.declination, geocentric.declination) << zenithDistance; // lowered
        }
    }
    // A body 23,455 Earth radii away (the Sun) moves by less than its 8.8" parallax.
    const RaDec sun{0, 0};
    EXPECT_LT(Separation(sun, TopocentricPlace(sun, EarthRadiiPerAu, 0, latitude)), 9 / 3600.0 * Degree);
}

#ifdef ORVENZA_HAVE_ERFA

namespace {

struct ErfaPhase {
    double separation; // Moon - Sun, radians
    bool waxing;
    double illuminatedFraction;
};

ErfaPhase ErfaPhaseAt(const ObservationTime& time)
{
    const test::ErfaDate d = test::ErfaDateOf(time);
    const SkyVector m = test::ErfaMoon(d);
    const SkyVector s = test::ErfaSun(d);
    const double i = AngleBetween(s - m, -1 * m);
    return {AngleBetween(m, s), m.y * s.x - m.x * s.y >= 0, (1 + std::cos(i)) / 2};
}

} // namespace

// Every 9th day from 2000 to 2100 at an hour that wanders through the day: January and February
// dates (whose calendar arithmetic counts them in the year before) among them.
TEST(MoonPhase, IlluminatedFractionAndAgeAgreeWithErfaOverTheYearList)
{
    const DataFolder folder(QStringLiteral(ORVENZA_SOURCE_DIR));
    ProblemLog log;
    // The files are read once for the bulk of the dates; the readers, which read them at every
    // call, are checked against the same sums at some of them.
    std::vector<SeriesTerms> series;
    for (const char* name : {"MOONSSI.DAT", "MOONSSK.DAT", "MOONSSR.DAT", "SUNU.DAT", "SUNV.DAT", "SUNW.DAT"})
        series.push_back(ReadSeriesFile(folder, QLatin1String(name), MoonSeriesCapacity, true, log).value());
    double worstFraction = 0, worstAge = 0;
    int k = 0, januaryFebruary = 0;
    for (QDate date(2000, 1, 1); date.year() <= 2100; date = date.addDays(9), ++k) {
        const ObservationTime time{static_cast<int16_t>(date.year()), static_cast<int16_t>(date.month()),
                                   static_cast<int16_t>(date.day()), static_cast<int16_t>(1 + k * 5 % 24),
                                   static_cast<int16_t>(k % 6 * 10)};
        const double t = JulianCenturiesForDate(time.Year, time.Month, time.Day, time.Hour, time.Minute, 0);
        const auto sum = [&](int s) { return SeriesSum(series[s], t); };
        const MoonPlace moon{{sum(1) / 12 * Pi, sum(0) / 180 * Pi}, sum(2)};
        const SkyVector sun{sum(3), sum(4), sum(5)};
        if (k % 400 == 0) {
            const auto readMoon = MoonSeriesPlace(folder, t, log);
            const auto readSun = PlanetVector(folder, QStringLiteral("SUN"), t, log);
            ASSERT_TRUE(readMoon && readSun);
            EXPECT_EQ(readMoon->place.rightAscension, moon.place.rightAscension);
            EXPECT_EQ(readMoon->distance, moon.distance);
            EXPECT_EQ(readSun->z, sun.z);
        }
        const MoonPhase phase = PhaseOfMoon(moon, sun);
        const ErfaPhase erfa = ErfaPhaseAt(time);
        januaryFebruary += time.Month <= 2;
        worstFraction = std::max(worstFraction, std::abs(phase.illuminatedFraction - erfa.illuminatedFraction));
        if (erfa.separation < 2 * Degree)
            continue; // at new Moon the age jumps from 29.5 to 0 days
        const double age = MoonAge(erfa.waxing ? erfa.separation : 2 * Pi - erfa.separation);
        worstAge = std::max(worstAge, std::abs(phase.age - age));
    }
    EXPECT_GT(januaryFebruary, 600);
    EXPECT_LT(worstFraction, 0.002);
    EXPECT_LT(worstAge, 0.01); // days: a quarter of an hour
    EXPECT_TRUE(log.Empty());
}

// The shift of the Moon from the Earth's centre to the site, against the site's offset as ERFA
// puts it, for the Moon low and high in the sky.
TEST(Parallax, AgreesWithErfaLowAndHighInTheSky)
{
    const DataFolder folder(QStringLiteral(ORVENZA_SOURCE_DIR));
    ProblemLog log;
    const test::ErfaSite sites[] = {{{2026, 1, 20, 0, 0}, 141.3544, 43.0621},  // Sapporo
                                    {{2026, 5, 19, 0, 0}, 139.7536, 35.6939},  // Tokyo
                                    {{2027, 2, 11, 0, 0}, 127.6811, 26.2124}}; // Naha
    int low = 0, high = 0;
    for (test::ErfaSite s : sites)
        for (int16_t hour = 1; hour <= 24 * 4; ++hour) {
            s.time.Hour = hour; // counts on into the following days
            const double t = JulianCenturiesForDate(s.time.Year, s.time.Month, s.time.Day, s.time.Hour, 0, 0);
            const auto moon = MoonSeriesPlace(folder, t, log);
            ASSERT_TRUE(moon);
            const double theta = LocalSiderealAngle(s.time, s.longitude);
            const RaDec seen = TopocentricPlace(moon->place, moon->distance, theta, s.latitude * Degree);
            const Horizontal h =
                EquatorialToHorizontal(seen.declination, theta - seen.rightAscension, s.latitude * Degree);
            if (h.altitude < 0)
                continue;
            low += h.altitude < 10 * Degree;
            high += h.altitude > 60 * Degree;
            const test::ErfaDate d = test::ErfaDateOf(s.time);
            const SkyVector m = test::ErfaMoon(d);
            const SkyVector erfaSeen = m - test::ErfaSiteOffset(s, d);
            const double shift = Separation(moon->place, seen);
            const double erfaShift = AngleBetween(m, erfaSeen);
            EXPECT_NEAR(shift, erfaShift, 0.3 / 60 * Degree) << hour;
            EXPECT_NEAR(Separation(seen, DirectionOf(erfaSeen)), 0, 0.5 / 60 * Degree) << hour;
        }
    EXPECT_GT(low, 3);
    EXPECT_GT(high, 3);
}

#endif
