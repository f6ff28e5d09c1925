#pragma once
// The screen chart: an image in pixels at 15 twips per pixel (96 dpi) with a white background and
// black text colour. It keeps whatever was drawn on it until it is cleared or resized.

#include "render/CircleStamps.h"
#include "render/PainterCanvas.h"

#include <QPainter>
#include <memory>

namespace orv {

class ScreenCanvas : public PainterCanvas {
public:
    static constexpr double TwipsPerPixel = 15;
    static constexpr int DotsPerMetre = 3780; // 96 dpi

    ScreenCanvas();
    ~ScreenCanvas() override;

    double TwipsPerPixelX() const override { return TwipsPerPixel; }
    void Cls() override;
    // Small whole circles are copied from stamps; the pixels are those of a direct drawing.
    void DrawCircle(double x, double y, double radius, const CircleStyle& style) override;

    // Changes the picture's size; a new size starts as a blank picture.
    void Resize(int width, int height);
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }

    // The picture as it stands now.
    const QImage& Image();

protected:
    QPainter* Painter() override;

private:
    void EndPainting();

    QImage image_;
    std::unique_ptr<QPainter> painter_;
    CircleStamps stamps_;
};

} // namespace orv
