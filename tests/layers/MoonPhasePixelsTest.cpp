// The drawn Moon pixel by pixel: its lit share of the disc, the side it is lit on and the limb
// that holds it, at every phase, turned every way, on screen and with the printer's wide pens.

#include "astro/Numeric.h"
#include "layers/Moon.h"
#include "render/ScreenCanvas.h"
#include "support/LayerFixture.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

struct MoonSize {
    int16_t r;
    int16_t moonWidth;
    bool printing;
};

// The Moon drawn alone at the centre of a small picture: a black limb, a yellow lit part.
QImage Picture(double phaseAngle, double sunward, const MoonSize& size)
{
    test::LayerFixture f;
    f.settings.RColor = White;
    f.settings.MoonWidth = size.moonWidth;
    ScreenCanvas canvas;
    const int16_t c = static_cast<int16_t>(size.r + 10);
    canvas.Resize(2 * c + 1, 2 * c + 1);
    DrawMoonPhase({canvas, f.geometry, f.settings, size.printing}, phaseAngle, sunward, c, c, size.r, 0x00FFFF);
    return canvas.Image();
}

bool IsLit(const QImage& image, int x, int y)
{
    return (image.pixel(x, y) & 0xFFFFFF) == 0xFFFF00; // QRgb is 0xRRGGBB
}

struct DrawnMoon {
    double litFraction;  // lit pixels inside the limb over the pixels inside it
    double litDirection; // device-axes angle of the lit pixels' centroid from the centre
    int outsideLimb;     // lit pixels beyond the limb circle that the limb itself does not cover
};

DrawnMoon Draw(double phaseAngle, double sunward, const MoonSize& size)
{
    const QImage image = Picture(phaseAngle, sunward, size);
    const QImage limb = Picture(Pi, 0, size); // a new Moon: the limb alone
    const int c = size.r + 10;
    int disc = 0, lit = 0, outside = 0;
    double sx = 0, sy = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool inside = std::hypot(x - c, y - c) <= size.r;
            const bool isLit = IsLit(image, x, y);
            disc += inside;
            outside += isLit && !inside && (limb.pixel(x, y) & 0xFFFFFF) != 0;
            if (isLit && inside) {
                ++lit;
                sx += x - c;
                sy += y - c;
            }
        }
    return {static_cast<double>(lit) / disc, std::atan2(sy, sx), outside};
}

} // namespace

TEST(MoonPhasePixels, LitShareSideAndLimbAtEveryPhase)
{
    const struct {
        MoonSize size;
        double shareTolerance;
    } sizes[] = {{{9, 2, false}, 0.05},   // the default Moon on the "A4縦" screen, a one-pixel pen
                 {{17, 2, false}, 0.03},  // the largest Moon there
                 {{17, 9, false}, 0.12},  // ... with a four-pixel pen: a thin crescent is a pen wide
                 {{53, 2, true}, 0.02},   // the default Moon on A4 paper at 600 dpi
                 {{53, 9, true}, 0.07}};  // the widest pen there
    for (const auto& [size, shareTolerance] : sizes)
        for (int degrees = 0; degrees <= 180; degrees += 5) {
            const double i = degrees * Pi / 180;
            const double expected = (1 + std::cos(i)) / 2;
            for (double sunward = -3; sunward < 3.2; sunward += 0.7) {
                const DrawnMoon m = Draw(i, sunward, size);
                SCOPED_TRACE(testing::Message() << "r " << size.r << " pen " << size.moonWidth << " phase angle "
                                                << degrees << " sunward " << sunward);
                EXPECT_NEAR(m.litFraction, expected, shareTolerance);
                EXPECT_EQ(m.outsideLimb, 0);
                if (m.litFraction > 0.05 && expected < 0.9) {
                    EXPECT_LT(std::abs(std::remainder(m.litDirection - sunward, 2 * Pi)), 8 * Pi / 180);
                }
            }
        }
}
