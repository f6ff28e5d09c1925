#include "layers/PlanetGlyph.h"

#include "astro/Numeric.h"

#include <cmath>

namespace orv {

void DrawPlanetGlyph(Canvas& canvas, Planet planet, int16_t x, int16_t y, Colour colour, int16_t radius)
{
    double r = radius;
    switch (planet) {
    case Planet::Venus:
        // A disc with a flattened lower half-ring.
        canvas.Circle(x, y, r, colour);
        canvas.Circle(x, y, r, colour, Pi, 0, 0.8);
        break;
    case Planet::Mars: {
        const int16_t p = Round16(r * std::cos(Pi / 6));
        const int16_t q = Round16(r * std::sin(Pi / 6));
        canvas.Circle(x, y, r, colour);
        canvas.Ellipse(x + r / 1.8, y, 0.4 * r, colour, 2);
        canvas.Circle(x + p, y - q, 1.2 * r, colour, 0.9 * Pi, 1.4 * Pi);
        canvas.Circle(x, y + r, 0.8 * r, colour, 0.2 * Pi, 0.8 * Pi);
        break;
    }
    case Planet::Jupiter: {
        const int16_t p = Round16(r * std::sin(Pi / 10));
        const int16_t q = Round16(r * std::cos(Pi / 10));
        canvas.Circle(x, y, r, colour);
        canvas.Line(x + p, y - q, x + p, y + q, colour);
        canvas.Line(x - p, y - q, x - p, y + q, colour);
        canvas.Ellipse(x - p, y + q / 3.0, r / 2.2, colour, 1.8);
        break;
    }
    case Planet::Saturn:
        r = Round16(0.8 * r);
        canvas.Circle(x, y, r, colour);
        canvas.Circle(x, y, 1.5 * r, colour, 0.2 * Pi, 1.8 * Pi, 2);
        break;
    }
}

} // namespace orv
