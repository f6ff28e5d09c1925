#pragma once
// A canvas that draws nothing and writes down every call with the state it was made in, one line
// per call. Exact geometric checks compare these lines; a whole chart becomes a readable text.

#include "render/Canvas.h"

#include <QStringList>

namespace orv {

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(double twipsPerPixel = 15) : twips_(twipsPerPixel) {}

    double TwipsPerPixelX() const override { return twips_; }
    void Line(double x1, double y1, double x2, double y2, Colour colour) override;
    void DrawCircle(double x, double y, double radius, const CircleStyle& style) override;
    void PSet(double x, double y, Colour colour) override;
    void Print(const QString& text) override;
    void Cls() override;
    void PaintPicture(const QImage& picture, double x, double y, std::optional<double> width,
                      std::optional<double> height) override;
    void TextOut(const FontRequest& font, int x, int y, const QString& text) override;
    void Polygon(const std::vector<QPoint>& points, Colour brush) override;
    void SetPaper(int16_t paperCode, int16_t orientation) override;
    void EndDoc() override;

    const QStringList& Calls() const { return calls_; }
    // Calls whose line starts with the given operation name.
    QStringList CallsOf(const QString& operation) const;
    void Clear() { calls_.clear(); }

private:
    QString Pen() const;
    double twips_;
    QStringList calls_;
};

} // namespace orv
