// The user's marks through the window: the line tool from the menu and from the "／" box, a text
// and a stamp placed through their previews, undo and erase, with pointer events sent to the chart.

#include "app/ChartView.h"
#include "app/MainWindow.h"
#include "colour/ui/ucClrComDlg.h"
#include "document/ui/DlgChuji.h"
#include "document/ui/DlgDrawLine.h"
#include "document/ui/DlgUsrText.h"
#include "document/ui/ToolColourGroup.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace orv {
namespace {

class OverlayToolsWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto doc = std::make_unique<HatDocument>(QStringLiteral(ORVENZA_PROGRAM_DIR));
        ASSERT_TRUE(doc->Initialise(QDate(2026, 12, 7)));
        window = std::make_unique<MainWindow>(std::move(doc));
        window->SetExitQuestion([] { return true; });
        window->SetNotice([this](const QString& m) { notices << m; });
        window->resize(1000, 800);
        window->show();
        window->BtnPrView_Click();
    }
    void TearDown() override { window->close(); }

    QWidget* Picture() { return window->Chart()->Picture(); }
    HatDocument& Doc() { return window->Document(); }
    void Trigger(const char* name) { window->findChild<QAction*>(QLatin1String(name))->trigger(); }

    void Drag(QPoint from, QPoint to)
    {
        QTest::mousePress(Picture(), Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(Picture(), (from + to) / 2);
        QTest::mouseMove(Picture(), to);
        QTest::mouseRelease(Picture(), Qt::LeftButton, Qt::NoModifier, to);
    }
    void Click(QPoint at)
    {
        QTest::mouseMove(Picture(), at);
        QTest::mouseClick(Picture(), Qt::LeftButton, Qt::NoModifier, at);
    }
    QRgb PixelAt(QPoint at) { return Doc().screen.Image().pixel(at) & 0xFFFFFF; }

    std::unique_ptr<MainWindow> window;
    QStringList notices;
};

TEST_F(OverlayToolsWindowTest, MenuLineInTheDialogsStyleThenTheCheckBoxKeepsDrawing)
{
    Trigger("mnuLine");
    DlgDrawLine* dialog = window->LineDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    dialog->Widths()->setCurrentIndex(2);
    dialog->findChild<QRadioButton*>(QStringLiteral("OptnL_red"))->click();
    dialog->accept();

    Drag({100, 300}, {300, 300});
    EXPECT_EQ(Doc().overlays.LineCount, 1);
    EXPECT_EQ(Doc().overlays.UsrLines[1].width, 3);
    EXPECT_EQ(PixelAt({200, 300}), 0xFF0000u); // red on the picture
    Drag({100, 400}, {300, 400}); // the menu armed one line
    EXPECT_EQ(Doc().overlays.LineCount, 1);

    auto* box = window->findChild<QToolButton*>(QStringLiteral("CheckLine"));
    box->click();
    ASSERT_TRUE(box->isChecked());
    for (int i = 0; i < 3; ++i)
        Drag({100, 420 + 10 * i}, {300, 420 + 10 * i});
    EXPECT_EQ(Doc().overlays.LineCount, 4);
    box->click();
    Drag({100, 500}, {300, 500});
    EXPECT_EQ(Doc().overlays.LineCount, 4);
}

TEST_F(OverlayToolsWindowTest, CancellingTheCustomColourKeepsTheOptionAndTheColour)
{
    Trigger("mnuLine");
    DlgDrawLine* dialog = window->LineDialog();
    dialog->findChild<QRadioButton*>(QStringLiteral("OptnL_blue"))->click();
    dialog->Colours()->Picker()->SetDialogRunner([](QWidget*, const QColor&) { return std::optional<QColor>(); });
    dialog->Colours()->Custom()->click();
    EXPECT_TRUE(dialog->findChild<QRadioButton*>(QStringLiteral("OptnL_blue"))->isChecked());
    dialog->accept();
    EXPECT_EQ(Doc().lineTool.CurLineColor, 0xFF0000u);

    Trigger("mnuLine");
    dialog->Colours()->Picker()->SetDialogRunner([](QWidget*, const QColor&) { return std::optional<QColor>(Qt::green); });
    dialog->Colours()->Custom()->click();
    dialog->reject(); // the custom colour took effect at once
    EXPECT_EQ(Doc().lineTool.CurLineColor, 0x00FF00u);
    EXPECT_FALSE(Doc().lineTool.LineDlgOK);
}

TEST_F(OverlayToolsWindowTest, TextFollowsThePointerAndIsPlacedWithAClick)
{
    window->BtnText_Click();
    DlgUsrText* dialog = window->TextDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Sizes()->currentText(), "10");
    QStringList refused;
    dialog->SetRefusalReporter([&](const QString& m) { refused << m; });
    dialog->TextBox()->setText(QStringLiteral("火星😀"));
    dialog->accept();
    ASSERT_EQ(refused.size(), 1);
    EXPECT_TRUE(refused[0].contains(QStringLiteral("😀")));
    EXPECT_TRUE(dialog->isVisible());

    dialog->TextBox()->setText(QStringLiteral("火星, \"赤い\""));
    dialog->Sizes()->setCurrentText(QStringLiteral("24"));
    dialog->findChild<QRadioButton*>(QStringLiteral("OptnF_red"))->click();
    dialog->accept();
    Click({240, 380});
    const UsrText& t = Doc().overlays.UsrTexts[1];
    EXPECT_EQ(t.text, QStringLiteral("火星, \"赤い\""));
    EXPECT_EQ(t.size, 24);
    EXPECT_EQ(t.colour, 0x0000FFu);
    EXPECT_DOUBLE_EQ(t.x * Doc().geometry.hatRadius, 240);
    EXPECT_DOUBLE_EQ(t.y * Doc().geometry.hatRadius, 380);
    EXPECT_FALSE(Doc().textTool.TextMode);
}

TEST_F(OverlayToolsWindowTest, StampUndoAndErase)
{
    Trigger("mnuLine");
    window->LineDialog()->accept();
    Drag({100, 300}, {300, 300});

    window->btnChuji_Click();
    DlgChuji* dialog = window->StampDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Scales()->currentText(), "100");
    dialog->Turn(3)->click();
    dialog->accept();
    Click({400, 500});
    EXPECT_EQ(Doc().overlays.ChujiStamps[1].file, "\\sandogasa_270.gif");
    const QImage withStamp = Doc().screen.Image().copy();

    window->BtnPrView_Click(); // a redraw keeps showing the stamp
    EXPECT_TRUE(Doc().screen.Image() == withStamp);

    Trigger("mnuUndo");
    EXPECT_TRUE(Doc().overlays.ChujiStamps[1].file.isEmpty());
    EXPECT_FALSE(Doc().screen.Image() == withStamp);
    EXPECT_EQ(Doc().overlays.LineCount, 1);

    Trigger("mnuDel");
    EXPECT_TRUE(Doc().overlays.UsrLines[1].marker.isEmpty());
    EXPECT_EQ(Doc().overlays.UndoCount, 0);
    EXPECT_EQ(PixelAt({200, 300}), 0xFFFFFFu);
}

} // namespace
} // namespace orv
