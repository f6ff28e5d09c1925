#pragma once
// The small pictures of the four planets, used by the rim legend and by the planet markers.

#include "render/Canvas.h"

namespace orv {

enum class Planet { Venus, Mars, Jupiter, Saturn };

void DrawPlanetGlyph(Canvas& canvas, Planet planet, int16_t x, int16_t y, Colour colour, int16_t radius);

} // namespace orv
