// Accuracy of the committed planet, Sun and Moon series files against the ERFA ephemerides, over
// every date the year list can show (1999-12-31 to 2101-01-01, Japan Standard Time).
//
// Reference: T from the program's own JulianCenturiesForDate, read as Julian centuries of TT
// from J2000.0. Planets: eraPlan94 (heliocentric, J2000 mean equator and equinox) at the
// light-time-corrected instant minus eraEpv00's heliocentric Earth at T. Sun: eraEpv00's
// barycentric Sun at the light-time-corrected instant minus its barycentric Earth at T. Moon:
// eraMoon98 (geocentric, GCRS). Errors are angles between directions; the Moon's distance is
// judged by the error of the horizontal parallax it gives.

#include <gtest/gtest.h>

#include "astro/Numeric.h"
#include "astro/Series.h"
#include "astro/TimeConversions.h"
#include "render/DataFolder.h"

#include <QFile>

#include <array>
#include <cmath>
#include <ostream>
#include <vector>

#ifdef ORVENZA_HAVE_ERFA
#include <erfa.h>
#include <erfam.h>
#endif

namespace orv {
namespace {

constexpr double kArcminPerRadian = 60.0 * 180.0 / 3.141592653589793238462643383280;
constexpr double kPlanetLimitArcmin = 0.05;
constexpr double kMoonLimitArcmin = 0.5;

using Vec3 = std::array<double, 3>;

struct SampleDate {
    int16_t year, month, day, hour, minute;
};

// About 3,700 JST dates: three days a month through 2000-2100 at hours and minutes that
// wander through the day, plus every hour of the first and last day of the year list.
std::vector<SampleDate> SampleDates()
{
    std::vector<SampleDate> dates;
    for (int16_t h = 1; h <= 24; ++h) {
        dates.push_back({1999, 12, 31, h, 0});
        dates.push_back({2101, 1, 1, h, 50});
    }
    int k = 0;
    for (int16_t y = 2000; y <= 2100; ++y)
        for (int16_t m = 1; m <= 12; ++m)
            for (int16_t d : {3, 13, 23}) {
                ++k;
                dates.push_back({y, m, static_cast<int16_t>(d + k % 6), static_cast<int16_t>(1 + (k * 7) % 24),
                                 static_cast<int16_t>((k % 6) * 10)});
            }
    return dates;
}

double Centuries(const SampleDate& d)
{
    return JulianCenturiesForDate(d.year, d.month, d.day, d.hour, d.minute, 0);
}

Vec3 Direction(double ra, double dec)
{
    return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}

double AngleArcmin(const Vec3& a, const Vec3& b)
{
    const Vec3 c{a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    return std::atan2(std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]), a[0] * b[0] + a[1] * b[1] + a[2] * b[2]) *
           kArcminPerRadian;
}

DataFolder SourceDataFolder() { return DataFolder(QStringLiteral(ORVENZA_SOURCE_DIR)); }

const char* const kSeriesFiles[] = {"VENUSU.DAT", "VENUSV.DAT", "VENUSW.DAT", "MARSU.DAT", "MARSV.DAT",
                                    "MARSW.DAT", "JUPITERU.DAT", "JUPITERV.DAT", "JUPITERW.DAT",
                                    "SATURNU.DAT", "SATURNV.DAT", "SATURNW.DAT", "SUNU.DAT", "SUNV.DAT",
                                    "SUNW.DAT", "MOONSSI.DAT", "MOONSSK.DAT", "MOONSSR.DAT"};

// Every committed file is a quoted title line and records, all with CRLF line ends, within the
// capacity the program reads.
TEST(SeriesFiles, ReadableWithCrlfAndWithinCapacity)
{
    const DataFolder folder = SourceDataFolder();
    for (const char* name : kSeriesFiles) {
        SCOPED_TRACE(name);
        QFile f(folder.DataDir() + QStringLiteral("/") + QString::fromLatin1(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        ASSERT_TRUE(bytes.startsWith('"'));
        ASSERT_TRUE(bytes.endsWith("\r\n"));
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
        const bool moon = QByteArray(name).startsWith("MOON");
        ProblemLog log;
        const auto terms = ReadSeriesFile(folder, QString::fromLatin1(name),
                                          moon ? MoonSeriesCapacity : PlanetSeriesCapacity, true, log);
        ASSERT_TRUE(terms.has_value()) << log.Messages().join(u' ').toStdString();
        EXPECT_TRUE(log.Empty());
        EXPECT_EQ(static_cast<int>(terms->size()), bytes.count('\n') - 1);
    }
}

#ifdef ORVENZA_HAVE_ERFA

constexpr int kSun = 0; // not an ERFA planet number

// Geocentric position (au) of a planet, or of the Sun for kSun, corrected for light time.
Vec3 PlanetReference(int erfaPlanet, double t)
{
    const double days = t * 36525.0;
    double earthHelio[2][3], earthBary[2][3];
    eraEpv00(2451545.0, days, earthHelio, earthBary);
    Vec3 p{};
    double lightTime = 0;
    for (int it = 0; it < 4; ++it) {
        double pv[2][3];
        if (erfaPlanet == kSun) {
            double helio[2][3], bary[2][3];
            eraEpv00(2451545.0, days - lightTime, helio, bary);
            for (int k = 0; k < 3; ++k)
                p[k] = bary[0][k] - helio[0][k] - earthBary[0][k];
        } else {
            eraPlan94(2451545.0, days - lightTime, erfaPlanet, pv);
            for (int k = 0; k < 3; ++k)
                p[k] = pv[0][k] - earthHelio[0][k];
        }
        lightTime = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]) / ERFA_DC;
    }
    return p;
}

struct PlanetCase {
    const char* name;
    int erfaPlanet;
};

void PrintTo(const PlanetCase& c, std::ostream* os) { *os << c.name; }

class PlanetSeriesAccuracy : public ::testing::TestWithParam<PlanetCase> {};

TEST_P(PlanetSeriesAccuracy, WithinTargetOverTheYearList)
{
    const PlanetCase pc = GetParam();
    const DataFolder folder = SourceDataFolder();
    const QString planet = QString::fromLatin1(pc.name);
    ProblemLog log;
    // The files are read once for the bulk of the dates; PlanetRaDec, which reads them at each
    // call, is checked against the same sums at a few of them.
    std::array<SeriesTerms, 3> series;
    const char* const comps[] = {"U", "V", "W"};
    for (int c = 0; c < 3; ++c) {
        const auto terms = ReadSeriesFile(folder, planet + QString::fromLatin1(comps[c]) + QStringLiteral(".DAT"),
                                          PlanetSeriesCapacity, false, log);
        ASSERT_TRUE(terms.has_value()) << log.Messages().join(u' ').toStdString();
        series[c] = *terms;
    }
    double worst = 0, sumSq = 0;
    int n = 0;
    SampleDate worstDate{};
    for (const SampleDate& d : SampleDates()) {
        const double t = Centuries(d);
        const RaDec rd = RaDecFromVector(SeriesSum(series[0], t), SeriesSum(series[1], t), SeriesSum(series[2], t));
        if (n % 500 == 0) {
            const auto direct = PlanetRaDec(folder, planet, t, log);
            ASSERT_TRUE(direct.has_value());
            EXPECT_EQ(direct->rightAscension, rd.rightAscension);
            EXPECT_EQ(direct->declination, rd.declination);
        }
        const double e = AngleArcmin(Direction(rd.rightAscension, rd.declination), PlanetReference(pc.erfaPlanet, t));
        if (e > worst) {
            worst = e;
            worstDate = d;
        }
        sumSq += e * e;
        ++n;
    }
    EXPECT_LT(worst, kPlanetLimitArcmin) << pc.name << " worst at " << worstDate.year << "-" << worstDate.month << "-"
                                         << worstDate.day << " " << worstDate.hour << ":" << worstDate.minute;
    EXPECT_LT(std::sqrt(sumSq / n), kPlanetLimitArcmin / 2);
    EXPECT_TRUE(log.Empty());
}

INSTANTIATE_TEST_SUITE_P(Planets, PlanetSeriesAccuracy,
                         ::testing::Values(PlanetCase{"VENUS", 2}, PlanetCase{"MARS", 4}, PlanetCase{"JUPITER", 5},
                                           PlanetCase{"SATURN", 6}, PlanetCase{"SUN", kSun}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MoonSeriesAccuracy, WithinTargetOverTheYearList)
{
    const DataFolder folder = SourceDataFolder();
    ProblemLog log;
    const auto dec = ReadSeriesFile(folder, QStringLiteral("MOONSSI.DAT"), MoonSeriesCapacity, true, log);
    const auto ra = ReadSeriesFile(folder, QStringLiteral("MOONSSK.DAT"), MoonSeriesCapacity, true, log);
    ASSERT_TRUE(dec && ra) << log.Messages().join(u' ').toStdString();
    double worst = 0, sumSq = 0;
    int n = 0;
    SampleDate worstDate{};
    for (const SampleDate& d : SampleDates()) {
        const double t = Centuries(d);
        // Declination in degrees and right ascension in hours, converted as the Moon layer does.
        const double delta = SeriesSum(*dec, t) / 180 * Pi;
        const double alpha = SeriesSum(*ra, t) / 12 * Pi;
        double pv[2][3];
        eraMoon98(2451545.0, t * 36525.0, pv);
        const double e = AngleArcmin(Direction(alpha, delta), {pv[0][0], pv[0][1], pv[0][2]});
        if (e > worst) {
            worst = e;
            worstDate = d;
        }
        sumSq += e * e;
        ++n;
    }
    EXPECT_LT(worst, kMoonLimitArcmin) << "worst at " << worstDate.year << "-" << worstDate.month << "-"
                                       << worstDate.day << " " << worstDate.hour << ":" << worstDate.minute;
    EXPECT_LT(std::sqrt(sumSq / n), kMoonLimitArcmin / 2);
}

// The distance sum (equatorial Earth radii) gives the Moon's horizontal parallax, the Earth's
// radius over the distance, to within the planets' target.
TEST(MoonSeriesAccuracy, DistanceGivesTheParallax)
{
    const DataFolder folder = SourceDataFolder();
    ProblemLog log;
    const auto distance = ReadSeriesFile(folder, QStringLiteral("MOONSSR.DAT"), MoonSeriesCapacity, true, log);
    ASSERT_TRUE(distance.has_value()) << log.Messages().join(u' ').toStdString();
    double worst = 0;
    for (const SampleDate& d : SampleDates()) {
        const double t = Centuries(d);
        double pv[2][3];
        eraMoon98(2451545.0, t * 36525.0, pv);
        const double reference = std::sqrt(pv[0][0] * pv[0][0] + pv[0][1] * pv[0][1] + pv[0][2] * pv[0][2]) *
                                 ERFA_DAU / 6378137.0;
        worst = std::max(worst, std::abs(1 / SeriesSum(*distance, t) - 1 / reference) * kArcminPerRadian);
    }
    EXPECT_LT(worst, kPlanetLimitArcmin);
}

// The right-ascension sum is continuous: over any six hours it moves forward by a plausible
// amount and never jumps back by a full turn.
TEST(MoonSeriesAccuracy, RightAscensionSumIsUnwrapped)
{
    const DataFolder folder = SourceDataFolder();
    ProblemLog log;
    const auto ra = ReadSeriesFile(folder, QStringLiteral("MOONSSK.DAT"), MoonSeriesCapacity, true, log);
    ASSERT_TRUE(ra.has_value());
    const double step = 0.25 / 36525.0;
    const double first = JulianCenturiesForDate(1999, 12, 31, 1, 0, 0);
    const double last = JulianCenturiesForDate(2101, 1, 1, 24, 0, 0);
    double prev = SeriesSum(*ra, first);
    for (double t = first + step; t <= last; t += step) {
        const double a = SeriesSum(*ra, t);
        ASSERT_GT(a - prev, 0.05) << "T = " << t;
        ASSERT_LT(a - prev, 0.6) << "T = " << t;
        prev = a;
    }
}

#else

TEST(SeriesAccuracy, NeedsErfa)
{
    GTEST_SKIP() << "liberfa-dev not found: the series accuracy tests are skipped";
}

#endif

} // namespace
} // namespace orv
