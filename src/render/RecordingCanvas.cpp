#include "render/RecordingCanvas.h"

namespace orv {

namespace {

QString Num(double v)
{
    return QString::number(v, 'g', 10);
}

QString Hex(Colour c)
{
    return QStringLiteral("%1").arg(c, 6, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString RecordingCanvas::Pen() const
{
    return QStringLiteral("w%1 s%2").arg(DrawWidth).arg(DrawStyle);
}

void RecordingCanvas::Line(double x1, double y1, double x2, double y2, Colour colour)
{
    calls_ << QStringLiteral("Line %1 %2 %3 %4 c%5 %6").arg(Num(x1), Num(y1), Num(x2), Num(y2), Hex(colour), Pen());
}

void RecordingCanvas::DrawCircle(double x, double y, double radius, const CircleStyle& style)
{
    QString line = QStringLiteral("Circle %1 %2 %3 c%4").arg(Num(x), Num(y), Num(radius), Hex(style.colour.value_or(ForeColor)));
    if (style.start && style.end)
        line += QStringLiteral(" arc %1 %2").arg(Num(*style.start), Num(*style.end));
    if (style.aspect)
        line += QStringLiteral(" aspect %1").arg(Num(*style.aspect));
    if (!style.start && FillStyle == 0)
        line += QStringLiteral(" fill%1").arg(Hex(FillColor));
    calls_ << line + QLatin1Char(' ') + Pen();
}

void RecordingCanvas::PSet(double x, double y, Colour colour)
{
    calls_ << QStringLiteral("PSet %1 %2 c%3 %4").arg(Num(x), Num(y), Hex(colour), Pen());
}

void RecordingCanvas::Print(const QString& text)
{
    calls_ << QStringLiteral("Print %1 %2 size%3 c%4 %5").arg(Num(CurrentX), Num(CurrentY), Num(FontSize), Hex(ForeColor), text);
}

void RecordingCanvas::Cls()
{
    calls_ << QStringLiteral("Cls");
}

void RecordingCanvas::PaintPicture(const QImage& picture, double x, double y, std::optional<double> width,
                                   std::optional<double> height)
{
    calls_ << QStringLiteral("PaintPicture %1 %2 %3 %4").arg(Num(x), Num(y), Num(width.value_or(picture.width())),
                                                             Num(height.value_or(picture.height())));
}

void RecordingCanvas::TextOut(const FontRequest& font, int x, int y, const QString& text)
{
    calls_ << QStringLiteral("TextOut %1 %2 h%3 w%4 e%5 b%6 %7 c%8 %9")
                  .arg(x)
                  .arg(y)
                  .arg(font.height)
                  .arg(font.width)
                  .arg(font.escapement)
                  .arg(font.weight)
                  .arg(font.face, Hex(ForeColor), text);
}

void RecordingCanvas::Polygon(const std::vector<QPoint>& points, Colour brush)
{
    QString line = QStringLiteral("Polygon n%1 brush%2 c%3 %4").arg(points.size()).arg(Hex(brush), Hex(ForeColor), Pen());
    for (const QPoint& p : points)
        line += QStringLiteral(" %1,%2").arg(p.x()).arg(p.y());
    calls_ << line;
}

void RecordingCanvas::SetPaper(int16_t paperCode, int16_t orientation)
{
    calls_ << QStringLiteral("SetPaper %1 %2").arg(paperCode).arg(orientation);
}

void RecordingCanvas::EndDoc()
{
    calls_ << QStringLiteral("EndDoc");
}

QStringList RecordingCanvas::CallsOf(const QString& operation) const
{
    QStringList out;
    for (const QString& c : calls_)
        if (c.startsWith(operation + QLatin1Char(' ')) || c == operation)
            out << c;
    return out;
}

} // namespace orv
