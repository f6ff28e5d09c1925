#include "print/PaperFit.h"

#include "document/HatDocument.h"
#include "render/ChartGeometry.h"

namespace orv {

namespace {

constexpr int SmallestFreeRadius = FirstFreeRadiusLayout;
constexpr int LargestFreeRadius = 16;
constexpr double RimMm = 5;

QString PaperName(int16_t paperCode)
{
    switch (paperCode) {
    case 8:
        return QStringLiteral("A3縦");
    case 12:
        return QStringLiteral("B4縦");
    default:
        return QStringLiteral("A4縦");
    }
}

} // namespace

bool RadiusFitsPaper(int radiusCm, int16_t paperCode)
{
    // The sheet is at least 1.414 times as high as it is wide and the hat is placed in its upper
    // part, so a hat that fits across the paper always fits down it too.
    const double needed = 2 * (radiusCm * 10 + RimMm + SideClearanceMm);
    return needed <= SheetSizeMm(paperCode, 1).width();
}

int LargestRadiusFitting(int16_t paperCode)
{
    int largest = SmallestFreeRadius;
    for (int r = SmallestFreeRadius; r <= LargestFreeRadius; ++r)
        if (RadiusFitsPaper(r, paperCode))
            largest = r;
    return largest;
}

QString FitProblem(const HatDocument& doc)
{
    const int16_t rr0 = static_cast<int16_t>(doc.controls.List(ListKey::RR0).index);
    const PaperLayout paper = LookUpPaper(rr0, doc.PrintPaperIndex);
    if (rr0 < FirstFreeRadiusLayout || RadiusFitsPaper(paper.radiusCm, paper.paperCode))
        return {};
    const QString name = PaperName(paper.paperCode);
    return QStringLiteral("半径%1cmの笠は%2の用紙に入りません（%2に入るのは半径%3cmまでです）。")
        .arg(paper.radiusCm)
        .arg(name)
        .arg(LargestRadiusFitting(paper.paperCode));
}

} // namespace orv
