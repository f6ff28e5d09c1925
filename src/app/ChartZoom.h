#pragma once
// The zoom of the chart view as plain arithmetic: the steps of the zoom keys, the zoom that shows
// the whole chart, and the scroll bar values that keep a point of the chart in place. The zoom
// scales only what the screen shows; the chart picture keeps its size in chart pixels.

#include <QSizeF>

namespace orv {

inline constexpr double MinZoom = 0.1;
inline constexpr double MaxZoom = 4.0;

// The next zoom step above (direction > 0) or below (direction < 0) a zoom, within the limits.
double ZoomStepAfter(double zoom, int direction);

// A zoom limited to MinZoom…MaxZoom.
double LimitZoom(double zoom);

// The largest zoom (at most 1) at which a chart of the given size fits in the container whole.
double FitZoom(QSizeF chart, QSizeF container);

// Scroll bar maximum for a shown extent in a container of the given extent: the excess (rounded),
// 0 when the shown picture fits.
int ScrollMaximum(double shownExtent, int containerExtent);

// Scroll value at which the chart point `chartPoint` (chart pixels) shows at `viewportPos` (pixels
// from the container's edge) at `zoom`, limited to 0…maximum.
int ScrollValueKeeping(double chartPoint, double viewportPos, double zoom, int maximum);

} // namespace orv
