#include "layers/SkyData.h"

#include "astro/Numeric.h"
#include "render/DataFolder.h"
#include "render/SequentialFields.h"


namespace orv {

namespace {

// The fields of a sky data file, or nothing (logged) when the file opens nowhere.
std::optional<SequentialFields> OpenSkyFile(const DataFolder& folder, const QString& fileName, ProblemLog& log)
{
    const auto bytes = folder.ReadOrLog(fileName, log);
    if (!bytes)
        return std::nullopt;
    return SequentialFields(*bytes);
}

} // namespace

QString FixedText(const QString& text, int n)
{
    return text.left(n).leftJustified(n, QLatin1Char(' '));
}

std::optional<CatalogueList> LoadStarCatalogue(const DataFolder& folder, ProblemLog& log)
{
    auto fields = OpenSkyFile(folder, QStringLiteral("KOSEI.DAT"), log);
    if (!fields)
        return std::nullopt;
    CatalogueList table(StarCapacity + 1);
    int count = 0;
    while (!fields->AtEnd()) {
        const QStringList f = fields->NextTexts(4);
        ++count;
        const int n = Round16(LeadingNumber(f[0]));
        if (n < 1 || n > StarCapacity)
            continue; // not stored, but counted
        table[n] = {f[3], FixedText(f[1], 6), FixedText(f[2], 5), {}};
    }
    table[0].magnitudeText = QString::number(count);
    return table;
}

std::optional<CatalogueList> LoadMilkyWay(const DataFolder& folder, ProblemLog& log)
{
    auto fields = OpenSkyFile(folder, QStringLiteral("MILKYWAY.DAT"), log);
    if (!fields)
        return std::nullopt;
    CatalogueList table(MilkyWayCapacity + 1);
    int count = 0;
    while (!fields->AtEnd() && count < MilkyWayCapacity) {
        const QStringList f = fields->NextTexts(2);
        ++count;
        table[count].rightAscension = FixedText(f[0], 6);
        table[count].declination = FixedText(f[1], 5);
    }
    table[0].magnitudeText = QString::number(count);
    return table;
}

std::optional<QStringList> LoadFigures(const DataFolder& folder, bool edo, ProblemLog& log)
{
    auto fields = OpenSkyFile(folder, edo ? QStringLiteral("SEISHUKU.DAT") : QStringLiteral("SEIZA.DAT"), log);
    if (!fields)
        return std::nullopt;
    QStringList table{QString()};
    while (!fields->AtEnd() && table.size() <= FigureCapacity) {
        QString entry;
        fields->NextText(entry);
        while (entry.endsWith(QLatin1Char(' ')))
            entry.chop(1);
        if (!entry.startsWith(QLatin1Char(':')))
            table << entry;
    }
    table[0] = QString::number(table.size() - 1);
    return table;
}

std::optional<NameTable> LoadNames(const DataFolder& folder, bool edo, ProblemLog& log)
{
    auto fields = OpenSkyFile(folder, edo ? QStringLiteral("HOSHIMEI.DAT") : QStringLiteral("NAME.DAT"), log);
    if (!fields)
        return std::nullopt;
    NameTable table(1);
    while (!fields->AtEnd() && table.size() <= NameCapacity) {
        const QStringList f = fields->NextTexts(5);
        table.push_back({Round16(LeadingNumber(f[0])), f[1], Round16(LeadingNumber(f[2])),
                         Round16(LeadingNumber(f[3])), f[4]});
    }
    table[0].threshold = static_cast<int16_t>(table.size() - 1);
    return table;
}

} // namespace orv
