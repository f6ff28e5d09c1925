// The main window offscreen: every list and default shown after start, changes reaching the
// control model and back, the redraw with its scroll bars, dragging, custom colours and exit.
#include "app/ChartView.h"
#include "app/MainWindow.h"
#include "support/WidgetLookup.h"
#include "colour/ColourValue.h"
#include "colour/ui/ucClrComDlg.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

namespace orv {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void Open(QDate today = QDate(2026, 12, 6))
    {
        auto doc = std::make_unique<HatDocument>(QStringLiteral(ORVENZA_PROGRAM_DIR));
        ASSERT_TRUE(doc->Initialise(today));
        window = std::make_unique<MainWindow>(std::move(doc));
        window->SetProblemReporter([this](const QStringList& m) { problems << m; });
        window->SetExitQuestion([this] { return exitAnswer; });
    }
    void TearDown() override
    {
        if (window) {
            exitAnswer = true;
            window->close();
        }
    }

    template <typename W>
    W* Find(const char* name)
    {
        return test::FindNamed<W>(window.get(), name);
    }
    QComboBox* List(ListKey key) { return Find<QComboBox>(ListControlNames[Index(key)]); }
    HatDocument& Doc() { return window->Document(); }

    std::unique_ptr<MainWindow> window;
    QStringList problems;
    bool exitAnswer = true;
};

QStringList ItemsOf(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

TEST_F(MainWindowTest, FreshStartShowsEveryListAndDefault)
{
    Open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("OrvenzaVer.1.4"));
    for (std::size_t i = 0; i < ListCount; ++i) {
        const QComboBox* combo = List(static_cast<ListKey>(i));
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(ItemsOf(combo), Doc().controls.lists[i].items) << ListControlNames[i];
        EXPECT_EQ(combo->currentIndex(), Doc().controls.lists[i].index) << ListControlNames[i];
    }
    const std::pair<ListKey, const char*> shown[] = {
        {ListKey::Tokyu, " 5"}, {ListKey::NmFntSize, " 4"}, {ListKey::Swidth, " 3"}, {ListKey::Lwidth, " 2"},
        {ListKey::Mwidth, " 2"}, {ListKey::MoonR, " 10"}, {ListKey::MoonWidth, " 2"}, {ListKey::Nori, " 60"},
        {ListKey::RR0, "A4縦"}, {ListKey::Pwidth, " 2"}, {ListKey::Year, " 2026"}, {ListKey::Month, " 12"},
        {ListKey::Day, " 6"}, {ListKey::Hour, " 20"}, {ListKey::Minute, " 0"}};
    for (const auto& [key, text] : shown)
        EXPECT_EQ(List(key)->currentText(), QString::fromUtf8(text)) << ListKeyNames[Index(key)];
    EXPECT_EQ(List(ListKey::KansokuKen)->count(), 47);
    EXPECT_EQ(List(ListKey::KansokuKen)->currentIndex(), 24);
    EXPECT_EQ(List(ListKey::KansokuShi)->currentIndex(), 10);
    EXPECT_EQ(ItemsOf(List(ListKey::RR0)).mid(5, 3),
              (QStringList{QStringLiteral("A3横×2"), QStringLiteral("半径 6cm"), QStringLiteral("半径 7cm")}));
    EXPECT_EQ(ItemsOf(List(ListKey::RR0)).last(), QStringLiteral("半径16cm"));

    const char* on[] = {"CheckSen", "CheckMei", "CheckKoseiFill", "CheckKinse", "CheckKase", "CheckMokuse",
                        "CheckDose", "CheckMoon"};
    const char* off[] = {"CheckMilky", "CheckDaisan", "CheckKodo", "CheckHoi", "CheckEdo"};
    for (const char* name : on)
        EXPECT_TRUE(Find<QCheckBox>(name)->isChecked()) << name;
    for (const char* name : off)
        EXPECT_FALSE(Find<QCheckBox>(name)->isChecked()) << name;

    EXPECT_TRUE(Find<QRadioButton>("OptionR_white")->isChecked());
    for (const char* name : {"OptionK_black", "OptionSn_black", "OptionSs_black", "OptionM_black", "OptionKdHi_black",
                             "OptionKin_black", "OptionKa_black", "OptionMoku_black", "OptionDo_black",
                             "OptionMoon_black"})
        EXPECT_TRUE(Find<QRadioButton>(name)->isChecked()) << name;
    // Swatches in their colours; a preset whose swatch differs from the colour it sets shows the swatch.
    EXPECT_EQ(Find<QRadioButton>("OptionSn_cyan")->palette().color(QPalette::WindowText), ToQColor(0xFFFF00));
    EXPECT_EQ(Find<QRadioButton>("OptionR_drkblue")->palette().color(QPalette::WindowText), ToQColor(0x800000));
    EXPECT_EQ(Find<QRadioButton>("OptionKa_usr")->palette().color(QPalette::WindowText),
              window->palette().color(QPalette::Dark));
    EXPECT_EQ(Find<QRadioButton>("OptionK_spectl")->text(), QStringLiteral("型"));
}

