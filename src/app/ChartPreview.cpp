#include "app/ChartPreview.h"

#include "render/PainterCanvas.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace orv {

void PaintChartPreview(QPainter& p, const ChartPreview& preview)
{
    if (const auto& band = preview.rubberBand) {
        p.setPen(QPen(band->colour, band->width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(band->line);
    }
    if (const auto& text = preview.text) {
        // The face and size of the text placed on the chart picture: points at the picture's 96 dpi.
        QFont font(MapFaceName(QStringLiteral("ＭＳ Ｐゴシック")));
        font.setPointSizeF(text->points * 96.0 / p.device()->logicalDpiY());
        p.setFont(font);
        p.setPen(text->colour);
        p.drawText(QPointF(text->topLeft) + QPointF(0, QFontMetricsF(font, p.device()).ascent()), text->text);
    }
    if (const auto& stamp = preview.stamp)
        p.drawImage(stamp->place, stamp->picture);
}

} // namespace orv
