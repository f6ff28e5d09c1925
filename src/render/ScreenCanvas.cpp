#include "render/ScreenCanvas.h"

#include "astro/Numeric.h"

namespace orv {

namespace {

QImage BlankImage(int width, int height)
{
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
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
    if (width == image_.width() && height == image_.height())
        return;
    EndPainting();
    image_ = BlankImage(width, height);
}

void ScreenCanvas::DrawCircle(double x, double y, double radius, const CircleStyle& style)
{
    const QImage* stamp = stamps_.Find(*this, radius, style);
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
