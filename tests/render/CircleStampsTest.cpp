// Circles copied from stamps on the screen chart give the very pixels of circles drawn directly,
// whatever the pen, fill and place; circles that stamps do not serve are drawn directly.

#include "render/ImageCanvas.h"
#include "render/ScreenCanvas.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

template <typename Draw>
void OnBoth(ScreenCanvas& screen, ImageCanvas& direct, Draw draw)
{
    draw(static_cast<Canvas&>(screen));
    draw(static_cast<Canvas&>(direct));
}

} // namespace

TEST(CircleStamps, SamePixelsAsDirectDrawing)
{
    ScreenCanvas screen;
    screen.Resize(400, 300);
    ImageCanvas direct(400, 300, QImage::Format_RGB32, Qt::white); // the same drawing without stamps
    int x = 12;
    for (int16_t width : {1, 2, 4})
        for (int16_t fill : {0, 1})
            for (int radius = 0; radius <= 9; ++radius) {
                OnBoth(screen, direct, [&](Canvas& c) {
                    c.DrawWidth = width;
                    c.FillStyle = fill;
                    c.FillColor = 0x00FFFF;
                    c.Circle(x + 0.5, 20 + 40 * width + 20 * fill, radius, 0x0000FF); // x rounds half to even
                    c.ForeColor = 0x123456;
                    c.Circle(x, 30 + 40 * width + 20 * fill, radius);
                });
                x += 2 * radius + 8;
                if (x > 380)
                    x = 12;
            }
    // Served directly: a fractional radius, an arc, an ellipse, a dotted pen.
    OnBoth(screen, direct, [](Canvas& c) {
        c.DrawWidth = 1;
        c.Circle(200, 250, 6.5, Black);
        c.Circle(250, 250, 20, Black, 0.5, 2.5);
        c.Ellipse(300, 250, 20, Black, 0.5);
        c.DrawStyle = 2;
        c.Circle(350, 250, 20, Black);
    });
    EXPECT_EQ(screen.Image(), direct.Image());
}
