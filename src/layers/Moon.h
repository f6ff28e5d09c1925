#pragma once
// The Moon where an observer at the site sees it at the chosen minute, as a limb with its lit
// part filled: the phase from the Moon's elongation from the Sun, the lit side facing the Sun.

#include "astro/MoonPhase.h"
#include "astro/TimeConversions.h"
#include "layers/LayerContext.h"

namespace orv {

class DataFolder;
class ProblemLog;

// Angle in device axes (x to the right, y downwards) of the way the great circle from one sky
// place towards another leaves the first place on the hat, for the local sidereal angle theta and
// the latitude (radians); nothing when the two places coincide or are opposite.
std::optional<double> ChartDirectionTowards(const RaDec& from, const RaDec& to, double theta, double latitude,
                                            double glueHalfAngle);

// Limb and lit part of a Moon at phase angle i (radians, 0 full) centred at (x, y) with radius r;
// the lit limb faces the device-axes angle sunward.
void DrawMoonPhase(const LayerContext& ctx, double phaseAngle, double sunward, int16_t x, int16_t y, int16_t r,
                   Colour colour);

// Places and draws the Moon; missing or malformed Moon or Sun series are logged and draw nothing.
void DrawMoon(const LayerContext& ctx, const DataFolder& folder, ProblemLog& log, const ObservationTime& time,
              double longitude, double latitude);

} // namespace orv
