#pragma once
// Drawing routines shared by the layers: dashed lines and arcs, and text turned to any angle.

#include "render/Canvas.h"

namespace orv {

// Dashes of 8 pixels with gaps of 8, starting with a gap at (x1, y1).
void DrawDashedLine(Canvas& canvas, int16_t x1, int16_t y1, int16_t x2, int16_t y2, Colour colour);

// Dashes of 8 pixels of arc with gaps of 8, starting with a dash at angle a1 and going clockwise
// on the surface (y grows downwards) up to a2.
void DrawDashedArc(Canvas& canvas, int32_t cx, int32_t cy, int32_t r, Colour colour, double a1, double a2);

// Text in a font of the given point size, its cell's top-left corner at (x, y), turned by the
// escapement (tenths of a degree counter-clockwise). Width percent 100 gives characters half as
// wide as high; 150 a third.
void DrawRotatedText(Canvas& canvas, int16_t size, const QString& face, int16_t escapement, bool bold, int16_t x,
                     int16_t y, int16_t widthPercent, const QString& text);

} // namespace orv
