// The screen chart on a high-density screen, and where the program folder is found.
#include "render/DataFolder.h"
#include "render/ScreenCanvas.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(ScreenCanvas, HighDensityKeepsChartPixelsAndDrawsSharp)
{
    ScreenCanvas screen;
    screen.SetPixelRatio(2);
    screen.Resize(100, 60);
    EXPECT_EQ(screen.Width(), 100);
    EXPECT_EQ(screen.Height(), 60);
    screen.DrawWidth = 1;
    screen.Line(10, 10, 90, 10, 0x000000);
    const QImage& image = screen.Image();
    EXPECT_EQ(image.size(), QSize(200, 120));
    // One chart pixel of line is two device rows of full black with white beside them, not a
    // blurred band of greys.
    EXPECT_EQ(image.pixelColor(100, 19), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(100, 20), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(100, 18), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(100, 21), QColor(Qt::white));

    // Back to ratio 1: what was drawn stays where it was in chart pixels.
    screen.SetPixelRatio(1);
    EXPECT_EQ(screen.Image().size(), QSize(100, 60));
    EXPECT_LT(screen.Image().pixelColor(50, 10).lightness(), 255);
    EXPECT_EQ(screen.Image().pixelColor(50, 30), QColor(Qt::white));
}

TEST(DataFolder, ProgramFolderIsBesideTheExecutableOrInShareOrvenza)
{
    QTemporaryDir prefix;
    QDir root(prefix.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(root.mkpath(QStringLiteral("share/orvenza/DATA")));
    const QString bin = root.filePath(QStringLiteral("bin"));
    EXPECT_EQ(DataFolder::ProgramFolderOf(bin), root.filePath(QStringLiteral("share/orvenza")));
    EXPECT_EQ(DataFolder(bin).DataDir(), root.filePath(QStringLiteral("share/orvenza/DATA")));

    // DATA beside the executable wins (the build folder, a copied program).
    ASSERT_TRUE(root.mkpath(QStringLiteral("bin/DATA")));
    EXPECT_EQ(DataFolder::ProgramFolderOf(bin), bin);
    // Neither: the executable's folder, whose messages then name it.
    QTemporaryDir bare;
    EXPECT_EQ(DataFolder::ProgramFolderOf(bare.path()), bare.path());
}

} // namespace
} // namespace orv
