#include "render/ScreenCanvas.h"

#include "astro/Numeric.h"

#include <cmath>

namespace orv {

namespace {

QImage BlankImage(int width, int height, double ratio = 1)
{
    QImage image(static_cast<int>(std::ceil(std::max(width, 1) * ratio)),
                 static_cast<int>(std::ceil(std::max(height, 1) * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(ScreenCanvas::DotsPerMetre);
    image.setDotsPerMeterY(ScreenCanvas::DotsPerMetre);
    image.fill(Qt::white);
    return image;
}

} // namespace

ScreenCanvas::ScreenCanvas() : image_(BlankImage(1, 1)) {}

ScreenCanvas::~ScreenCanvas()
{
    EndPainting();
}

void ScreenCanvas::EndPainting()
{
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

QPainter* ScreenCanvas::Painter()
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return painter_.get();
}

void ScreenCanvas::Cls()
{
    EndPainting();
    image_.fill(Qt::white);
}

void ScreenCanvas::Resize(int width, int height)
{
    if (width != width_ || height != height_)
        Rebuild(width, height, PixelRatio(), false);
}

void ScreenCanvas::SetPixelRatio(double ratio)
{
    if (ratio > 0 && ratio != PixelRatio())
        Rebuild(width_, height_, ratio, true);
}

void ScreenCanvas::Rebuild(int width, int height, double ratio, bool keep)
{
    EndPainting();
    QImage rebuilt = BlankImage(width, height, ratio);
    if (keep) {
        QPainter p(&rebuilt);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QPointF(0, 0), image_);
    }
    image_ = rebuilt;
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
}

void ScreenCanvas::DrawCircle(double x, double y, double radius, const CircleStyle& style)
{
    const QImage* stamp = PixelRatio() == 1 ? stamps_.Find(*this, radius, style) : nullptr;
    if (!stamp) {
        PainterCanvas::DrawCircle(x, y, radius, style);
        return;
    }
    const int half = stamp->width() / 2;
    Painter()->drawImage(QPoint(static_cast<int>(RoundHalfEven(x)) - half, static_cast<int>(RoundHalfEven(y)) - half),
                         *stamp);
}

const QImage& ScreenCanvas::Image()
{
    EndPainting();
    return image_;
}

} // namespace orv
