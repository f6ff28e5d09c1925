#pragma once
// Reading the sky data files (stars, figures, names, Milky Way): located in DATA first, then in
// the program folder, Shift-JIS, comma-separated sequential fields. A file that opens nowhere is
// logged and its layer draws nothing.

#include "astro/HatProjection.h"

#include <optional>
#include <QStringList>

namespace orv {

class DataFolder;
class ProblemLog;

inline constexpr int StarCapacity = 3000;
inline constexpr int MilkyWayCapacity = 200;
inline constexpr int FigureCapacity = 200;
inline constexpr int NameCapacity = 200;

// A text cut to n characters or padded with blanks on the right to n characters.
QString FixedText(const QString& text, int n);

// The star catalogue KOSEI.DAT: slot n holds the record whose field 1 is n; slot 0's magnitude
// text holds the number of records read.
std::optional<CatalogueList> LoadStarCatalogue(const DataFolder& folder, ProblemLog& log);

// MILKYWAY.DAT: slot i holds the i-th sample position; slot 0 the count.
std::optional<CatalogueList> LoadMilkyWay(const DataFolder& folder, ProblemLog& log);

// Figure entries of SEISHUKU.DAT (Edo set) or SEIZA.DAT, comments left out; element 0 the count.
std::optional<QStringList> LoadFigures(const DataFolder& folder, bool edo, ProblemLog& log);

struct NameRecord {
    int16_t anchor = 0;
    QString code;
    int16_t distance = 0;
    int16_t threshold = 0; // in slot 0: the number of records
    QString text;
};
using NameTable = std::vector<NameRecord>;

// Names of HOSHIMEI.DAT (Edo set) or NAME.DAT; slot 0's threshold holds the count.
std::optional<NameTable> LoadNames(const DataFolder& folder, bool edo, ProblemLog& log);

} // namespace orv
