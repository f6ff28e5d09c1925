// The zoom of the chart view: its steps, the whole-chart fit, and the scroll values that keep a
// point of the chart in place.
#include "app/ChartZoom.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(ChartZoom, StepsWalkUpAndDownAndStopAtTheLimits)
{
    EXPECT_DOUBLE_EQ(ZoomStepAfter(1.0, +1), 1.1);
    EXPECT_DOUBLE_EQ(ZoomStepAfter(1.0, -1), 0.9);
    // From between two steps, the next step in that direction.
    EXPECT_DOUBLE_EQ(ZoomStepAfter(0.445, +1), 0.5);
    EXPECT_DOUBLE_EQ(ZoomStepAfter(0.445, -1), 0.33);
    // A zoom a hair beside a step counts as that step.
    EXPECT_DOUBLE_EQ(ZoomStepAfter(1.001, +1), 1.1);
    EXPECT_DOUBLE_EQ(ZoomStepAfter(MaxZoom, +1), MaxZoom);
    EXPECT_DOUBLE_EQ(ZoomStepAfter(MinZoom, -1), MinZoom);
    double zoom = 1.0;
    for (int i = 0; i < 30; ++i)
        zoom = ZoomStepAfter(zoom, +1);
    EXPECT_DOUBLE_EQ(zoom, MaxZoom);
}

TEST(ChartZoom, FitShowsTheWholeChartAndNeverEnlarges)
{
    // "A3横×2" on the screen: 1112 × 1572 chart pixels in a 900 × 700 container.
    const double fit = FitZoom(QSizeF(1112, 1572), QSizeF(900, 700));
    EXPECT_DOUBLE_EQ(fit, 700.0 / 1572);
    EXPECT_EQ(ScrollMaximum(1112 * fit, 900), 0);
    EXPECT_EQ(ScrollMaximum(1572 * fit, 700), 0);
    EXPECT_DOUBLE_EQ(FitZoom(QSizeF(300, 400), QSizeF(900, 700)), 1.0);
    EXPECT_DOUBLE_EQ(FitZoom(QSizeF(100000, 100), QSizeF(900, 700)), MinZoom);
    EXPECT_DOUBLE_EQ(FitZoom(QSizeF(), QSizeF(900, 700)), 1.0);
}

TEST(ChartZoom, ScrollRangeIsTheExcessAndValuesKeepThePointInPlace)
{
    EXPECT_EQ(ScrollMaximum(1112, 800), 312);
    EXPECT_EQ(ScrollMaximum(800.4, 800), 0);
    EXPECT_EQ(ScrollMaximum(500, 800), 0);
    // Chart point 400 shown 100 pixels from the container's edge at zoom 2: scrolled by 700.
    EXPECT_EQ(ScrollValueKeeping(400, 100, 2.0, 1500), 700);
    EXPECT_EQ(ScrollValueKeeping(400, 100, 2.0, 600), 600);
    EXPECT_EQ(ScrollValueKeeping(10, 300, 1.0, 600), 0);
}

} // namespace
} // namespace orv
