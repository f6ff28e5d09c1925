#pragma once
// The Moon at its place for the chosen date and time, as a limb with its lit part filled. The
// phase follows a simple age-of-the-Moon rule on the calendar date.

#include "astro/TimeConversions.h"
#include "layers/LayerContext.h"

namespace orv {

class DataFolder;
class ProblemLog;

// Age of the Moon in days, 0 to 31, from the calendar date.
int16_t MoonAge(int16_t year, int16_t month, int16_t day);

// Limb and lit part of a Moon of the given age centred at (x, y) with radius r.
void DrawMoonPhase(const LayerContext& ctx, int16_t age, int16_t x, int16_t y, int16_t r, Colour colour);

// Places and draws the Moon; missing or malformed Moon series are logged and draw nothing.
void DrawMoon(const LayerContext& ctx, const DataFolder& folder, ProblemLog& log, const ObservationTime& time,
              double longitude, double latitude);

} // namespace orv
