// Dragging the chart: the 10-pixel threshold, the edges of the viewport and the scroll bar.
#include "app/ChartPan.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

// A chart 1112 wide in a viewport 800 wide, the scroll bar spanning the 312 pixels of excess.
PanAxis WideChartAt(int position, int16_t anchor)
{
    return PanAxis{anchor, position, 1112, 800, 312, -position};
}

// Drags the pointer by `pixels` one pixel at a time, the pointer staying over the same screen point
// of the chart's container, and records every position the chart takes.
std::vector<int> DragBy(PanAxis& axis, int screenStart, int pixels)
{
    std::vector<int> positions;
    const int step = pixels > 0 ? 1 : -1;
    int screen = screenStart;
    for (int i = 0; i != pixels; i += step) {
        screen += step;
        if (PanStep(axis, screen - axis.position, true))
            positions.push_back(axis.position);
    }
    return positions;
}

TEST(ChartPan, DraggingRightMovesInStepsOfElevenAndStopsAtTheLeftEdge)
{
    PanAxis axis = WideChartAt(-100, 300);
    EXPECT_EQ(DragBy(axis, 200, 25), (std::vector<int>{-89, -78}));
    EXPECT_EQ(axis.scrollValue, 78);

    DragBy(axis, 225, 200);
    EXPECT_EQ(axis.position, 0);
    EXPECT_EQ(axis.scrollValue, 0);
}

TEST(ChartPan, ChartAtTheLeftEdgeDoesNotMoveRight)
{
    PanAxis axis = WideChartAt(0, 300);
    EXPECT_TRUE(DragBy(axis, 300, 40).empty());
    EXPECT_EQ(axis.position, 0);
}

TEST(ChartPan, DraggingLeftStopsOnceTheRightEdgeIsInViewAndTheScrollValueIsCapped)
{
    // The move is checked before it is made, so the last step may carry the right edge a little
    // into the viewport; the scroll bar then stays at its maximum.
    PanAxis axis = WideChartAt(-300, 500);
    EXPECT_EQ(DragBy(axis, 200, -40), (std::vector<int>{-311, -322}));
    EXPECT_EQ(axis.scrollValue, 312);
}

TEST(ChartPan, SmallMovesAccumulateAndMovesWithoutTheButtonOnlyFollowTheAnchor)
{
    PanAxis axis = WideChartAt(-100, 300);
    EXPECT_FALSE(PanStep(axis, 290, true)); // exactly 10: nothing yet
    EXPECT_EQ(axis.anchor, 300);
    EXPECT_EQ(axis.position, -100);

    EXPECT_FALSE(PanStep(axis, 280, false)); // 20 away, button up: the anchor follows
    EXPECT_EQ(axis.anchor, 280);
    EXPECT_EQ(axis.position, -100);
}

TEST(ChartPan, ChartNarrowerThanTheViewport)
{
    PanAxis axis{300, 0, 600, 800, 0, 0};
    EXPECT_FALSE(PanStep(axis, 320, true)); // fully in view: nothing to pan
    // A chart left of the edge in a wider viewport gives a negative ratio: the bar goes half-way.
    PanAxis pushed{300, -50, 600, 800, 40, 0};
    EXPECT_TRUE(PanStep(pushed, 320, true));
    EXPECT_EQ(pushed.position, -30);
    EXPECT_EQ(pushed.scrollValue, 20);
}

} // namespace
} // namespace orv
