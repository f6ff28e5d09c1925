#pragma once
// The screen chart: an image in pixels at 15 twips per pixel (96 dpi) with a white background and
// black text colour. It keeps whatever was drawn on it until it is cleared or resized.
// On a high-density screen the image holds `PixelRatio` device pixels per chart pixel, so that the
// chart is drawn sharp; sizes and coordinates stay in chart pixels whatever the ratio.

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
    // Small whole circles are copied from stamps at a ratio of 1; the pixels are those of a direct
    // drawing.
    void DrawCircle(double x, double y, double radius, const CircleStyle& style) override;

    // Changes the picture's size; a new size starts as a blank picture.
    void Resize(int width, int height);
    // Device pixels per chart pixel (1 unless the screen is of high density); what was drawn is
    // kept, scaled to the new ratio.
    void SetPixelRatio(double ratio);
    double PixelRatio() const { return image_.devicePixelRatio(); }
    // Size in chart pixels.
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The picture as it stands now (its device pixel ratio is PixelRatio).
    const QImage& Image();

protected:
    QPainter* Painter() override;

private:
    void EndPainting();

    // A new picture of that size and ratio; with keep, what was drawn is copied onto it, scaled.
    void Rebuild(int width, int height, double ratio, bool keep);

    int width_ = 1;
    int height_ = 1;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    CircleStamps stamps_;
};

} // namespace orv
