// seriesfit: fits the planet, Sun and Moon series files to the ERFA ephemerides.
//
//   seriesfit OUTDIR            fit all eighteen series and write OUTDIR/*.DAT
//   seriesfit --check DATADIR   evaluate existing files against ERFA and print the errors
//
// Planets and Sun: U, V, W = geocentric position in au, J2000 mean equator
// and equinox, corrected for light time (eraPlan94 for the planet, eraEpv00
// for the Earth and the Sun).  Moon: declination in degrees and right
// ascension in hours, continuous, from the geocentric GCRS position of
// eraMoon98, and its distance from the Earth's centre in equatorial Earth
// radii.  T is Julian centuries of TT from J2000.0.

#include "fitter.h"

#include <erfa.h>
#include <erfam.h>
#include <iconv.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

using seriesfit::Term;

namespace {

constexpr double kProgramPi = 3.14159265358979;
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525.0;
constexpr double kValidFirstJd = 2451543.0;  // 1999-12-30 12h TT (JST 1999-12-31 starts at 15h UT)
constexpr double kValidLastJd = 2488435.5;   // 2101-01-02 0h TT (covers all of 2101-01-01)
constexpr double kMarginDays = 60.0;
constexpr double kRadToArcmin = 60.0 * 180.0 / 3.141592653589793238462643383280;
constexpr const char* kValidity = "有効1999-12-31～2101-01-01";
constexpr double kEarthRadiusMetres = 6378137.0;  // equatorial radius, the unit of the Moon's distance
constexpr int kMoonDistanceRecords = 30;

using Vec3 = std::array<double, 3>;

double Norm(const Vec3& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

double AngleBetween(const Vec3& a, const Vec3& b)
{
    const Vec3 c{a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    return std::atan2(Norm(c), a[0] * b[0] + a[1] * b[1] + a[2] * b[2]);
}

Vec3 Direction(double ra, double dec)
{
    return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}

double CenturiesOf(double jd) { return (jd - kJ2000) / kDaysPerCentury; }

// Geocentric planet position (au), light-time corrected, J2000 equator.
Vec3 PlanetGeocentric(int np, double jdTT)
{
    double pvh[2][3], pvb[2][3];
    eraEpv00(kJ2000, jdTT - kJ2000, pvh, pvb);
    Vec3 p{};
    double tau = 0;
    for (int it = 0; it < 4; ++it) {
        double pv[2][3];
        eraPlan94(kJ2000, jdTT - kJ2000 - tau, np, pv);
        for (int k = 0; k < 3; ++k) p[k] = pv[0][k] - pvh[0][k];
        tau = Norm(p) / ERFA_DC;
    }
    return p;
}

// Geocentric Sun position (au), light-time corrected, J2000 equator: the Sun's
// barycentric place when its light left it, seen from the barycentric Earth.
Vec3 SunGeocentric(double jdTT)
{
    double pvh[2][3], pvb[2][3];
    eraEpv00(kJ2000, jdTT - kJ2000, pvh, pvb);
    Vec3 p{};
    double tau = 0;
    for (int it = 0; it < 4; ++it) {
        double sh[2][3], sb[2][3];
        eraEpv00(kJ2000, jdTT - kJ2000 - tau, sh, sb);
        for (int k = 0; k < 3; ++k) p[k] = (sb[0][k] - sh[0][k]) - pvb[0][k];
        tau = Norm(p) / ERFA_DC;
    }
    return p;
}

// Geocentric Moon right ascension and declination (radians), GCRS.
void MoonRaDec(double jdTT, double& ra, double& dec)
{
    double pv[2][3];
    eraMoon98(kJ2000, jdTT - kJ2000, pv);
    ra = std::atan2(pv[0][1], pv[0][0]);
    dec = std::atan2(pv[0][2], std::hypot(pv[0][0], pv[0][1]));
}

// Distance of the Moon from the Earth's centre, in equatorial Earth radii.
double MoonDistance(double jdTT)
{
    double pv[2][3];
    eraMoon98(kJ2000, jdTT - kJ2000, pv);
    return Norm({pv[0][0], pv[0][1], pv[0][2]}) * ERFA_DAU / kEarthRadiusMetres;
}

// The program's evaluation: last record first, pi = 3.14159265358979.
double SeriesSum(const std::vector<Term>& terms, double t)
{
    double s = 0;
    for (auto k = terms.size(); k-- > 0;) {
        const Term& a = terms[k];
        const double g = (a.rate * t + a.phase) / 180.0 * kProgramPi;
        s += a.power == 1 ? a.amplitude * t * std::cos(g) : a.amplitude * std::cos(g);
    }
    return s;
}

std::string Num(double v)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

// Terms exactly as a reader gets them back from the text written by WriteSeries.
std::vector<Term> RoundTrip(const std::vector<Term>& in)
{
    std::vector<Term> out;
    for (const Term& t : in) {
        out.push_back({std::strtod(Num(t.amplitude).c_str(), nullptr), t.power,
                       std::strtod(Num(t.rate).c_str(), nullptr),
                       std::strtod(Num(t.phase).c_str(), nullptr)});
    }
    return out;
}

std::string ToCp932(const std::string& utf8)
{
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv CP932 not available");
    std::string out(utf8.size() * 2 + 16, '\0');
    char* inp = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* outp = out.data();
    size_t outLeft = out.size();
    const size_t r = iconv(cd, &inp, &inLeft, &outp, &outLeft);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1)) throw std::runtime_error("title not representable in CP932");
    out.resize(out.size() - outLeft);
    return out;
}

int gFilesWritten = 0;

void WriteSeries(const std::string& path, const std::string& titleUtf8, const std::vector<Term>& terms)
{
    std::string text = "\"" + ToCp932(titleUtf8) + "\"\r\n";
    for (size_t k = 0; k < terms.size(); ++k) {
        text += std::to_string(k + 1) + "," + Num(terms[k].amplitude) + "," + std::to_string(terms[k].power) +
                "," + Num(terms[k].rate) + "," + Num(terms[k].phase) + "\r\n";
    }
    std::ofstream f(path, std::ios::binary);
    if (!f) throw std::runtime_error("cannot write " + path);
    f << text;
    ++gFilesWritten;
}

// Reads a series file written by WriteSeries (title on the first line).
std::vector<Term> ReadSeries(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    if (!f) throw std::runtime_error("cannot read " + path);
    std::string line;
    std::getline(f, line);
    std::vector<double> fields;
    while (std::getline(f, line)) {
        for (char& c : line)
            if (c == ',' || c == '\r') c = ' ';
        std::istringstream is(line);
        std::string tok;
        while (is >> tok) fields.push_back(std::strtod(tok.c_str(), nullptr));
    }
    if (fields.size() % 5 != 0) throw std::runtime_error("bad record count in " + path);
    std::vector<Term> terms;
    for (size_t i = 0; i < fields.size(); i += 5)
        terms.push_back({fields[i + 1], fields[i + 2] == 1.0 ? 1 : 0, fields[i + 3], fields[i + 4]});
    return terms;
}

struct Stats {
    double max = 0, rms = 0;
};

// A body whose geocentric position is fitted as U, V, W series: the four
// planets (ERFA's planet number) and the Sun (number 0), with the records of
// each file.  The Sun's simple orbit reaches the target with fewer records.
struct Planet {
    const char* id;
    const char* japanese;
    int erfaIndex;
    int records;
};
constexpr int kSunIndex = 0;
constexpr Planet kPlanets[] = {{"VENUS", "金星", 2, 100},  {"MARS", "火星", 4, 100}, {"JUPITER", "木星", 5, 100},
                               {"SATURN", "土星", 6, 100}, {"SUN", "太陽", kSunIndex, 40}};

Vec3 Geocentric(const Planet& p, double jdTT)
{
    return p.erfaIndex == kSunIndex ? SunGeocentric(jdTT) : PlanetGeocentric(p.erfaIndex, jdTT);
}

Stats PlanetStats(const Planet& p, const std::array<std::vector<Term>, 3>& s)
{
    Stats st;
    double ss = 0;
    int n = 0;
    for (double jd = kValidFirstJd; jd <= kValidLastJd; jd += 0.5) {
        const double t = CenturiesOf(jd);
        const Vec3 fit{SeriesSum(s[0], t), SeriesSum(s[1], t), SeriesSum(s[2], t)};
        const double e = AngleBetween(fit, Geocentric(p, jd)) * kRadToArcmin;
        st.max = std::max(st.max, e);
        ss += e * e;
        ++n;
    }
    st.rms = std::sqrt(ss / n);
    return st;
}

Stats MoonStats(const std::vector<Term>& dec, const std::vector<Term>& ra)
{
    Stats st;
    double ss = 0;
    int n = 0;
    for (double jd = kValidFirstJd; jd <= kValidLastJd; jd += 0.125) {
        const double t = CenturiesOf(jd);
        const double d = SeriesSum(dec, t) / 180.0 * kProgramPi;
        const double a = SeriesSum(ra, t) / 12.0 * kProgramPi;
        double ra0, dec0;
        MoonRaDec(jd, ra0, dec0);
        const double e = AngleBetween(Direction(a, d), Direction(ra0, dec0)) * kRadToArcmin;
        st.max = std::max(st.max, e);
        ss += e * e;
        ++n;
    }
    st.rms = std::sqrt(ss / n);
    return st;
}

// Error of the distance series as the error of the Moon's horizontal parallax
// it causes (arcminutes), the parallax being the Earth radius over the distance.
Stats DistanceStats(const std::vector<Term>& distance)
{
    Stats st;
    double ss = 0;
    int n = 0;
    for (double jd = kValidFirstJd; jd <= kValidLastJd; jd += 0.125) {
        const double e = std::abs(1.0 / SeriesSum(distance, CenturiesOf(jd)) - 1.0 / MoonDistance(jd)) * kRadToArcmin;
        st.max = std::max(st.max, e);
        ss += e * e;
        ++n;
    }
    st.rms = std::sqrt(ss / n);
    return st;
}

std::string ErrorText(const Stats& s)
{
    char buf[80];
    std::snprintf(buf, sizeof buf, "最大誤差%.3f′ RMS%.3f′", s.max, s.rms);
    return buf;
}

void PrintStats(const char* name, const Stats& s, size_t records)
{
    std::printf("%-8s max %.4f'  rms %.4f'  records %zu\n", name, s.max, s.rms, records);
}

struct Grid {
    std::vector<double> jd;
    Eigen::VectorXd t;
    std::vector<char> inWindow;
};

Grid MakeGrid(double stepDays)
{
    Grid g;
    const double first = kValidFirstJd - kMarginDays;
    const int n = static_cast<int>(std::lround((kValidLastJd + kMarginDays - first) / stepDays)) + 1;
    g.t.resize(n);
    for (int i = 0; i < n; ++i) {
        const double jd = first + i * stepDays;
        g.jd.push_back(jd);
        g.t(i) = CenturiesOf(jd);
        g.inWindow.push_back(jd >= kValidFirstJd && jd <= kValidLastJd);
    }
    return g;
}

std::string Join(const std::string& dir, const std::string& name) { return dir + "/" + name; }

int Check(const std::string& dir)
{
    bool ok = true;
    for (const Planet& p : kPlanets) {
        std::array<std::vector<Term>, 3> s;
        const char* comps = "UVW";
        for (int c = 0; c < 3; ++c) s[c] = ReadSeries(Join(dir, std::string(p.id) + comps[c] + ".DAT"));
        const Stats st = PlanetStats(p, s);
        PrintStats(p.id, st, s[0].size() + s[1].size() + s[2].size());
        ok = ok && st.max < 0.05;
    }
    const auto dec = ReadSeries(Join(dir, "MOONSSI.DAT"));
    const auto ra = ReadSeries(Join(dir, "MOONSSK.DAT"));
    const Stats st = MoonStats(dec, ra);
    PrintStats("MOON", st, dec.size() + ra.size());
    ok = ok && st.max < 0.5;
    const auto distance = ReadSeries(Join(dir, "MOONSSR.DAT"));
    const Stats ds = DistanceStats(distance);
    PrintStats("MOONDIST", ds, distance.size());
    ok = ok && ds.max < 0.05;
    std::printf(ok ? "all within target\n" : "TARGET MISSED\n");
    return ok ? 0 : 1;
}

int FitAll(const std::string& dir, const std::string& only)
{
    const auto start = std::chrono::steady_clock::now();
    bool ok = true;

    // Planets: every 2 days, weights 1/distance so residuals are angles.
    const Grid pg = MakeGrid(2.0);
    for (const Planet& p : kPlanets) {
        if (!only.empty() && only != p.id) continue;
        const int n = static_cast<int>(pg.jd.size());
        Eigen::MatrixXd pos(n, 3);
        Eigen::VectorXd scale(n);
        for (int i = 0; i < n; ++i) {
            const Vec3 v = Geocentric(p, pg.jd[i]);
            for (int k = 0; k < 3; ++k) pos(i, k) = v[k];
            scale(i) = 1.0 / Norm(v);
        }
        std::array<std::vector<Term>, 3> series;
        const char* comps = "UVW";
        for (int c = 0; c < 3; ++c) {
            seriesfit::SeriesFitter fitter(pg.t, pos.col(c), scale, pg.inWindow);
            seriesfit::FitOptions opt;
            opt.budget = p.records;
            opt.refineEvery = 20;
            opt.reweightRounds = 4;
            opt.envelopeSpan = 15;
            opt.label = std::string(p.id) + comps[c];
            fitter.Run(opt);
            series[c] = RoundTrip(fitter.Terms());
        }
        const Stats st = PlanetStats(p, series);
        PrintStats(p.id, st, series[0].size() + series[1].size() + series[2].size());
        std::fflush(stdout);
        ok = ok && st.max < 0.05;
        for (int c = 0; c < 3; ++c) {
            const std::string title = std::string(p.japanese) + " " + comps[c] +
                                      "成分 (地心J2000赤道座標, au, 光差補正) " + ErrorText(st) + " " +
                                      kValidity;
            WriteSeries(Join(dir, std::string(p.id) + comps[c] + ".DAT"), title, series[c]);
        }
    }

    // Moon: every 6 hours.
    const Grid mg = MakeGrid(0.25);
    const int n = static_cast<int>(mg.jd.size());
    const auto fitMoon = [&](const Eigen::VectorXd& values, const Eigen::VectorXd& scale, int budget,
                             const char* label) {
        seriesfit::SeriesFitter fitter(mg.t, values, scale, mg.inWindow);
        seriesfit::FitOptions opt;
        opt.budget = budget;
        opt.refineEvery = 40;
        opt.reweightRounds = 3;
        opt.envelopeSpan = 8;
        opt.label = label;
        fitter.Run(opt);
        return RoundTrip(fitter.Terms());
    };

    if (only.empty() || only == "MOON") {
        // Declination in degrees, right ascension in hours unwrapped, weighted by
        // cos(declination) so both residuals are angles.
        Eigen::VectorXd dec(n), ra(n), decScale(n), raScale(n);
        double prev = 0;
        for (int i = 0; i < n; ++i) {
            double a, d;
            MoonRaDec(mg.jd[i], a, d);
            if (i == 0) {
                if (a < 0) a += 2 * M_PI;
            } else {
                a += 2 * M_PI * std::round((prev - a) / (2 * M_PI));
            }
            prev = a;
            ra(i) = a * 12.0 / kProgramPi;
            dec(i) = d * 180.0 / kProgramPi;
            decScale(i) = kProgramPi / 180.0;
            raScale(i) = std::cos(d) * kProgramPi / 12.0;
        }
        const std::vector<Term> decTerms = fitMoon(dec, decScale, 201, "MOONSSI");
        const std::vector<Term> raTerms = fitMoon(ra, raScale, 201, "MOONSSK");
        const Stats st = MoonStats(decTerms, raTerms);
        PrintStats("MOON", st, decTerms.size() + raTerms.size());
        ok = ok && st.max < 0.5;
        WriteSeries(Join(dir, "MOONSSI.DAT"),
                    "月 赤緯 (度, 地心J2000赤道座標) " + ErrorText(st) + " " + kValidity, decTerms);
        WriteSeries(Join(dir, "MOONSSK.DAT"),
                    "月 赤経 (時, 連続値, 地心J2000赤道座標) " + ErrorText(st) + " " + kValidity, raTerms);
    }

    if (only.empty() || only == "MOONDIST") {
        // Distance in Earth radii, weighted by 1/distance^2 so the residual is the
        // error of the horizontal parallax in radians.
        Eigen::VectorXd distance(n), scale(n);
        for (int i = 0; i < n; ++i) {
            distance(i) = MoonDistance(mg.jd[i]);
            scale(i) = 1.0 / (distance(i) * distance(i));
        }
        const std::vector<Term> terms = fitMoon(distance, scale, kMoonDistanceRecords, "MOONSSR");
        const Stats st = DistanceStats(terms);
        PrintStats("MOONDIST", st, terms.size());
        ok = ok && st.max < 0.05;
        WriteSeries(Join(dir, "MOONSSR.DAT"),
                    "月 地心距離 (地球赤道半径単位) 視差の" + ErrorText(st) + " " + kValidity,
                    terms);
    }

    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("wrote %d files to %s in %.0f s%s\n", gFilesWritten, dir.c_str(), secs, ok ? "" : "  (TARGET MISSED)");
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 3 && std::string(argv[1]) == "--check") return Check(argv[2]);
        // A second argument (VENUS, MARS, JUPITER, SATURN, SUN, MOON or MOONDIST) fits that body only.
        if ((argc == 2 || argc == 3) && argv[1][0] != '-') return FitAll(argv[1], argc == 3 ? argv[2] : "");
        std::fprintf(stderr, "usage: seriesfit OUTDIR [BODY] | seriesfit --check DATADIR\n");
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "seriesfit: %s\n", e.what());
        return 2;
    }
}
