#pragma once
// Colour values of the chart (0x00BBGGRR, red in the low byte) to and from Qt colours.

#include "render/Canvas.h"

#include <QColor>

namespace orv {

inline QColor ToQColor(Colour c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

inline Colour FromQColor(const QColor& c)
{
    const QColor rgb = c.toRgb();
    return static_cast<Colour>(rgb.red()) | static_cast<Colour>(rgb.green()) << 8
        | static_cast<Colour>(rgb.blue()) << 16;
}

} // namespace orv
