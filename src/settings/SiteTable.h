#pragma once
// The observation sites: for each prefecture 1..47 its own entry (the prefectural office) and its
// municipalities (the city, town or village office), read once from IDOKEIDO.DAT.

#include <QByteArray>
#include <QString>
#include <vector>

namespace orv {

struct ListControl;
class DataFolder;

struct SiteRecord {
    QString name;
    QString label; // in a prefecture's own entry: the number of its municipalities
    QString coordinateText;
    double latitude = 0;
    double longitude = 0;
};

// Longitude and latitude in degrees from a text such as "E139.41.30.0 N35.41.22.0".
struct SiteCoordinates {
    double longitude;
    double latitude;
};
SiteCoordinates ParseCoordinateText(const QString& text);

class SiteTable {
public:
    static constexpr int PrefectureSlots = 49; // 0..48
    static constexpr int EntrySlots = 401;     // 0..400
    static constexpr char FileName[] = "IDOKEIDO.DAT";

    SiteTable();

    // Reads the table from the bytes of a site file.
    void Load(const QByteArray& bytes);
    // Reads DATA/IDOKEIDO.DAT, or IDOKEIDO.DAT in the program folder. False when neither opens.
    bool LoadSiteTable(const DataFolder& folder);

    const SiteRecord& Record(int prefecture, int entry) const;
    // Number of municipalities of a prefecture, from its own entry's label.
    int MunicipalityCount(int prefecture) const;

    void FillPrefectureList(ListControl& list) const;
    // Refills the municipality list with the municipalities of a prefecture; selects nothing.
    void FillMunicipalityList(ListControl& list, int prefecture) const;

private:
    SiteRecord& At(int prefecture, int entry);
    std::vector<SiteRecord> records_;
};

} // namespace orv
