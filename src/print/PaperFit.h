#pragma once
// Whether the cut circle of a hat fits across its paper with room to spare at both side edges,
// which a printer cannot reach. Only the free radii can fail: the fixed layouts are made to fit.

#include <cstdint>
#include <QString>

namespace orv {

class HatDocument;

// Clearance kept between the cut circle and each side edge of the paper.
inline constexpr double SideClearanceMm = 3;

// True when a hat of the given horizon radius, with its half-centimetre rim, fits across the
// width of the portrait paper of that code (9 A4, 12 B4, 8 A3).
bool RadiusFitsPaper(int radiusCm, int16_t paperCode);

// The largest free radius (6 to 16 cm) that fits the paper; A4 9, B4 12, A3 14.
int LargestRadiusFitting(int16_t paperCode);

// The document's layout on the paper chosen for it: empty when it fits, otherwise the sentence
// that says so, naming the largest radius that fits that paper.
QString FitProblem(const HatDocument& doc);

} // namespace orv
