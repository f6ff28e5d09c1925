#pragma once
// Trigonometric series files of the planets, the Sun and the Moon and their evaluation. A file
// holds a title field, then records of serial number, amplitude A, time-power flag P, rate B
// (degrees per Julian century) and phase D (degrees); the sum is the total of A cos(B T + D),
// each term multiplied by T when P is exactly 1.

#include "astro/SkyVector.h"

#include <optional>
#include <vector>
#include <QByteArray>
#include <QString>

namespace orv {

class DataFolder;
class ProblemLog;

struct SeriesTerm {
    double amplitude = 0;
    double power = 0;
    double rate = 0;
    double phase = 0;
};
using SeriesTerms = std::vector<SeriesTerm>; // terms 1..n in file order

inline constexpr int PlanetSeriesCapacity = 100;
inline constexpr int MoonSeriesCapacity = 201;

// Parses the bytes of a series file. A field that is not a number, a record cut short or more
// terms than the capacity make the file unusable: nothing is returned and error says why.
std::optional<SeriesTerms> ParseSeries(const QByteArray& bytes, int capacity, QString* error);

// Reads and parses a series file from the data folder (and, unless dataFolderOnly, the program
// folder); a missing or malformed file is logged and gives nothing.
std::optional<SeriesTerms> ReadSeriesFile(const DataFolder& folder, const QString& fileName, int capacity,
                                          bool dataFolderOnly, ProblemLog& log);

// Sum of the series at T Julian centuries, last term first.
double SeriesSum(const SeriesTerms& terms, double t);

// Sum of one component ("U", "V" or "W") of a planet ("VENUS", "MARS", "JUPITER", "SATURN").
std::optional<double> PlanetSeriesSum(const DataFolder& folder, const QString& planet, const QString& component,
                                      double t, ProblemLog& log);

// Geocentric position (au) of a body with U, V and W series files: a planet or "SUN".
std::optional<SkyVector> PlanetVector(const DataFolder& folder, const QString& planet, double t, ProblemLog& log);

std::optional<RaDec> PlanetRaDec(const DataFolder& folder, const QString& planet, double t, ProblemLog& log);

// The Moon as its three series files in DATA give it: the declination (degrees), the right
// ascension (hours) and the distance from the Earth's centre (equatorial Earth radii).
struct MoonPlace {
    RaDec place; // geocentric
    double distance;
};
std::optional<MoonPlace> MoonSeriesPlace(const DataFolder& folder, double t, ProblemLog& log);

} // namespace orv