TEST_F(MainWindowTest, YearBeforeTheFirstListedShowsTheFirst)
{
    Open(QDate(1999, 3, 15));
    EXPECT_EQ(List(ListKey::Year)->currentText(), QStringLiteral(" 2000"));
    EXPECT_EQ(List(ListKey::Month)->currentText(), QStringLiteral(" 3"));
}

TEST_F(MainWindowTest, UserChangesReachTheModelAndThePaperReachesTheSettingsAtOnce)
{
    Open();
    List(ListKey::Tokyu)->setCurrentIndex(3);
    EXPECT_EQ(Doc().controls.List(ListKey::Tokyu).index, 3);
    Find<QCheckBox>("CheckMilky")->click();
    EXPECT_EQ(Doc().controls.Check(SwitchKey::Fmilky), 1);
    Find<QRadioButton>("OptionKa_red")->click();
    EXPECT_EQ(Doc().controls.Group(ColourKey::KaColor).selected, 2);
    Find<QRadioButton>("OptionK_spectl")->click();
    EXPECT_EQ(Doc().controls.Group(ColourKey::Kcolor).selected, ColourGroup::SpectralSelected);

    List(ListKey::RR0)->setCurrentIndex(5);
    EXPECT_EQ(Doc().controls.List(ListKey::RR0).index, 5);
    EXPECT_EQ(Doc().settings.RR0, 5); // before any redraw

    ReadSettingsFromControls(Doc().controls, Doc().settings);
    EXPECT_EQ(Doc().settings.Tokyu, 2);
    EXPECT_TRUE(Doc().settings.Fmilky);
    EXPECT_EQ(Doc().settings.KaColor, 0x0000FFu);
    EXPECT_EQ(Doc().settings.Kcolor, 0u); // the spectral option sets nothing
}

TEST_F(MainWindowTest, WidgetsFollowTheModelWhenTheProgramSetsIt)
{
    Open();
    SettingControls& c = Doc().controls;
    c.List(ListKey::Nori).index = 0;
    c.Check(SwitchKey::Fsen) = 0;
    c.Group(ColourKey::DoColor).selected = ColourGroup::CustomSelected;
    c.Group(ColourKey::DoColor).customSwatch = 0x00FF80;
    c.Group(ColourKey::MColor).selected = ColourGroup::NoneSelected;
    window->RefreshControls();

    EXPECT_EQ(List(ListKey::Nori)->currentText(), QStringLiteral(" 0"));
    EXPECT_FALSE(Find<QCheckBox>("CheckSen")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("OptionDo_usr")->isChecked());
    EXPECT_EQ(Find<QRadioButton>("OptionDo_usr")->palette().color(QPalette::WindowText), ToQColor(0x00FF80));
    for (const char* name : {"OptionM_black", "OptionM_white", "OptionM_cyan", "OptionM_usr"})
        EXPECT_FALSE(Find<QRadioButton>(name)->isChecked()) << name;
    // Setting the widgets did not write back into the model.
    EXPECT_EQ(c.Group(ColourKey::MColor).selected, ColourGroup::NoneSelected);
}

TEST_F(MainWindowTest, ChoosingAPrefectureRefillsTheMunicipalitiesAtOnce)
{
    Open();
    List(ListKey::KansokuKen)->setCurrentIndex(0); // 北海道
    EXPECT_EQ(List(ListKey::KansokuShi)->count(), Doc().sites.MunicipalityCount(1));
    EXPECT_EQ(List(ListKey::KansokuShi)->currentIndex(), -1);
    EXPECT_EQ(List(ListKey::KansokuShi)->currentText(), QString());
    EXPECT_EQ(Doc().controls.List(ListKey::KansokuShi).index, -1);

    // Drawn now, the site is Hokkaido's own office, as the two lists show.
    Find<QToolButton>("BtnPrView")->click();
    EXPECT_EQ(Doc().settings.KansokuKen, 1);
    EXPECT_EQ(Doc().settings.KansokuShi, 0);
}

TEST_F(MainWindowTest, FocusTabAndMenusNeverChangeTheChosenMunicipality)
{
    Open();
    window->show();
    List(ListKey::KansokuKen)->setCurrentIndex(46); // 沖縄県
    QComboBox* shi = List(ListKey::KansokuShi);
    const int naha = static_cast<int>(Doc().controls.List(ListKey::KansokuShi).items.indexOf(QStringLiteral("那覇市")));
    ASSERT_GE(naha, 0);
    shi->setCurrentIndex(naha);

    for (Qt::FocusReason reason : {Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::MouseFocusReason,
                                   Qt::ShortcutFocusReason, Qt::OtherFocusReason}) {
        QFocusEvent focus(QEvent::FocusIn, reason);
        QApplication::sendEvent(shi, &focus);
    }
    // Choosing the prefecture the list already shows keeps the town too.
    List(ListKey::KansokuKen)->setCurrentIndex(46);
    EXPECT_EQ(shi->currentText(), QStringLiteral("那覇市"));

    Find<QToolButton>("BtnPrView")->click();
    EXPECT_EQ(Doc().settings.KansokuKen, 47);
    EXPECT_EQ(Doc().settings.KansokuShi, naha + 1);
}

