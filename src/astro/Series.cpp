#include "astro/Series.h"

#include "astro/Numeric.h"
#include "render/DataFolder.h"
#include "render/SequentialFields.h"

#include <cmath>

namespace orv {

std::optional<SeriesTerms> ParseSeries(const QByteArray& bytes, int capacity, QString* error)
{
    SequentialFields fields(bytes);
    QByteArray title;
    fields.NextRaw(title);
    SeriesTerms terms;
    while (!fields.AtEnd()) {
        if (static_cast<int>(terms.size()) == capacity) {
            if (error)
                *error = QStringLiteral("項が %1 個を超えています").arg(capacity);
            return std::nullopt;
        }
        double values[5] = {};
        for (int f = 0; f < 5; ++f) {
            bool ok = false;
            if (!fields.NextNumber(values[f], &ok) || !ok) {
                if (error)
                    *error = QStringLiteral("%1 番目の項の値が数値ではありません").arg(terms.size() + 1);
                return std::nullopt;
            }
        }
        terms.push_back({values[1], values[2], values[3], values[4]});
    }
    return terms;
}

std::optional<SeriesTerms> ReadSeriesFile(const DataFolder& folder, const QString& fileName, int capacity,
                                          bool dataFolderOnly, ProblemLog& log)
{
    const auto bytes = folder.ReadOrLog(fileName, log, dataFolderOnly);
    if (!bytes)
        return std::nullopt;
    QString error;
    auto terms = ParseSeries(*bytes, capacity, &error);
    if (!terms)
        log.Add(QStringLiteral("データファイル %1 が正しくありません（%2）。").arg(fileName, error));
    return terms;
}

double SeriesSum(const SeriesTerms& terms, double t)
{
    double s = 0;
    for (auto it = terms.rbegin(); it != terms.rend(); ++it) {
        const double g = (it->rate * t + it->phase) / 180 * Pi;
        s += it->power == 1 ? it->amplitude * t * std::cos(g) : it->amplitude * std::cos(g);
    }
    return s;
}

std::optional<double> PlanetSeriesSum(const DataFolder& folder, const QString& planet, const QString& component,
                                      double t, ProblemLog& log)
{
    const auto terms = ReadSeriesFile(folder, planet + component + QStringLiteral(".DAT"), PlanetSeriesCapacity,
                                      false, log);
    if (!terms)
        return std::nullopt;
    return SeriesSum(*terms, t);
}

std::optional<SkyVector> PlanetVector(const DataFolder& folder, const QString& planet, double t, ProblemLog& log)
{
    const auto u = PlanetSeriesSum(folder, planet, QStringLiteral("U"), t, log);
    const auto v = PlanetSeriesSum(folder, planet, QStringLiteral("V"), t, log);
    const auto w = PlanetSeriesSum(folder, planet, QStringLiteral("W"), t, log);
    if (!u || !v || !w)
        return std::nullopt;
    return SkyVector{*u, *v, *w};
}

std::optional<RaDec> PlanetRaDec(const DataFolder& folder, const QString& planet, double t, ProblemLog& log)
{
    const auto vector = PlanetVector(folder, planet, t, log);
    if (!vector)
        return std::nullopt;
    return DirectionOf(*vector);
}

std::optional<MoonPlace> MoonSeriesPlace(const DataFolder& folder, double t, ProblemLog& log)
{
    const auto read = [&](const char* name) {
        return ReadSeriesFile(folder, QLatin1String(name), MoonSeriesCapacity, true, log);
    };
    const auto declination = read("MOONSSI.DAT");
    const auto rightAscension = read("MOONSSK.DAT");
    const auto distance = read("MOONSSR.DAT");
    if (!declination || !rightAscension || !distance)
        return std::nullopt;
    return MoonPlace{{SeriesSum(*rightAscension, t) / 12 * Pi, SeriesSum(*declination, t) / 180 * Pi},
                     SeriesSum(*distance, t)};
}

} // namespace orv
