// The Qt surfaces themselves, checked on their pixels: the screen picture and the printed page
// (drawn into a PDF at a device resolution other than the grid's, rasterised back at 600 dpi so
// one pixel is one grid pixel). The recording canvas cannot see any of this: a flipped text
// rotation or red and blue swapped inside the painter would pass every other test.

#include "astro/Numeric.h"
#include "render/ChartGeometry.h"
#include "render/PrinterCanvas.h"
#include "render/ScreenCanvas.h"
#include "support/PdfTools.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

// Where each probe is drawn, in canvas pixels.
constexpr QPoint TextAt(100, 300);
constexpr QPoint ArcAt(300, 100);
constexpr QPoint EllipseAt(300, 300);
constexpr int Radius = 60;
constexpr int LineY = 40;

void DrawProbes(Canvas& canvas)
{
    canvas.DrawWidth = 3;
    canvas.Line(20, 20, 180, 20, 0x0000FF); // red, in 0x00BBGGRR
    canvas.Line(20, 30, 180, 30, 0xFF0000); // blue

    canvas.DrawWidth = 1;
    canvas.DrawStyle = 2; // dotted
    canvas.Line(20, LineY, 180, LineY, Black);
    canvas.DrawWidth = 2; // a dotted pen wider than one pixel draws solid
    canvas.Line(20, LineY + 10, 180, LineY + 10, Black);
    canvas.DrawStyle = 0;

    // A quarter turn counter-clockwise: the text runs upwards from its cell's corner.
    canvas.ForeColor = Black;
    canvas.TextOut({40, 20, 900, 700, QStringLiteral("ＭＳ ゴシック")}, TextAt.x(), TextAt.y(), QStringLiteral("北北北"));

    // From 315 degrees to 45: the short arc through angle 0, on the right of the centre.
    canvas.Circle(ArcAt.x(), ArcAt.y(), Radius, Black, 7 * Pi / 4, Pi / 4);
    // Half as high as wide: the radius is the horizontal semi-axis.
    canvas.Ellipse(EllipseAt.x(), EllipseAt.y(), Radius, Black, 0.5);
}

bool InkNear(const QImage& image, int x, int y)
{
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (Ink(image, x + dx, y + dy))
                return true;
    return false;
}

double InkShare(const QImage& image, int y, int x1, int x2)
{
    int inked = 0;
    for (int x = x1; x < x2; ++x)
        inked += Ink(image, x, y, 200) ? 1 : 0;
    return static_cast<double>(inked) / (x2 - x1);
}

void CheckProbes(const QImage& image)
{
    const QColor red = image.pixelColor(100, 20);
    EXPECT_GT(red.red(), 200);
    EXPECT_LT(red.blue(), 60);
    const QColor blue = image.pixelColor(100, 30);
    EXPECT_GT(blue.blue(), 200);
    EXPECT_LT(blue.red(), 60);

    const double dotted = InkShare(image, LineY, 30, 170);
    EXPECT_GT(dotted, 0.2);
    EXPECT_LT(dotted, 0.8);
    EXPECT_GT(InkShare(image, LineY + 10, 30, 170), 0.95);

    const QRect around(TextAt - QPoint(50, 140), QSize(120, 170));
    const QRect text = InkBounds(image.copy(around)).translated(around.topLeft());
    ASSERT_FALSE(text.isNull());
    EXPECT_LT(text.bottom(), TextAt.y() + 3); // above the corner it turned about
    EXPECT_GT(text.top(), TextAt.y() - 125); // three full-width characters, 40 pixels each, up
    EXPECT_LT(text.top(), TextAt.y() - 80);
    EXPECT_GT(text.left(), TextAt.x() - 3); // the cell's height lies to the right
    EXPECT_LT(text.right(), TextAt.x() + 45);
    EXPECT_GT(text.height(), text.width());

    EXPECT_TRUE(InkNear(image, ArcAt.x() + Radius, ArcAt.y()));
    EXPECT_FALSE(InkNear(image, ArcAt.x() - Radius, ArcAt.y()));
    EXPECT_FALSE(InkNear(image, ArcAt.x(), ArcAt.y() - Radius));
    EXPECT_FALSE(InkNear(image, ArcAt.x(), ArcAt.y() + Radius));

    EXPECT_TRUE(InkNear(image, EllipseAt.x() - Radius, EllipseAt.y()));
    EXPECT_TRUE(InkNear(image, EllipseAt.x() + Radius, EllipseAt.y()));
    EXPECT_TRUE(InkNear(image, EllipseAt.x(), EllipseAt.y() - Radius / 2));
    EXPECT_TRUE(InkNear(image, EllipseAt.x(), EllipseAt.y() + Radius / 2));
    EXPECT_FALSE(InkNear(image, EllipseAt.x(), EllipseAt.y() - Radius));
}

} // namespace

TEST(CanvasPixels, ScreenPicture)
{
    ScreenCanvas screen;
    screen.Resize(420, 420);
    DrawProbes(screen);
    CheckProbes(screen.Image());
}

TEST(CanvasPixels, PrintedPageAtAnotherDeviceResolution)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("probes.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    printer.setResolution(1200);
    {
        PrinterCanvas canvas(printer, PrinterCanvas::Sheets::Pages);
        canvas.SetPaper(9, 1);
        // The middle of the A4 width on the 600-dpi grid: the grid then starts at the paper's edge.
        canvas.CentreAcrossSheet(Round32(SheetSizeMm(9, 1).width() / 25.4 * PrinterCanvas::GridDpi / 2));
        DrawProbes(canvas);
        canvas.EndDoc();
        ASSERT_TRUE(canvas.Finish());
    }
    CheckProbes(RasterisePage(pdf, 1, PrinterCanvas::GridDpi, QRect(0, 0, 420, 420)));
}
