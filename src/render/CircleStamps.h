#pragma once
// Small whole circles of the screen chart drawn once into a transparent picture and then copied:
// the thousands of star discs of a chart cost a copy each instead of a path to fill and stroke.
// A stamp is drawn by the same painter code as a circle drawn directly, at a whole-pixel offset,
// so the copied pixels are the ones the direct drawing would give.

#include "render/Canvas.h"

#include <QHash>

namespace orv {

class CircleStamps {
public:
    // The stamp of a circle of this radius and style in the canvas's current pen and fill, centred
    // on the stamp's middle pixel; null for a circle that stamps do not serve (an arc, an ellipse,
    // a dotted pen, a radius that is not a small whole number).
    const QImage* Find(const Canvas& state, double radius, const CircleStyle& style);

    // What decides a stamp's pixels.
    struct Key {
        int radius;
        int penWidth;
        Colour pen;
        int fillStyle;
        Colour fill;
        bool operator==(const Key&) const = default;
    };

private:
    QHash<Key, QImage> stamps_;
};

inline size_t qHash(const CircleStamps::Key& k, size_t seed = 0)
{
    return qHashMulti(seed, k.radius, k.penWidth, k.pen, k.fillStyle, k.fill);
}

} // namespace orv
