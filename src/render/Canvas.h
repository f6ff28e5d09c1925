#pragma once
// The drawing surface every mark of the chart goes through, on screen and on paper. Units are
// device pixels of the surface, x to the right and y downwards, (0, 0) at the top-left corner.
// Colours are 0x00BBGGRR (red in the low byte). The state members are read and written by name
// by the layers, which leave them as they set them.

#include <cstdint>
#include <optional>
#include <vector>
#include <QImage>
#include <QPoint>
#include <QString>

namespace orv {

using Colour = uint32_t;

inline constexpr Colour Black = 0x000000;
inline constexpr Colour White = 0xFFFFFF;

// A font as the rotated-text routine asks for it: cell height and average character width in
// pixels, escapement in tenths of a degree counter-clockwise from +x, weight (700 bold, 0 normal).
struct FontRequest {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int weight = 0;
    QString face;
};

// Optional parts of a circle call: an explicit outline colour, an arc and an aspect ratio.
struct CircleStyle {
    std::optional<Colour> colour;
    std::optional<double> start; // radians, 0 towards +x, counter-clockwise as seen on the surface
    std::optional<double> end;
    std::optional<double> aspect; // height / width; the radius is the larger semi-axis
};

class Canvas {
public:
    virtual ~Canvas() = default;

    Colour ForeColor = Black;
    Colour FillColor = Black;
    int16_t FillStyle = 1; // 0 solid interior, 1 transparent
    int16_t DrawWidth = 1;
    int16_t DrawStyle = 0; // 0 solid, 2 dotted
    int16_t ScaleMode = 3; // always pixels
    double CurrentX = 0;
    double CurrentY = 0;
    double FontSize = 9;

    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const { return TwipsPerPixelX(); }

    virtual void Line(double x1, double y1, double x2, double y2, Colour colour) = 0;
    void Circle(double x, double y, double radius) { DrawCircle(x, y, radius, {}); }
    void Circle(double x, double y, double radius, Colour colour) { DrawCircle(x, y, radius, {colour, {}, {}, {}}); }
    void Circle(double x, double y, double radius, Colour colour, double start, double end)
    {
        DrawCircle(x, y, radius, {colour, start, end, {}});
    }
    void Ellipse(double x, double y, double radius, Colour colour, double aspect)
    {
        DrawCircle(x, y, radius, {colour, {}, {}, aspect});
    }
    void Circle(double x, double y, double radius, Colour colour, double start, double end, double aspect)
    {
        DrawCircle(x, y, radius, {colour, start, end, aspect});
    }
    virtual void DrawCircle(double x, double y, double radius, const CircleStyle& style) = 0;
    virtual void PSet(double x, double y, Colour colour) = 0;
    // Text at (CurrentX, CurrentY), its cell's top-left corner there, in ForeColor at FontSize.
    virtual void Print(const QString& text) = 0;
    virtual void Cls() = 0;
    virtual void PaintPicture(const QImage& picture, double x, double y, std::optional<double> width = {},
                              std::optional<double> height = {}) = 0;

    // Direct graphics calls on the surface.
    // Text with its cell's top-left corner at (x, y), turned by the font's escapement, in ForeColor.
    virtual void TextOut(const FontRequest& font, int x, int y, const QString& text) = 0;
    // Closed polygon filled with brush by the winding rule, outlined in ForeColor at DrawWidth.
    virtual void Polygon(const std::vector<QPoint>& points, Colour brush) = 0;

    // Printer members: paper code (9 A4, 12 B4, 8 A3) and orientation (1 portrait, 2 landscape)
    // for the next document, the x of the drawing that goes to the middle of the paper's width,
    // and the end of the current document. The screen ignores them.
    virtual void SetPaper(int16_t /*paperCode*/, int16_t /*orientation*/) {}
    virtual void CentreAcrossSheet(int32_t /*x*/) {}
    virtual void EndDoc() {}
};

} // namespace orv
