#pragma once
// A painter canvas on a picture of its own, at 15 twips per pixel, every circle drawn directly:
// the stamps of the screen chart are drawn on one.

#include "render/PainterCanvas.h"

#include <QPainter>
#include <memory>

namespace orv {

class ImageCanvas : public PainterCanvas {
public:
    ImageCanvas(int width, int height, QImage::Format format, const QColor& background);

    double TwipsPerPixelX() const override { return 15; }
    void Cls() override;
    // The picture as it stands now.
    const QImage& Image();

protected:
    QPainter* Painter() override;

private:
    QImage image_;
    QColor background_;
    std::unique_ptr<QPainter> painter_;
};

} // namespace orv
