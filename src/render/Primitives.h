#pragma once
// Drawing routines shared by the layers: dashed lines and arcs, and text turned to any angle.

#include "render/Canvas.h"

namespace orv {

// Device pixels of a length in millimetres on a canvas: 567 twips to the centimetre.
double MmToPixels(const Canvas& canvas, double mm);

// Dashes of 8 pixels with gaps of 8, starting with a gap at (x1, y1).
void DrawDashedLine(Canvas& canvas, int16_t x1, int16_t y1, int16_t x2, int16_t y2, Colour colour);

// Device pixels of a length in millimetres on a canvas: 567 twips to the centimetre.
double MmToPixels(const Canvas& canvas, double mm);

// Dashes of 8 pixels of arc with gaps of 8, starting with a dash at angle a1 and going clockwise
// on the surface (y grows downwards) up to a2.
void DrawDashedArc(Canvas& canvas, int32_t cx, int32_t cy, int32_t r, Colour colour, double a1, double a2);

// Text in a font of the given point size, its cell's top-left corner at (x, y), turned by the
// escapement (tenths of a degree counter-clockwise). Width percent 100 gives characters half as
// wide as high; 150 a third.
void DrawRotatedText(Canvas& canvas, int16_t size, const QString& face, int16_t escapement, bool bold, int16_t x,
                     int16_t y, int16_t widthPercent, const QString& text);

// The font DrawRotatedText asks for: height round(size x 20 / t), average width
// ((size x 20) \ t) \ k with k = round(2 x width percent / 100), t the canvas's twips per pixel
// rounded. Nothing when t or k is not positive.
std::optional<FontRequest> RotatedTextFont(const Canvas& canvas, int16_t size, int16_t widthPercent);

// A character is half-width when Shift-JIS writes it in one byte: ASCII and half-width kana.
bool IsHalfWidth(QChar c);

// How far text drawn by DrawRotatedText reaches along its reading direction: the font's average
// width for every half-width character and twice that for every other one.
int RotatedTextAdvance(const Canvas& canvas, int16_t size, int16_t widthPercent, const QString& text);

} // namespace orv
