#include "settings/SiteTable.h"

#include "astro/Numeric.h"
#include "render/DataFolder.h"
#include "render/SequentialFields.h"
#include "settings/SettingControls.h"

namespace orv {

namespace {

double PartOf(const QString& text, int start, int length)
{
    return LeadingNumber(QStringView(text).mid(start - 1).left(length));
}

bool InTable(int prefecture, int entry)
{
    return prefecture >= 0 && prefecture < SiteTable::PrefectureSlots && entry >= 0 && entry < SiteTable::EntrySlots;
}

} // namespace

SiteCoordinates ParseCoordinateText(const QString& text)
{
    const double lon = PartOf(text, 2, 3) + PartOf(text, 6, 2) / 60 + PartOf(text, 9, 4) / 3600;
    const double lat = PartOf(text, 15, 2) + PartOf(text, 18, 2) / 60 + PartOf(text, 21, 4) / 3600;
    return {lon, lat};
}

SiteTable::SiteTable() : records_(PrefectureSlots * EntrySlots) {}

SiteRecord& SiteTable::At(int prefecture, int entry)
{
    return records_[static_cast<size_t>(prefecture * EntrySlots + entry)];
}

const SiteRecord& SiteTable::Record(int prefecture, int entry) const
{
    static const SiteRecord none;
    if (!InTable(prefecture, entry))
        return none;
    return records_[static_cast<size_t>(prefecture * EntrySlots + entry)];
}

int SiteTable::MunicipalityCount(int prefecture) const
{
    return Round32(LeadingNumber(Record(prefecture, 0).label));
}

void SiteTable::Load(const QByteArray& bytes)
{
    records_.assign(PrefectureSlots * EntrySlots, SiteRecord{});
    SequentialFields fields(bytes);
    QByteArray header;
    fields.NextRaw(header);
    int previous = 0;
    int k = 0;
    while (!fields.AtEnd()) {
        const QStringList f = fields.NextTexts(5);
        const int p = Round32(LeadingNumber(f[0]));
        if (p < 0 || p >= PrefectureSlots)
            continue; // a line outside the table is skipped; the rest is still read
        if (p != previous) {
            At(previous, 0).label = NumberWithSignBlank(k - 1);
            k = 0;
        }
        previous = p;
        if (k >= EntrySlots)
            continue;
        SiteRecord& r = At(p, k);
        r.name = f[2];
        r.label = f[3];
        r.coordinateText = f[4];
        ++k;
    }
    At(47, 0).label = NumberWithSignBlank(k - 1);

    for (int p = 1; p <= 47; ++p)
        for (int entry = 0; entry <= std::min(MunicipalityCount(p), EntrySlots - 1); ++entry) {
            SiteRecord& r = At(p, entry);
            const SiteCoordinates c = ParseCoordinateText(r.coordinateText);
            r.longitude = c.longitude;
            r.latitude = c.latitude;
        }
}

bool SiteTable::LoadSiteTable(const DataFolder& folder)
{
    const auto bytes = folder.Read(QString::fromLatin1(FileName));
    if (!bytes)
        return false;
    Load(*bytes);
    return true;
}

void SiteTable::FillPrefectureList(ListControl& list) const
{
    QStringList names;
    for (int p = 1; p <= 47; ++p)
        names << Record(p, 0).name;
    list.Fill(names);
}

void SiteTable::FillMunicipalityList(ListControl& list, int prefecture) const
{
    QStringList names;
    const int n = std::min(MunicipalityCount(prefecture), EntrySlots - 1);
    for (int k = 1; k <= n; ++k)
        names << Record(prefecture, k).name;
    list.Fill(names);
}

} // namespace orv
