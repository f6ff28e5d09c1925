#include "layers/RimLegends.h"

#include "astro/Numeric.h"
#include "render/Primitives.h"

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

// Stands for a planet picture in the text of the planet legend.
constexpr char16_t PictureMark = u'\uFFFC';

// One legend run before it is placed: its text in reading order and the quarter it belongs to.
struct RunSpec {
    QString text;
    std::vector<Planet> pictures; // in reading order, one for each PictureMark
    int16_t size;
    double rho;
    double nearAngle; // centre of the direction label the run is anchored next to
    double farAngle;  // centre of the direction label at the other end of the quarter
    double lead;      // usual rim angle between nearAngle and the run's nearer edge
};

int CellWidth(const Canvas& canvas, int16_t size, QChar c)
{
    return RotatedTextAdvance(canvas, size, 100, c == QChar(PictureMark) ? QStringLiteral("○") : QString(c));
}

// The run at one size, its nearer edge as close to its usual place as the far label allows.
// Without truncate a run that does not fit gives nothing; with it, the run starts right next to
// its own label and leaves out the characters that would pass the far one.
std::optional<RimRun> PlaceAtSize(const Canvas& canvas, const RunSpec& legend, int16_t size, double labelHalf,
                                  bool truncate)
{
    const double em = RotatedTextAdvance(canvas, size, 100, QStringLiteral("あ"));
    const int tracking = std::max(1, Round32(em / 40));
    const qsizetype n = legend.text.size();
    std::vector<int> widths;
    double total = 0;
    for (QChar c : legend.text) {
        widths.push_back(CellWidth(canvas, size, c));
        total += widths.back() + tracking;
    }
    total -= tracking;

    const double sense = legend.farAngle > legend.nearAngle ? 1 : -1;
    const double span = std::abs(legend.farAngle - legend.nearAngle);
    const double gap = em / 2 / legend.rho;
    const double nearLimit = labelHalf + gap;
    const double farLimit = span - labelHalf - gap;
    double start = std::min(legend.lead, farLimit - total / legend.rho);
    if (start < nearLimit) {
        if (!truncate)
            return std::nullopt;
        start = nearLimit;
    }

    // Runs reading away from their anchor are laid from their first character, runs reading
    // towards it from their last.
    RimRun run{size, legend.rho, {}};
    std::vector<RimCell> reading(static_cast<size_t>(n));
    size_t picture = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = legend.text[i];
        RimCell& cell = reading[static_cast<size_t>(i)];
        cell.character = c;
        cell.width = widths[static_cast<size_t>(i)];
        if (c == QChar(PictureMark) && picture < legend.pictures.size())
            cell.planet = legend.pictures[picture++];
    }
    if (sense > 0)
        std::reverse(reading.begin(), reading.end());
    double along = start * legend.rho;
    for (RimCell& cell : reading) {
        if ((along + cell.width) / legend.rho > farLimit + 1e-12)
            break;
        cell.angle = legend.nearAngle + sense * (along + cell.width / 2.0) / legend.rho;
        run.cells.push_back(cell);
        along += cell.width + tracking;
    }
    if (sense > 0)
        std::reverse(run.cells.begin(), run.cells.end());
    return run;
}

RimRun PlaceRun(const Canvas& canvas, const RunSpec& legend, double labelHalf)
{
    for (int16_t size = legend.size; size >= MinRimLegendSize; --size)
        if (auto run = PlaceAtSize(canvas, legend, size, labelHalf, false))
            return *run;
    return *PlaceAtSize(canvas, legend, MinRimLegendSize, labelHalf, true);
}

} // namespace

int CharacterHeight(const Canvas& canvas, int size)
{
    const int t = Round32(canvas.TwipsPerPixelX());
    return t > 0 ? (size * 20) / t : 0;
}

double QuarterAngle(int k, double glueHalfAngle)
{
    return k * (Pi - glueHalfAngle) / 2;
}

int16_t DirectionLabelSize(const Canvas& canvas, const ChartGeometry& g)
{
    const double limit = g.hatRadius + g.rimMargin - MmToPixels(canvas, RimClearanceMm);
    for (int16_t size = 14; size > 1; --size) {
        const std::optional<FontRequest> font = RotatedTextFont(canvas, size, 100);
        // Outer corners of the cell, half a pixel more for rounding to whole pixels.
        if (font && std::hypot(g.hatRadius + font->height, font->width) + 0.5 <= limit)
            return size;
    }
    return 1;
}

std::vector<RimRun> LayOutRimLegends(const Canvas& canvas, const ChartGeometry& g, const RimTexts& texts)
{
    const double R = g.hatRadius;
    const double gamma = g.glueHalfAngle;
    const double h8 = CharacterHeight(canvas, 8) / R;
    const double h9 = CharacterHeight(canvas, 9) / R;
    const double labelHalf = RotatedTextAdvance(canvas, DirectionLabelSize(canvas, g), 100, QStringLiteral("北")) / 2.0 / R;
    const double north = QuarterAngle(0, gamma);
    const double west = QuarterAngle(1, gamma);
    const double east = QuarterAngle(-1, gamma);
    const double upperGlue = QuarterAngle(2, gamma);
    const double lowerGlue = QuarterAngle(-2, gamma);

    const QChar pic(PictureMark);
    const QString planets = QString(pic) + QStringLiteral("土星    ") + pic + QStringLiteral("木星    ") + pic
        + QStringLiteral("火星    ") + pic + QStringLiteral("金星");
    const SiteLegend& site = texts.site;
    const RunSpec legends[4] = {
        {site.prefecture + site.municipality + QLatin1Char(' ') + site.coordinateText + QStringLiteral("用"), {},
         8, R + 3, north, east, 3.5 * h8},
        {QStringLiteral("(C)Vandrel ") + texts.date, {}, 8, R + 3, north, west, 2.5 * h8},
        {QStringLiteral("Orvenza Ver.1.3"), {}, 8, R + 3, upperGlue, west, 2.5 * h8},
        {planets, {Planet::Saturn, Planet::Jupiter, Planet::Mars, Planet::Venus}, 9, R + 4, lowerGlue, east, 2.5 * h9},
    };
    std::vector<RimRun> runs;
    for (const RunSpec& legend : legends)
        runs.push_back(PlaceRun(canvas, legend, labelHalf));
    return runs;
}

} // namespace orv
