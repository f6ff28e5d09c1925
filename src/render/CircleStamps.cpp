#include "render/CircleStamps.h"

#include "render/PainterCanvas.h"

#include <QPainter>
#include <cmath>

namespace orv {

namespace {

constexpr int LargestRadius = 24;
constexpr int MostStamps = 256;

// A canvas on a transparent picture, for drawing one stamp.
class StampCanvas : public PainterCanvas {
public:
    explicit StampCanvas(int size) : image_(size, size, QImage::Format_ARGB32_Premultiplied)
    {
        image_.fill(Qt::transparent);
    }
    double TwipsPerPixelX() const override { return 15; }
    void Cls() override { image_.fill(Qt::transparent); }
    QImage Finish()
    {
        painter_.reset();
        return image_;
    }

protected:
    QPainter* Painter() override
    {
        if (!painter_)
            painter_ = std::make_unique<QPainter>(&image_);
        return painter_.get();
    }

private:
    QImage image_;
    std::unique_ptr<QPainter> painter_;
};

} // namespace

const QImage* CircleStamps::Find(const Canvas& state, double radius, const CircleStyle& style)
{
    if (style.start || style.end || style.aspect || state.DrawStyle != 0 || radius < 0 || radius > LargestRadius
        || radius != std::floor(radius))
        return nullptr;
    const Colour pen = style.colour.value_or(state.ForeColor);
    const QString key = QStringLiteral("%1 %2 %3 %4 %5")
                            .arg(radius)
                            .arg(state.DrawWidth)
                            .arg(pen)
                            .arg(state.FillStyle)
                            .arg(state.FillStyle == 0 ? state.FillColor : 0);
    auto it = stamps_.find(key);
    if (it == stamps_.end()) {
        if (stamps_.size() >= MostStamps)
            stamps_.clear();
        const int half = static_cast<int>(radius) + std::max<int>(1, state.DrawWidth) + 2;
        StampCanvas stamp(2 * half + 1);
        stamp.DrawWidth = state.DrawWidth;
        stamp.DrawStyle = state.DrawStyle;
        stamp.ForeColor = state.ForeColor;
        stamp.FillColor = state.FillColor;
        stamp.FillStyle = state.FillStyle;
        stamp.DrawCircle(half, half, radius, style);
        it = stamps_.insert(key, stamp.Finish());
    }
    return &*it;
}

} // namespace orv
