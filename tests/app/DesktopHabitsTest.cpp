// The main window as a desktop program, offscreen: the standard keys, the zoom that leaves the chart
// alone, the wheel, scroll ranges after a resize, the title and recent files, dropped hat files,
// tooltips and the names of the colour swatches.
#include "app/ChartView.h"
#include "app/MainWindow.h"
#include "support/WidgetLookup.h"
#include "app/WindowMemory.h"
#include "document/HatFile.h"
#include "support/Fixtures.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace orv {
namespace {

class DesktopHabitsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto doc = std::make_unique<HatDocument>(QStringLiteral(ORVENZA_PROGRAM_DIR));
        ASSERT_TRUE(doc->Initialise(QDate(2026, 12, 7)));
        window = std::make_unique<MainWindow>(std::move(doc));
        window->SetProblemReporter([this](const QStringList& m) { problems << m; });
        window->SetExitQuestion([this] {
            ++exitQuestions;
            return exitAnswer;
        });
        window->resize(1100, 760);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override
    {
        exitAnswer = true;
        window->close();
    }

    template <typename W>
    W* Find(const char* name)
    {
        return test::FindNamed<W>(window.get(), name);
    }
    HatDocument& Doc() { return window->Document(); }
    ChartView* Chart() { return window->Chart(); }

    // A hat file for another site and paper, written as the program writes it.
    QString HatFile(const QString& name, std::initializer_list<std::pair<const char*, const char*>> sets)
    {
        const QString path = files.filePath(name);
        auto doc = test::FreshDocument(QDate(2026, 12, 7), sets);
        EXPECT_EQ(SaveHatFile(*doc, path), QString());
        return path;
    }

    std::unique_ptr<MainWindow> window;
    QTemporaryDir files;
    QStringList problems;
    bool exitAnswer = true;
    int exitQuestions = 0;
};

TEST_F(DesktopHabitsTest, F5DrawsF1OpensTheHelpAndEscapeClosesIt)
{
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_EQ(Doc().geometry.hatRadius, 9 * 38); // "A4縦" drawn on the screen
    EXPECT_TRUE(problems.isEmpty());

    QTest::keyClick(window.get(), Qt::Key_F1);
    auto* help = window->findChild<QTextBrowser*>(QStringLiteral("HelpText"));
    ASSERT_NE(help, nullptr);
    QWidget* helpWindow = help->window();
    EXPECT_TRUE(helpWindow->isVisible());
    EXPECT_TRUE(help->toPlainText().contains(QStringLiteral("Ctrl+S")));
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(helpWindow->isVisible());

    // The version box closes with Escape too.
    window->findChild<QAction*>(QStringLiteral("mnuVer"))->trigger();
    auto* about = window->findChild<QDialog*>(QStringLiteral("frmHelp"));
    ASSERT_NE(about, nullptr);
    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_FALSE(about->isVisible());
}

TEST_F(DesktopHabitsTest, CtrlSAndCtrlOOpenTheChoosersInTheFolderLastUsed)
{
    WindowMemory().SetLastFolder(files.path());
    QString title;
    QString folder;
    // Plays the user in the next file chooser: notes its title and folder, then answers.
    auto answerChooser = [&](const QString& name) {
        QTimer::singleShot(0, [&, name] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            title = dialog->windowTitle();
            folder = dialog->directory().absolutePath();
            if (name.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->selectFile(files.filePath(name));
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept, which takes the typed name
        });
    };
    answerChooser(QStringLiteral("sky"));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(title, QStringLiteral("笠ファイルを保存する"));
    EXPECT_EQ(folder, files.path());
    EXPECT_TRUE(QFile::exists(files.filePath(QStringLiteral("sky.orv")))); // written as the chooser closed
    EXPECT_EQ(window->CurrentFile(), files.filePath(QStringLiteral("sky.orv")));

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    answerChooser(QString());
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(title, QStringLiteral("笠ファイルを開く"));
    EXPECT_EQ(folder, files.path());
    EXPECT_FALSE(Doc().LoadPending);
}

