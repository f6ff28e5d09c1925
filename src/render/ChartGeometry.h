#pragma once
// Size and place of the hat on the current surface, and the paper layouts it is drawn for.

#include <cstdint>
#include <QPageSize>
#include <QSizeF>

namespace orv {

struct ChartGeometry {
    int32_t radiusCm = 0;
    int32_t hatRadius = 0; // horizon radius R in device pixels; 0 until a chart has been drawn
    int16_t rimMargin = 0; // width of the rim band outside the horizon circle
    int32_t centreX = 0;
    int32_t centreY = 0;
    int16_t sheetCount = 1;
    int16_t sheetIndex = 1;
    int16_t paperCode = 9;        // 9 A4, 12 B4, 8 A3
    int16_t paperOrientation = 1; // 1 portrait, 2 landscape
    double glueHalfAngle = 0;
};

struct PaperLayout {
    int32_t radiusCm;
    int16_t sheetCount;
    int16_t paperCode;
    int16_t paperOrientation;
};

inline constexpr int PaperLayoutCount = 17;
// List positions from here on are the free radii, 6 to 16 cm, equal to their position.
inline constexpr int FirstFreeRadiusLayout = 6;

// Layout of list position RR0: the six paper items, then radii 6 to 16 cm on the paper chosen in
// the print dialog (0 A4, 1 B4, 2 A3). A position outside the list is taken as "A4縦".
PaperLayout LookUpPaper(int16_t rr0, int16_t printPaperIndex);

// Paper of a printer paper code: 9 A4, 12 JIS B4 (257 x 364 mm, the B4 sold in Japan), 8 A3;
// anything else is taken as A4.
QPageSize PaperSizeForCode(int16_t paperCode);

// Size of a sheet in millimetres, width across and height down as it lies in the printer:
// orientation 2 (landscape) turns the paper.
QSizeF SheetSizeMm(int16_t paperCode, int16_t paperOrientation);

// Hat centre on a sheet: on sheet 1 near the lower edge of a two-sheet layout, on sheet 2 two rim
// widths below the top edge.
void PlaceSheetCentre(ChartGeometry& geometry, int16_t sheet);

// Screen scale: 38 pixels per centimetre and a 19-pixel rim band.
inline constexpr int ScreenPixelsPerCm = 38;
inline constexpr int ScreenRimMargin = 19;
inline constexpr int TwoSheetScreenRadiusCm = 14;

// The hat on the screen chart of a layout: always one sheet, 38 pixels per centimetre; a two-sheet
// layout is shown whole at the radius of "A4横×2" at most (14 cm, 532 pixels). Sets the radius, rim
// band, sheet count and centre; the glue angle is left as it is.
void SetUpScreenGeometry(ChartGeometry& geometry, const PaperLayout& paper);

} // namespace orv
