#include "render/ImageCanvas.h"

namespace orv {

ImageCanvas::ImageCanvas(int width, int height, QImage::Format format, const QColor& background)
    : image_(width, height, format), background_(background)
{
    image_.fill(background_);
}

void ImageCanvas::Cls()
{
    painter_.reset();
    image_.fill(background_);
}

const QImage& ImageCanvas::Image()
{
    painter_.reset();
    return image_;
}

QPainter* ImageCanvas::Painter()
{
    if (!painter_)
        painter_ = std::make_unique<QPainter>(&image_);
    return painter_.get();
}

} // namespace orv
