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

private:
    QHash<QString, QImage> stamps_;
};

} // namespace orv
