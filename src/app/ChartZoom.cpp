#include "app/ChartZoom.h"

#include "astro/Numeric.h"

#include <algorithm>
#include <array>

namespace orv {

namespace {

constexpr std::array<double, 16> Steps = {0.1, 0.15, 0.25, 0.33, 0.5, 0.67, 0.75, 0.9,
                                          1.0, 1.1,  1.25, 1.5,  2.0, 2.5,  3.0,  4.0};

// Two zooms closer than this count as the same step.
constexpr double SameStep = 0.005;

} // namespace

double LimitZoom(double zoom)
{
    return std::clamp(zoom, MinZoom, MaxZoom);
}

double ZoomStepAfter(double zoom, int direction)
{
    if (direction > 0) {
        for (double step : Steps)
            if (step > zoom + SameStep)
                return step;
        return MaxZoom;
    }
    for (auto it = Steps.rbegin(); it != Steps.rend(); ++it)
        if (*it < zoom - SameStep)
            return *it;
    return MinZoom;
}

double FitZoom(QSizeF chart, QSizeF container)
{
    if (chart.isEmpty() || container.isEmpty())
        return 1.0;
    const double fit = std::min(container.width() / chart.width(), container.height() / chart.height());
    return LimitZoom(std::min(fit, 1.0));
}

int ScrollMaximum(double shownExtent, int containerExtent)
{
    const int excess = Round32(shownExtent - containerExtent);
    return excess < 1 ? 0 : excess;
}

int ScrollValueKeeping(double chartPoint, double viewportPos, double zoom, int maximum)
{
    return std::clamp(Round32(chartPoint * zoom - viewportPos), 0, std::max(maximum, 0));
}

} // namespace orv
