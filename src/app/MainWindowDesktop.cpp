// The desktop habits of the main window: the standard keys, the view menu with the chart zoom, the
// recent hat files, the remembered window, the title naming the open hat file, and hat files
// dropped on the window or handed over from outside.

#include "app/MainWindow.h"

#include "app/AppTexts.h"
#include "app/ChartView.h"
#include "app/OutsideFiles.h"
#include "app/RecentFilesMenu.h"
#include "app/WindowMemory.h"
#include "app/WindowPlacement.h"
#include "app/ZoomBar.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>

namespace orv {

namespace {

// A command of the view menu; `button` is its caption on the zoom buttons of the status bar.
QAction* MakeCommand(QWidget* owner, const char* name, const QString& caption, const QString& button,
                     const QList<QKeySequence>& keys)
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(QLatin1String(name));
    action->setIconText(button);
    action->setShortcuts(keys);
    action->setToolTip(QStringLiteral("%1 (%2)").arg(button, keys.constFirst().toString(QKeySequence::NativeText)));
    return action;
}

} // namespace

void MainWindow::BuildDesktopCommands()
{
    // The keys every desktop program answers to, on the menu items (which show them).
    const std::pair<const char*, QKeySequence> keys[] = {
        {"mnuSave", QKeySequence(Qt::CTRL | Qt::Key_S)}, {"mnuLoad", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"mnuQuite", QKeySequence(Qt::CTRL | Qt::Key_Q)}, {"mnuUndo", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"mnuMokuji", QKeySequence(Qt::Key_F1)},          {"mnuView", QKeySequence(Qt::Key_F5)}};
    for (const auto& [name, key] : keys)
        if (auto* action = findChild<QAction*>(QLatin1String(name)))
            action->setShortcut(key);

    // 表示: the zoom of the chart view, which leaves the chart itself as it is.
    QAction* zoomIn = MakeCommand(this, "mnuZoomIn", QStringLiteral("拡大(&I)"), QStringLiteral("拡大"),
                                  {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction* zoomOut = MakeCommand(this, "mnuZoomOut", QStringLiteral("縮小(&O)"), QStringLiteral("縮小"),
                                   {QKeySequence::ZoomOut});
    QAction* zoomFit = MakeCommand(this, "mnuZoomFit", QStringLiteral("全体表示(&F)"), QStringLiteral("全体表示"),
                                   {QKeySequence(Qt::CTRL | Qt::Key_0)});
    QAction* zoomActual = MakeCommand(this, "mnuZoomActual", QStringLiteral("100%表示(&A)"), QStringLiteral("100%"),
                                      {QKeySequence(Qt::CTRL | Qt::Key_1)});
    connect(zoomIn, &QAction::triggered, chart_, &ChartView::ZoomIn);
    connect(zoomOut, &QAction::triggered, chart_, &ChartView::ZoomOut);
    connect(zoomFit, &QAction::triggered, chart_, &ChartView::ZoomToFit);
    connect(zoomActual, &QAction::triggered, chart_, &ChartView::ZoomActual);
    auto* view = new QMenu(QStringLiteral("表示(&V)"), this);
    view->setObjectName(QStringLiteral("mnuHyoji"));
    view->addActions({zoomIn, zoomOut, zoomFit, zoomActual});
    if (auto* help = findChild<QMenu*>(QStringLiteral("mnuHelp")))
        menuBar()->insertMenu(help->menuAction(), view);
    else
        menuBar()->addMenu(view);

    auto* zoomBar = new ZoomBar({zoomOut, zoomIn, zoomFit, zoomActual}, this);
    statusBar()->addPermanentWidget(zoomBar);
    connect(chart_, &ChartView::ZoomChanged, zoomBar, &ZoomBar::ShowZoom);

    // The recent hat files, right below the open command.
    auto* recent = new RecentFilesMenu(this);
    if (auto* file = findChild<QMenu*>(QStringLiteral("mnuFile"))) {
        const QList<QAction*> items = file->actions();
        const qsizetype load = items.indexOf(findChild<QAction*>(QStringLiteral("mnuLoad")));
        file->insertMenu(load >= 0 && load + 1 < items.size() ? items[load + 1] : nullptr, recent);
    }
    connect(recent, &RecentFilesMenu::FileChosen, this, [this](const QString& path) {
        // A file that has gone is dropped from the list; the open says what happened to it.
        if (!QFileInfo::exists(path))
            WindowMemory().ForgetRecentFile(path);
        OpenFromOutside(path);
    });

    setAcceptDrops(true);
    PlaceWindow(*this, QSize(DefaultWidth, DefaultHeight), WindowMemory().Geometry(QStringLiteral("main")));
}

void MainWindow::OpenFromOutside(const QString& path)
{
    RequestOpen(*doc_, path);
    // Carried out at once: there is no chooser whose closing a pointer move would follow.
    RunRequestsNow();
}

void MainWindow::BringToFront()
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    ShowInFront(*this);
}

void MainWindow::HatFileDone(const QString& path)
{
    currentFile_ = QFileInfo(path).absoluteFilePath();
    WindowMemory().FileUsed(currentFile_);
    ShowTitle();
}

void MainWindow::ShowTitle()
{
    setWindowTitle(currentFile_.isEmpty()
                       ? MainCaption
                       : QStringLiteral("%1 — %2").arg(QFileInfo(currentFile_).fileName(), MainCaption));
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedHatFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = DroppedHatFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened after the drop has finished, so that a message about the file is not shown inside it.
    QTimer::singleShot(0, this, [this, path] { OpenFromOutside(path); });
}

} // namespace orv
