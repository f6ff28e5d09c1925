#include "render/Primitives.h"

#include "astro/Numeric.h"

#include <cmath>

namespace orv {

double MmToPixels(const Canvas& canvas, double mm)
{
    return mm * 56.7 / canvas.TwipsPerPixelX();
}

void DrawDashedLine(Canvas& canvas, int16_t x1, int16_t y1, int16_t x2, int16_t y2, Colour colour)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const int16_t length = Round16(std::sqrt(dx * dx + dy * dy));
    const double theta = ArcTan2(dy, dx);
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    int16_t prevX = x1;
    int16_t prevY = y1;
    for (int d = 0; d <= length; d += 8) {
        const int16_t px = Round16(d * c + x1);
        const int16_t py = Round16(d * s + y1);
        if (d > 0 && d % 16 == 0)
            canvas.Line(px, py, prevX, prevY, colour);
        prevX = px;
        prevY = py;
    }
}

void DrawDashedArc(Canvas& canvas, int32_t cx, int32_t cy, int32_t r, Colour colour, double a1, double a2)
{
    const double step = 8.0 / r;
    int16_t prevX = 0;
    int16_t prevY = 0;
    int k = 0;
    for (double t = a1; t <= a2; t += step, ++k) {
        const int16_t px = Round16(r * std::cos(t) + cx);
        const int16_t py = Round16(r * std::sin(t) + cy);
        if (k % 2 == 1)
            canvas.Line(prevX, prevY, px, py, colour);
        prevX = px;
        prevY = py;
    }
}

std::optional<FontRequest> RotatedTextFont(const Canvas& canvas, int16_t size, int16_t widthPercent)
{
    const int t = Round32(canvas.TwipsPerPixelX());
    const int twips = size * 20;
    const int k = Round32(2.0 * widthPercent / 100);
    if (t <= 0 || k <= 0)
        return std::nullopt;
    FontRequest font;
    font.height = Round32(static_cast<double>(twips) / t);
    font.width = (twips / t) / k;
    return font;
}

void DrawRotatedText(Canvas& canvas, int16_t size, const QString& face, int16_t escapement, bool bold, int16_t x,
                     int16_t y, int16_t widthPercent, const QString& text)
{
    if (text.isEmpty())
        return;
    std::optional<FontRequest> font = RotatedTextFont(canvas, size, widthPercent);
    if (!font)
        return;
    font->escapement = escapement;
    font->weight = bold ? 700 : 0;
    font->face = face;
    canvas.TextOut(*font, x, y, text);
}

bool IsHalfWidth(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F) || u == 0x00A5 || u == 0x203E;
}

int RotatedTextAdvance(const Canvas& canvas, int16_t size, int16_t widthPercent, const QString& text)
{
    const std::optional<FontRequest> font = RotatedTextFont(canvas, size, widthPercent);
    if (!font)
        return 0;
    int advance = 0;
    for (QChar c : text)
        advance += IsHalfWidth(c) ? font->width : 2 * font->width;
    return advance;
}

} // namespace orv
