#pragma once
// Dragging the chart inside its viewport, one axis at a time, as plain arithmetic on positions and
// sizes so that the window only has to apply the result.

#include <cstdint>

namespace orv {

// One axis of the chart view: where the chart picture sits in the viewport and how big both are,
// the scroll bar that follows it, and the grabbed point (in chart coordinates).
struct PanAxis {
    int16_t anchor = 0;      // the point grabbed last, in chart coordinates
    int position = 0;        // the chart's left (or top) inside the viewport, 0 or negative
    int chartExtent = 0;     // the chart's width (or height)
    int viewportExtent = 0;  // the viewport's width (or height)
    int scrollMaximum = 0;
    int scrollValue = 0;
};

// Moves smaller than this accumulate; a move beyond it is carried out as a whole.
inline constexpr int PanThreshold = 10;

// One pointer move over the chart at chart coordinate `pointer` on this axis. The grabbed point
// follows the pointer once it is more than the threshold away; when `dragging` (left button held,
// no line being drawn) the chart moves by that distance, never right of (below) the viewport's
// left (top) edge, and the scroll value follows. True when the chart moved.
bool PanStep(PanAxis& axis, double pointer, bool dragging);

} // namespace orv
