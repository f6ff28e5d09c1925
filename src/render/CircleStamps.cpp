#include "render/CircleStamps.h"

#include "render/ImageCanvas.h"

#include <cmath>

namespace orv {

namespace {

constexpr int LargestRadius = 24;
constexpr int MostStamps = 256;

} // namespace

const QImage* CircleStamps::Find(const Canvas& state, double radius, const CircleStyle& style)
{
    if (style.start || style.end || style.aspect || state.DrawStyle != 0 || radius < 0 || radius > LargestRadius
        || radius != std::floor(radius))
        return nullptr;
    const Key key{static_cast<int>(radius), state.DrawWidth, style.colour.value_or(state.ForeColor), state.FillStyle,
                  state.FillStyle == 0 ? state.FillColor : 0};
    auto it = stamps_.find(key);
    if (it == stamps_.end()) {
        if (stamps_.size() >= MostStamps)
            stamps_.clear();
        const int half = static_cast<int>(radius) + std::max<int>(1, state.DrawWidth) + 2;
        ImageCanvas stamp(2 * half + 1, 2 * half + 1, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
        stamp.DrawWidth = state.DrawWidth;
        stamp.DrawStyle = state.DrawStyle;
        stamp.ForeColor = state.ForeColor;
        stamp.FillColor = state.FillColor;
        stamp.FillStyle = state.FillStyle;
        stamp.DrawCircle(half, half, radius, style);
        it = stamps_.insert(key, stamp.Image());
    }
    return &*it;
}

} // namespace orv