TEST_F(MainWindowTest, CustomColourForMarsReachesTheSettingsAndTheSwatch)
{
    Open();
    window->ColourPicker()->SetDialogRunner([](QWidget*, const QColor&) { return std::optional<QColor>(QColor(0, 0, 255)); });
    QRadioButton* custom = Find<QRadioButton>("OptionKa_usr");
    custom->click();
    EXPECT_EQ(Doc().settings.KaColor, 0xFF0000u);
    EXPECT_EQ(custom->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    // Cancelled for the Moon, which shows the yellow preset: option and colour stay.
    Find<QRadioButton>("OptionMoon_yellow")->click();
    window->ColourPicker()->SetDialogRunner([](QWidget*, const QColor&) { return std::optional<QColor>(); });
    Find<QRadioButton>("OptionMoon_usr")->click();
    EXPECT_TRUE(Find<QRadioButton>("OptionMoon_yellow")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("OptionMoon_usr")->isChecked());
    Find<QToolButton>("BtnPrView")->click();
    EXPECT_EQ(Doc().settings.MoonColor, 0x00FFFFu);
}

TEST_F(MainWindowTest, RedrawOnTwoSheetPaperCentresTheChartAndDraggingPansIt)
{
    Open();
    window->show();
    QApplication::processEvents();
    List(ListKey::RR0)->setCurrentIndex(5); // A3横×2
    Find<QToolButton>("BtnPrView")->click();
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();

    ChartView* chart = window->Chart();
    QWidget* picture = chart->Picture();
    EXPECT_EQ(picture->width(), 1112);
    const int excess = 1112 - chart->ContainerSize().width();
    ASSERT_GT(excess, 0);
    EXPECT_EQ(chart->HorizontalBar()->maximum(), excess);
    EXPECT_EQ(chart->HorizontalBar()->value(), static_cast<int>(std::nearbyint(excess / 2.0)));
    EXPECT_EQ(picture->x(), -chart->HorizontalBar()->value());
    EXPECT_EQ(picture->y(), -chart->VerticalBar()->value());

    // The scroll bar moves the picture.
    chart->HorizontalBar()->setValue(0);
    EXPECT_EQ(picture->x(), 0);

    // Dragging left by 12 pixels, the pointer held still over the screen, moves it 12 to the left.
    auto move = [&](QPointF at, Qt::MouseButtons buttons) {
        QMouseEvent e(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(picture, &e);
    };
    move(QPointF(300, 300), Qt::NoButton);
    move(QPointF(288, 300), Qt::LeftButton);
    EXPECT_EQ(picture->x(), -12);
    EXPECT_EQ(chart->HorizontalBar()->value(), 12);
}

TEST_F(MainWindowTest, DrawingWithoutASiteOrADateAsksTheUserToChooseThem)
{
    Open();
    window->show();
    // The message box is modal: read and close it from the event loop it runs.
    const auto drawAndReadTheQuestion = [this] {
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        Find<QToolButton>("BtnPrView")->click();
        return shown;
    };
    List(ListKey::Day)->setCurrentIndex(-1);
    EXPECT_EQ(drawAndReadTheQuestion(), QStringLiteral("日時を選択してください"));
    List(ListKey::KansokuKen)->setCurrentIndex(-1);
    EXPECT_EQ(drawAndReadTheQuestion(), QStringLiteral("観測地を選択してください"));
    EXPECT_EQ(Doc().geometry.hatRadius, 0); // nothing drawn
    List(ListKey::KansokuKen)->setCurrentIndex(12);
    List(ListKey::Day)->setCurrentIndex(6);
    EXPECT_EQ(drawAndReadTheQuestion(), QString());
    EXPECT_GT(Doc().geometry.hatRadius, 0);
}

TEST_F(MainWindowTest, HelpOpensAtItsContentsAndTheVersionBoxClosesWithOk)
{
    Open();
    window->show();
    Find<QToolButton>("BtnHelp")->click();
    auto* help = Find<QTextBrowser>("HelpText");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->window()->isVisible());
    EXPECT_TRUE(help->toPlainText().contains(QStringLiteral("目次")));
    EXPECT_EQ(help->verticalScrollBar()->value(), 0);

    window->findChild<QAction*>(QStringLiteral("mnuVer"))->trigger();
    auto* about = Find<QDialog>("frmHelp");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Orvenzaver.1.4"));
    EXPECT_FALSE(about->isModal());
    QPointer<QDialog> watch(about);
    about->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull()); // destroyed when closed
}

TEST_F(MainWindowTest, NoAtTheExitQuestionKeepsTheWindow)
{
    Open();
    window->show();
    exitAnswer = false;
    Find<QToolButton>("BtnExit")->click();
    EXPECT_TRUE(window->isVisible());
    exitAnswer = true;
    Find<QToolButton>("BtnExit")->click();
    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace orv
