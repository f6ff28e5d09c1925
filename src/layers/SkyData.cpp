#include "layers/SkyData.h"

#include "astro/Numeric.h"
#include "render/DataFolder.h"
#include "render/SequentialFields.h"

namespace orv {

QString FixedText(const QString& text, int n)
{
    return text.left(n).leftJustified(n, QLatin1Char(' '));
}

std::optional<CatalogueList> LoadStarCatalogue(const DataFolder& folder, ProblemLog& log)
{
    const auto bytes = folder.ReadOrLog(QStringLiteral("KOSEI.DAT"), log);
    if (!bytes)
        return std::nullopt;
    CatalogueList table(StarCapacity + 1);
    SequentialFields fields(*bytes);
    int count = 0;
    while (!fields.AtEnd()) {
        QString f[4];
        for (QString& field : f)
            fields.NextText(field);
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
    const auto bytes = folder.ReadOrLog(QStringLiteral("MILKYWAY.DAT"), log);
    if (!bytes)
        return std::nullopt;
    CatalogueList table(MilkyWayCapacity + 1);
    SequentialFields fields(*bytes);
    int count = 0;
    while (!fields.AtEnd() && count < MilkyWayCapacity) {
        QString ra, dec;
        fields.NextText(ra);
        fields.NextText(dec);
        ++count;
        table[count].rightAscension = FixedText(ra, 6);
        table[count].declination = FixedText(dec, 5);
    }
    table[0].magnitudeText = QString::number(count);
    return table;
}

std::optional<QStringList> LoadFigures(const DataFolder& folder, bool edo, ProblemLog& log)
{
    const auto bytes = folder.ReadOrLog(edo ? QStringLiteral("SEISHUKU.DAT") : QStringLiteral("SEIZA.DAT"), log);
    if (!bytes)
        return std::nullopt;
    QStringList table{QString()};
    SequentialFields fields(*bytes);
    while (!fields.AtEnd() && table.size() <= FigureCapacity) {
        QString entry;
        fields.NextText(entry);
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
    const auto bytes = folder.ReadOrLog(edo ? QStringLiteral("HOSHIMEI.DAT") : QStringLiteral("NAME.DAT"), log);
    if (!bytes)
        return std::nullopt;
    NameTable table(1);
    SequentialFields fields(*bytes);
    while (!fields.AtEnd() && table.size() <= NameCapacity) {
        QString f[5];
        for (QString& field : f)
            fields.NextText(field);
        table.push_back({Round16(LeadingNumber(f[0])), f[1], Round16(LeadingNumber(f[2])),
                         Round16(LeadingNumber(f[3])), f[4]});
    }
    table[0].threshold = static_cast<int16_t>(table.size() - 1);
    return table;
}

} // namespace orv