TEST_F(DesktopHabitsTest, CtrlQAsksAndCtrlZUndoes)
{
    int undone = 0;
    QObject::connect(window->findChild<QAction*>(QStringLiteral("mnuUndo")), &QAction::triggered, [&] { ++undone; });
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(undone, 1);

    exitAnswer = false;
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(exitQuestions, 1);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(DesktopHabitsTest, ZoomScalesTheViewOnlyAndFitShowsTheWholeTwoSheetHat)
{
    Find<QComboBox>("ComboR")->setCurrentIndex(5); // A3横×2
    QTest::keyClick(window.get(), Qt::Key_F5);
    const QImage drawn = Doc().screen.Image().copy();
    const int radius = Doc().geometry.hatRadius;
    ASSERT_EQ(Doc().screen.Width(), 1112);

    QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier); // 全体表示
    QWidget* picture = Chart()->Picture();
    const QSize container = Chart()->ContainerSize();
    EXPECT_LT(Chart()->Zoom(), 1.0);
    EXPECT_LE(picture->width(), container.width());
    EXPECT_LE(picture->height(), container.height());
    EXPECT_EQ(Chart()->HorizontalBar()->maximum(), 0);
    EXPECT_EQ(Chart()->VerticalBar()->maximum(), 0);

    window->findChild<QAction*>(QStringLiteral("mnuZoomIn"))->trigger();
    window->findChild<QAction*>(QStringLiteral("mnuZoomIn"))->trigger();
    QTest::keyClick(window.get(), Qt::Key_1, Qt::ControlModifier); // 100 %
    EXPECT_DOUBLE_EQ(Chart()->Zoom(), 1.0);
    EXPECT_EQ(picture->size(), QSize(1112, Doc().screen.Height()));

    // The chart itself never changed: same size, same geometry, same pixels.
    EXPECT_EQ(Doc().screen.Width(), 1112);
    EXPECT_EQ(Doc().geometry.hatRadius, radius);
    EXPECT_EQ(Doc().screen.Image(), drawn);
}

TEST_F(DesktopHabitsTest, PointerIsReportedInChartPixelsAtAnyZoom)
{
    QTest::keyClick(window.get(), Qt::Key_F5);
    Chart()->SetZoom(2.0);
    QPointF reported;
    QObject::connect(Chart(), &ChartView::ChartMoved, [&](const ChartPointer& p) { reported = p.at; });
    QWidget* picture = Chart()->Picture();
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 120), picture->mapToGlobal(QPointF(300, 120)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
    EXPECT_EQ(reported, QPointF(150, 60));
    EXPECT_EQ(Chart()->FromChart(QPointF(150, 60)), QPointF(300, 120));
    EXPECT_EQ(Chart()->ChartToContainer(QPointF(150, 60)), QPointF(300, 120) + QPointF(picture->pos()));

    // An overlay painter draws in chart pixels: its painter carries the zoom.
    QTransform seen;
    Chart()->SetOverlayPainter([&](QPainter& p) { seen = p.worldTransform(); });
    picture->repaint();
    EXPECT_DOUBLE_EQ(seen.m11(), 2.0);
    EXPECT_DOUBLE_EQ(seen.m22(), 2.0);
    Chart()->SetOverlayPainter({});
}

TEST_F(DesktopHabitsTest, WheelScrollsShiftWheelGoesSidewaysCtrlWheelZooms)
{
    Find<QComboBox>("ComboR")->setCurrentIndex(5);
    QTest::keyClick(window.get(), Qt::Key_F5);
    QScrollBar* v = Chart()->VerticalBar();
    QScrollBar* h = Chart()->HorizontalBar();
    ASSERT_GT(v->maximum(), 0);
    ASSERT_GT(h->maximum(), 0);
    const int top = v->value();
    const int left = h->value();
    QWidget* picture = Chart()->Picture();
    // Over the chart, a wheel event reaches the chart view (the picture and its container pass it
    // on; a synthesised event is not passed on, so it is sent to the view itself).
    auto wheel = [&](Qt::KeyboardModifiers modifiers) {
        const QPointF at(200, 200);
        QWheelEvent e(at, Chart()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(Chart(), &e);
    };
    wheel(Qt::NoModifier); // one notch down
    EXPECT_GT(v->value(), top);
    EXPECT_EQ(h->value(), left);
    EXPECT_EQ(picture->y(), -v->value());
    wheel(Qt::ShiftModifier);
    EXPECT_GT(h->value(), left);
    wheel(Qt::ControlModifier);
    EXPECT_LT(Chart()->Zoom(), 1.0);
}

TEST_F(DesktopHabitsTest, ScrollRangesFollowAResizeAndAMaximise)
{
    Find<QComboBox>("ComboR")->setCurrentIndex(5);
    QTest::keyClick(window.get(), Qt::Key_F5);
    QScrollBar* v = Chart()->VerticalBar();
    const int before = v->maximum();
    window->resize(window->width(), window->height() + 200);
    QApplication::processEvents();
    EXPECT_EQ(v->maximum(), before - 200);
    EXPECT_EQ(v->maximum(), Doc().screen.Height() - Chart()->ContainerSize().height());
    EXPECT_EQ(Chart()->Picture()->y(), -v->value());
}

TEST_F(DesktopHabitsTest, OpenedFileShowsItsSettingsNamesTheTitleAndJoinsTheRecentFiles)
{
    WindowMemory().ClearRecentFiles();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("OrvenzaVer.1.4"));
    const QString path = HatFile(QStringLiteral("okinawa.orv"), {{"KansokuKen", "46"}, {"KansokuShi", "0"}, {"RR0", "2"}});
    window->OpenFromOutside(path);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("okinawa.orv — OrvenzaVer.1.4"));
    EXPECT_EQ(Find<QComboBox>("ComboKansokuKen")->currentText(), QStringLiteral("沖縄県"));
    EXPECT_EQ(Find<QComboBox>("ComboKansokuShi")->currentText(), QStringLiteral("那覇市"));
    EXPECT_EQ(Find<QComboBox>("ComboR")->currentText(), QStringLiteral("A3縦"));
    EXPECT_EQ(WindowMemory().RecentFiles().value(0), path);
    EXPECT_EQ(WindowMemory().LastFolder(), files.path());
    // The ﾌｧｲﾙ menu lists it.
    auto* recent = window->findChild<QMenu*>(QStringLiteral("mnuRecent"));
    ASSERT_NE(recent, nullptr);
    emit recent->aboutToShow();
    EXPECT_EQ(recent->actions().value(0)->text(), QStringLiteral("&1 okinawa.orv"));

    // A failed open (its message answered) leaves the title as it was.
    QString message;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    window->OpenFromOutside(files.filePath(QStringLiteral("missing.orv")));
    EXPECT_FALSE(message.isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("okinawa.orv — OrvenzaVer.1.4"));
}

