#include "app/ChartPan.h"

#include "astro/Numeric.h"

#include <cstdlib>

namespace orv {

bool PanStep(PanAxis& a, double pointer, bool dragging)
{
    const int16_t d = Round16(a.anchor - pointer);
    if (std::abs(d) > PanThreshold)
        a.anchor = Round16(pointer);
    if (!dragging || std::abs(d) <= PanThreshold)
        return false;

    const bool chartSticksOutFar = a.position + a.chartExtent > a.viewportExtent && d > 1;
    const bool chartSticksOutNear = a.position < 0 && d < -1;
    if (!chartSticksOutFar && !chartSticksOutNear)
        return false;

    a.position -= d;
    // The point under the pointer stays the grabbed point.
    a.anchor = static_cast<int16_t>(a.anchor + d);
    if (a.position > 0)
        a.position = 0;

    const int room = a.viewportExtent - a.chartExtent;
    double ratio = room != 0 ? static_cast<double>(a.position) / room : 0.0;
    if (ratio > 1)
        ratio = 1;
    else if (ratio < 0)
        ratio = 0.5;
    a.scrollValue = Round32(a.scrollMaximum * ratio);
    return true;
}

} // namespace orv
