#pragma once
// Looking at printed sheets as a user would: PDF pages rasterised with poppler's pdftoppm (0.1 mm
// per pixel at 254 dpi), page sizes read with pdfinfo, and the ink found on a picture.

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QSizeF>
#include <QTemporaryDir>
#include <cmath>
#include <map>
#include <gtest/gtest.h>
#include <vector>

namespace orv::test {

// One page of a PDF as a picture at the given resolution; optionally only the region (in pixels
// of that resolution) from the page's top-left corner.
inline QImage RasterisePage(const QString& pdf, int page, int dpi, const QRect& region = {})
{
    QTemporaryDir dir;
    QStringList args = {QStringLiteral("-png"), QStringLiteral("-singlefile"),
                        QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QString::number(page),
                        QStringLiteral("-l"), QString::number(page)};
    if (!region.isNull())
        args << QStringLiteral("-x") << QString::number(region.x()) << QStringLiteral("-y")
             << QString::number(region.y()) << QStringLiteral("-W") << QString::number(region.width())
             << QStringLiteral("-H") << QString::number(region.height());
    const QString stem = dir.filePath(QStringLiteral("page"));
    args << pdf << stem;
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), args);
    EXPECT_TRUE(p.waitForFinished(60000)) << "pdftoppm";
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The size of every page in millimetres, as pdfinfo reports it.
inline std::vector<QSizeF> PageSizesMm(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                        QStringLiteral("9999"), pdf});
    EXPECT_TRUE(p.waitForFinished(60000)) << "pdfinfo";
    std::vector<QSizeF> sizes;
    static const QRegularExpression line(QStringLiteral(R"(Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts)"));
    auto it = line.globalMatch(QString::fromUtf8(p.readAllStandardOutput()));
    constexpr double MmPerPoint = 25.4 / 72;
    while (it.hasNext()) {
        const auto m = it.next();
        sizes.emplace_back(m.captured(1).toDouble() * MmPerPoint, m.captured(2).toDouble() * MmPerPoint);
    }
    return sizes;
}

inline bool Ink(const QImage& image, int x, int y, int threshold = 160)
{
    return qGray(image.pixel(x, y)) < threshold;
}

// The smallest rectangle holding every inked pixel; null when the picture is blank.
inline QRect InkBounds(const QImage& image, int threshold = 160)
{
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Ink(image, x, y, threshold)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = y;
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The centre of a printed hat from the ink around it: the cut circle is the outermost ink to the
// left, the right and the top (the assembly steps printed below it are narrower than the hat).
inline QPointF HatCentre(const QRect& ink)
{
    return {ink.left() + ink.width() / 2.0, ink.top() + ink.width() / 2.0};
}

// The radius of the inked circle nearest `expected` around `centre`, in pixels: the peak of a
// histogram of the distances of inked pixels from the centre.
inline double CircleRadius(const QImage& image, QPointF centre, double expected)
{
    std::map<int, int> counts;
    const double band = 30;
    const int top = std::max(0, int(centre.y() - expected - band));
    const int bottom = std::min(image.height(), int(centre.y() + expected + band));
    const int left = std::max(0, int(centre.x() - expected - band));
    const int right = std::min(image.width(), int(centre.x() + expected + band));
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const double d = std::hypot(x - centre.x(), y - centre.y());
            if (std::abs(d - expected) < band && Ink(image, x, y))
                ++counts[static_cast<int>(d)];
        }
    if (counts.empty())
        return 0;
    int peak = counts.begin()->first;
    for (const auto& [d, n] : counts)
        if (n > counts[peak])
            peak = d;
    double sum = 0, weighted = 0;
    for (int d = peak - 3; d <= peak + 3; ++d) {
        sum += counts[d];
        weighted += (d + 0.5) * counts[d];
    }
    return weighted / sum;
}

} // namespace orv::test