TEST_F(DesktopHabitsTest, DroppedHatFileIsOpenedOtherFilesAreRefused)
{
    const QString path = HatFile(QStringLiteral("hokkaido.orv"), {{"KansokuKen", "0"}, {"KansokuShi", "-1"}});
    auto drop = [&](const QString& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        const QPoint at(50, 50);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &dropped);
        QApplication::processEvents();
        return true;
    };
    EXPECT_FALSE(drop(files.filePath(QStringLiteral("picture.png"))));
    EXPECT_TRUE(drop(path));
    EXPECT_EQ(Find<QComboBox>("ComboKansokuKen")->currentText(), QStringLiteral("北海道"));
    EXPECT_EQ(Find<QComboBox>("ComboKansokuShi")->currentIndex(), -1);
    EXPECT_EQ(Doc().settings.KansokuShi, 0); // drawn for the prefectural office
}

TEST_F(DesktopHabitsTest, EverySettingControlExplainsItselfAndSwatchesHaveNames)
{
    for (const char* name : ListControlNames)
        EXPECT_FALSE(Find<QComboBox>(name)->toolTip().isEmpty()) << name;
    for (const char* name : SwitchControlNames)
        EXPECT_FALSE(Find<QWidget>(name)->toolTip().isEmpty()) << name;

    EXPECT_EQ(Find<QRadioButton>("OptionMoon_yellow")->accessibleName(), QStringLiteral("黄"));
    EXPECT_EQ(Find<QRadioButton>("OptionR_white")->accessibleName(), QStringLiteral("白"));
    EXPECT_EQ(Find<QRadioButton>("OptionKa_red")->accessibleName(), QStringLiteral("赤"));
    EXPECT_EQ(Find<QRadioButton>("OptionR_drkblue")->accessibleName(), QStringLiteral("紺"));
    EXPECT_EQ(Find<QRadioButton>("OptionMoon_usr")->accessibleName(), QStringLiteral("任意色"));
    EXPECT_EQ(Find<QRadioButton>("OptionMoon_usr")->accessibleDescription(), QStringLiteral("月の色"));
    EXPECT_TRUE(Find<QRadioButton>("OptionKin_blue")->toolTip().startsWith(QStringLiteral("金星")));
    // Within every group each swatch says a different colour.
    for (const ColourGroup& group : Doc().controls.colours) {
        QStringList names;
        for (const PresetOption& preset : group.presets)
            names << Find<QRadioButton>(preset.name)->accessibleName();
        names.removeDuplicates();
        EXPECT_EQ(names.size(), static_cast<qsizetype>(group.presets.size())) << group.caption;
    }

    // The labels name their lists.
    QStringList buddies;
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy())
            buddies << label->buddy()->objectName();
    for (const char* name : {"ComboR", "ComboNori", "ComboTokyu", "ComboSwidth", "ComboNmFntSize", "ComboLwidth",
                             "ComboMwidth", "ComboPwidth", "ComboMoonR", "ComboMoonWidth", "ComboNen", "ComboFun"})
        EXPECT_TRUE(buddies.contains(QLatin1String(name))) << name;
}

} // namespace
} // namespace orv
