#pragma once
// The canvas operations carried out with QPainter: shared by the screen image and the printed page.

#include "render/Canvas.h"

#include <QFont>

class QPainter;

namespace orv {

class PainterCanvas : public Canvas {
public:
    void Line(double x1, double y1, double x2, double y2, Colour colour) override;
    void DrawCircle(double x, double y, double radius, const CircleStyle& style) override;
    void PSet(double x, double y, Colour colour) override;
    void Print(const QString& text) override;
    void PaintPicture(const QImage& picture, double x, double y, std::optional<double> width = {},
                      std::optional<double> height = {}) override;
    void TextOut(const FontRequest& font, int x, int y, const QString& text) override;
    void Polygon(const std::vector<QPoint>& points, Colour brush) override;

protected:
    // The painter of the current page or image; null when there is nothing to draw on.
    virtual QPainter* Painter() = 0;
    // Font of Print: the screen picture's "ＭＳ Ｐゴシック"; the printer keeps its own.
    virtual QString PrintFace() const;

private:
    void UsePen(QPainter& p, Colour colour) const;
};

QColor ToQColor(Colour c);

// The Windows face names of the chart mapped to the IPA fonts that stand in for them.
QString MapFaceName(const QString& face);

} // namespace orv
