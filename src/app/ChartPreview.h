#pragma once
// What the tools show on top of the chart without drawing on it, in chart pixels: the rubber band
// of a line being drawn, and the text or stamp that follows the pointer until it is placed.

#include <QColor>
#include <QImage>
#include <QLine>
#include <QRect>
#include <QString>
#include <optional>

class QPainter;

namespace orv {

struct ChartPreview {
    struct RubberBand {
        QLine line;
        int width = 1;
        QColor colour;
    };
    struct Text {
        QPoint topLeft;
        QString text;
        double points = 0;
        QColor colour;
    };
    struct Stamp {
        QRect place;
        QImage picture;
    };
    std::optional<RubberBand> rubberBand;
    std::optional<Text> text;
    std::optional<Stamp> stamp;
};

// Paints the preview with a painter that works in chart pixels (the chart view's overlay painter).
void PaintChartPreview(QPainter& p, const ChartPreview& preview);

} // namespace orv
