#include "render/PainterCanvas.h"

#include "astro/Numeric.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPolygon>
#include <cmath>

namespace orv {

QColor ToQColor(Colour c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QString MapFaceName(const QString& face)
{
    if (face == QStringLiteral("ＭＳ ゴシック"))
        return QStringLiteral("IPAGothic");
    if (face == QStringLiteral("ＭＳ Ｐゴシック"))
        return QStringLiteral("IPAPGothic");
    return face;
}

QString PainterCanvas::PrintFace() const
{
    return QStringLiteral("ＭＳ Ｐゴシック");
}

namespace {

QPointF Device(double x, double y)
{
    return {RoundHalfEven(x), RoundHalfEven(y)};
}

// Metrics of a face at a reference pixel size: its cell height (ascent + descent), ascent, and
// the average character width of a CJK face, which is half its em (a full-width character).
struct FaceMetrics {
    double cell;
    double ascent;
    double averageWidth;
};

constexpr int ReferencePixels = 200;

const FaceMetrics& MetricsOf(const QString& family)
{
    static QHash<QString, FaceMetrics> cache;
    auto it = cache.find(family);
    if (it == cache.end()) {
        QFont font(family);
        font.setPixelSize(ReferencePixels);
        const QFontMetricsF fm(font);
        const double em = fm.horizontalAdvance(QChar(0x3042)); // "あ", one em wide
        it = cache.insert(family, {fm.ascent() + fm.descent(), fm.ascent(), (em > 0 ? em : ReferencePixels) / 2});
    }
    return *it;
}

} // namespace

void PainterCanvas::UsePen(QPainter& p, Colour colour) const
{
    const int width = std::max<int>(1, DrawWidth);
    QPen pen(ToQColor(colour), width);
    pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    // A dotted pen exists only one pixel wide; wider pens are always solid.
    pen.setStyle(DrawStyle == 2 && width == 1 ? Qt::DotLine : Qt::SolidLine);
    p.setPen(pen);
}

void PainterCanvas::Line(double x1, double y1, double x2, double y2, Colour colour)
{
    QPainter* p = Painter();
    if (!p)
        return;
    UsePen(*p, colour);
    p->drawLine(Device(x1, y1), Device(x2, y2));
}

void PainterCanvas::DrawCircle(double x, double y, double radius, const CircleStyle& style)
{
    QPainter* p = Painter();
    if (!p)
        return;
    UsePen(*p, style.colour.value_or(ForeColor));
    double rx = radius;
    double ry = radius;
    if (style.aspect) {
        if (*style.aspect < 1)
            ry = radius * *style.aspect;
        else
            rx = radius / *style.aspect;
    }
    const QPointF c = Device(x, y);
    const QRectF box(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry);
    if (style.start && style.end) {
        double span = *style.end - *style.start;
        if (span < 0)
            span += 2 * Pi;
        p->setBrush(Qt::NoBrush);
        p->drawArc(box, static_cast<int>(std::lround(*style.start * 180 / Pi * 16)),
                   static_cast<int>(std::lround(span * 180 / Pi * 16)));
        return;
    }
    if (FillStyle == 0)
        p->setBrush(ToQColor(FillColor));
    else
        p->setBrush(Qt::NoBrush);
    p->drawEllipse(box);
}

void PainterCanvas::PSet(double x, double y, Colour colour)
{
    QPainter* p = Painter();
    if (!p)
        return;
    QPen pen(ToQColor(colour), std::max<int>(1, DrawWidth));
    pen.setCapStyle(DrawWidth > 1 ? Qt::RoundCap : Qt::SquareCap);
    p->setPen(pen);
    p->drawPoint(Device(x, y));
}

void PainterCanvas::Print(const QString& text)
{
    QPainter* p = Painter();
    if (!p || text.isEmpty())
        return;
    QFont font(MapFaceName(PrintFace()));
    // Points count on the canvas's own grid (1440 / twips per pixel dots per inch), whatever the
    // resolution of the device the painter scales that grid to.
    const double gridDpi = 1440.0 / TwipsPerPixelY();
    font.setPointSizeF((FontSize > 0 ? FontSize : 1) * gridDpi / p->device()->logicalDpiY());
    p->setFont(font);
    p->setPen(ToQColor(ForeColor));
    const QFontMetricsF fm(font, p->device());
    p->drawText(QPointF(CurrentX, CurrentY + fm.ascent()), text);
    CurrentY += fm.height();
}

void PainterCanvas::PaintPicture(const QImage& picture, double x, double y, std::optional<double> width,
                                 std::optional<double> height)
{
    QPainter* p = Painter();
    if (!p || picture.isNull())
        return;
    const double w = width.value_or(picture.width());
    const double h = height.value_or(picture.height());
    p->drawImage(QRectF(x, y, w, h), picture);
}

void PainterCanvas::TextOut(const FontRequest& request, int x, int y, const QString& text)
{
    QPainter* p = Painter();
    if (!p || text.isEmpty() || request.height <= 0)
        return;
    const QString family = MapFaceName(request.face);
    const FaceMetrics& m = MetricsOf(family);
    QFont font(family);
    font.setPixelSize(ReferencePixels);
    font.setBold(request.weight >= 600);
    font.setStyleStrategy(QFont::PreferOutline);
    const double sy = request.height / m.cell;
    const double sx = request.width > 0 ? request.width / m.averageWidth : sy;
    p->save();
    p->translate(x, y);
    p->rotate(-request.escapement / 10.0);
    p->scale(sx, sy);
    p->setFont(font);
    p->setPen(ToQColor(ForeColor));
    p->drawText(QPointF(0, m.ascent), text);
    p->restore();
}

void PainterCanvas::Polygon(const std::vector<QPoint>& points, Colour brush)
{
    QPainter* p = Painter();
    if (!p || points.empty())
        return;
    UsePen(*p, ForeColor);
    p->setBrush(ToQColor(brush));
    p->drawPolygon(points.data(), static_cast<int>(points.size()), Qt::WindingFill);
}

} // namespace orv
