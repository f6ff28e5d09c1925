#include "render/ChartGeometry.h"

#include "astro/Numeric.h"

#include <algorithm>

namespace orv {

PaperLayout LookUpPaper(int16_t rr0, int16_t printPaperIndex)
{
    static constexpr PaperLayout Fixed[6] = {
        {9, 1, 9, 1}, {11, 1, 12, 1}, {14, 1, 8, 1}, {14, 2, 9, 2}, {17, 2, 12, 2}, {19, 2, 8, 2},
    };
    if (rr0 < 0 || rr0 >= PaperLayoutCount)
        return Fixed[0];
    if (rr0 < FirstFreeRadiusLayout)
        return Fixed[rr0];
    static constexpr int16_t ChosenPaper[3] = {9, 12, 8};
    const int16_t code = printPaperIndex >= 0 && printPaperIndex < 3 ? ChosenPaper[printPaperIndex] : 9;
    return {rr0, 1, code, 1};
}

QPageSize PaperSizeForCode(int16_t paperCode)
{
    switch (paperCode) {
    case 8:
        return QPageSize(QPageSize::A3);
    case 12:
        return QPageSize(QPageSize::JisB4);
    default:
        return QPageSize(QPageSize::A4);
    }
}

QSizeF SheetSizeMm(int16_t paperCode, int16_t paperOrientation)
{
    const QSizeF portrait = PaperSizeForCode(paperCode).size(QPageSize::Millimeter);
    return paperOrientation == 2 ? portrait.transposed() : portrait;
}

void PlaceSheetCentre(ChartGeometry& g, int16_t sheet)
{
    const int32_t edge = g.hatRadius + g.rimMargin + 1;
    g.centreX = edge;
    g.centreY = sheet == 2 ? 2 * g.rimMargin : Round32(edge * 1.414 - 2 * g.rimMargin);
}

void SetUpScreenGeometry(ChartGeometry& g, const PaperLayout& paper)
{
    g.radiusCm = paper.radiusCm;
    g.paperCode = paper.paperCode;
    g.paperOrientation = paper.paperOrientation;
    const int32_t screenCm = paper.sheetCount == 2 ? std::min(paper.radiusCm, TwoSheetScreenRadiusCm) : paper.radiusCm;
    g.sheetCount = 1;
    g.hatRadius = screenCm * ScreenPixelsPerCm;
    g.rimMargin = ScreenRimMargin;
    PlaceSheetCentre(g, 1);
}

} // namespace orv
