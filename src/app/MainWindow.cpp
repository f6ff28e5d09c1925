#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/AppTexts.h"
#include "app/ChartView.h"
#include "app/HelpWindow.h"
#include "app/WindowMemory.h"
#include "colour/ColourValue.h"
#include "colour/CustomColourChoice.h"
#include "colour/ui/ucClrComDlg.h"
#include "document/ui/HatFileDialogs.h"
#include "render/RedrawChart.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>

// The pictures are compiled into the window library; a static library's resources have to be
// registered by hand.
static void RegisterAppResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace orv {

MainWindow::MainWindow(std::unique_ptr<HatDocument> document, QWidget* parent)
    : QMainWindow(parent), doc_(std::move(document))
{
    RegisterAppResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(MainCaption);
    setWindowIcon(QIcon(QStringLiteral(":/icons/orvenza.png")));

    BuildMenus();
    BuildToolBar();

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);
    layout->addWidget(BuildControlPanel());
    chart_ = new ChartView(doc_->screen, central);
    layout->addWidget(chart_, 1);
    connect(chart_, &ChartView::ChartMoved, this, &MainWindow::Picture1_MouseMove);
    setCentralWidget(central);

    picker_ = new ucClrComDlg(this);
    picker_->setObjectName(QStringLiteral("ucClrComDlg1"));
    picker_->hide();

    reportProblems_ = [this](const QStringList& messages) {
        QMessageBox::warning(this, MainCaption, messages.join(QLatin1Char('\n')));
    };
    askExit_ = [this] {
        return QMessageBox::question(this, MainCaption, ExitQuestion, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes)
            == QMessageBox::Yes;
    };

    BuildDesktopCommands();
    RefreshControls();
    ShowStartPicture();
}

MainWindow::~MainWindow() = default;

// ---- menus and tool buttons ----

void MainWindow::BuildMenus()
{
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption, auto slot) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addItem(file, "mnuSave", QStringLiteral("笠ファイル名前をつけて保存(&S)"), &MainWindow::BtnSave_Click);
    addItem(file, "mnuLoad", QStringLiteral("笠ファイル読み込み(&L)"), &MainWindow::BtnOpen_Click);
    file->addSeparator();
    addItem(file, "mnuPrinterSet", QStringLiteral("プリンタの設定(&W)"), &MainWindow::BtnPrtset_Click);
    addItem(file, "mnuPrint", QStringLiteral("早見笠の印刷(&P)"), &MainWindow::BtnPrint_Click);
    file->addSeparator();
    addItem(file, "mnuQuite", QStringLiteral("Orvenzaの終了(&Q)"), &MainWindow::BtnExit_Click);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    addItem(edit, "mnuUndo", QStringLiteral("一つ取り消し(&U)"), &MainWindow::BtnUndo_Click);
    addItem(edit, "mnuText", QStringLiteral("テキストの挿入(&T)"), &MainWindow::BtnText_Click);
    addItem(edit, "mnuLine", QStringLiteral("直線を引く(&K)"), &MainWindow::mnuLine_Click);
    addItem(edit, "mnuChuji", QStringLiteral("スタンプの挿入(&C)"), &MainWindow::btnChuji_Click);
    edit->addSeparator();
    addItem(edit, "mnuView", QStringLiteral("早見笠作図(&V)"), &MainWindow::BtnPrView_Click);
    addItem(edit, "mnuDel", QStringLiteral("早見笠消去(&D)"), &MainWindow::BtnCLS_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addItem(help, "mnuMokuji", QStringLiteral("目次(&H)"), &MainWindow::BtnHelp_Click);
    help->addSeparator();
    addItem(help, "mnuVer", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"), &MainWindow::mnuVer_Click);
}

QToolButton* MainWindow::MakeToolButton(const QString& name, const QString& icon, const QString& tip,
                                        const QString& caption)
{
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setIcon(QIcon(QStringLiteral(":/icons/") + icon));
    button->setIconSize(QSize(24, 24));
    button->setText(caption.isEmpty() ? tip : caption);
    button->setToolTip(tip);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    return button;
}

void MainWindow::BuildToolBar()
{
    QToolBar* bar = addToolBar(QStringLiteral("ツール"));
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    bar->setFloatable(false);

    auto add = [&](const char* name, const char* icon, const QString& tip, auto slot, const QString& caption = {}) {
        QToolButton* b = MakeToolButton(QLatin1String(name), QLatin1String(icon), tip, caption);
        connect(b, &QToolButton::clicked, this, slot);
        bar->addWidget(b);
        return b;
    };
    add("BtnPrView", "draw.png", QStringLiteral("早見笠作図"), &MainWindow::BtnPrView_Click);
    bar->addSeparator();
    add("BtnSave", "save.png", QStringLiteral("名前をつけて保存"), &MainWindow::BtnSave_Click);
    add("BtnOpen", "open.png", QStringLiteral("ファイル読み込み"), &MainWindow::BtnOpen_Click);
    bar->addSeparator();
    add("BtnPrint", "print.png", QStringLiteral("早見笠印刷"), &MainWindow::BtnPrint_Click);
    add("BtnPrtset", "printer.png", QStringLiteral("ﾌﾟﾘﾝﾀ設定"), &MainWindow::BtnPrtset_Click);
    bar->addSeparator();
    add("BtnCLS", "erase.png", QStringLiteral("早見笠消去"), &MainWindow::BtnCLS_Click);
    add("BtnUndo", "undo.png", QStringLiteral("一つ取り消し"), &MainWindow::BtnUndo_Click);
    add("BtnText", "text.png", QStringLiteral("テキスト挿入"), &MainWindow::BtnText_Click, QStringLiteral("あ"));
    checkLine_ = add("CheckLine", "line.png", QStringLiteral("直線を引く"), &MainWindow::CheckLine_Click,
                     QStringLiteral("／"));
    checkLine_->setCheckable(true);
    add("btnChuji", "stamp.png", QStringLiteral("スタンプ挿入"), &MainWindow::btnChuji_Click);
    bar->addSeparator();
    add("BtnHelp", "help.png", QStringLiteral("ヘルプ"), &MainWindow::BtnHelp_Click);
    add("BtnExit", "exit.png", QStringLiteral("終了"), &MainWindow::BtnExit_Click, QStringLiteral("×"));
}

// ---- frame commands ----

void MainWindow::BtnPrView_Click()
{
    doc_->printing = false;
    SyncViewport();
    RedrawChart(*doc_, true);
    ShowChart();
}

void MainWindow::SyncViewport()
{
    const QSize container = chart_->ContainerSize();
    doc_->viewport.containerWidth = container.width();
    doc_->viewport.containerHeight = container.height();
    // A high-density screen gets a chart with as many device pixels as it shows.
    doc_->screen.SetPixelRatio(chart_->devicePixelRatioF());
}

// Shows the chart just drawn and, once per redraw, any data file that was missing or malformed.
void MainWindow::ShowChart()
{
    chart_->ShowRedrawn(doc_->viewport);
    if (!doc_->problems.Empty() && reportProblems_)
        reportProblems_(doc_->problems.Messages());
}

RequestHooks MainWindow::Hooks()
{
    RequestHooks hooks;
    hooks.reportFailure = [this](const QString& message) { ShowHatFileFailure(this, message); };
    hooks.screenRedrawn = [this] {
        RefreshControls();
        ShowChart();
    };
    hooks.fileWritten = [this](const QString& path) { HatFileDone(path); };
    hooks.fileRead = [this](const QString& path) { HatFileDone(path); };
    return hooks;
}

// Every pointer move over the chart carries out the waiting save, open and print requests.
void MainWindow::Picture1_MouseMove()
{
    SyncViewport();
    RunPendingRequests(*doc_, Hooks());
}

void MainWindow::ShowStartPicture()
{
    // Large enough to fill the chart area at the default window size.
    SyncViewport();
    doc_->screen.Resize(DefaultWidth, DefaultHeight);
    const QImage picture(QDir(doc_->data.DataDir()).filePath(StartPictureName));
    if (!picture.isNull())
        doc_->screen.PaintPicture(picture, StartPictureX, StartPictureY);
    doc_->viewport.horizontal = {};
    doc_->viewport.vertical = {};
    chart_->ShowRedrawn(doc_->viewport);
}

void MainWindow::BtnHelp_Click()
{
    if (!help_)
        help_ = new HelpWindow(QDir(doc_->data.ProgramDir()).filePath(HelpFileName), this);
    else
        help_->ShowContents();
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindow::mnuVer_Click()
{
    if (!about_)
        about_ = new AboutBox(this);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::BtnExit_Click()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (askExit_ && !askExit_()) {
        event->ignore();
        return;
    }
    // A save the user confirmed but that has not run yet is not lost on leaving.
    RunWaitingSaveBeforeExit(*doc_, Hooks());
    event->accept();
    WindowMemory().SetGeometry(QStringLiteral("main"), saveGeometry());
    if (help_)
        help_->close();
    if (about_)
        about_->close();
}

// Left for the print and overlay features to fill in.
void MainWindow::BtnSave_Click()
{
    SaveCommand(this, *doc_, WindowMemory().LastFolder());
}

void MainWindow::BtnOpen_Click()
{
    OpenCommand(this, *doc_, WindowMemory().LastFolder());
}

void MainWindow::BtnPrint_Click() {}
void MainWindow::BtnPrtset_Click() {}
void MainWindow::BtnCLS_Click() {}
void MainWindow::BtnUndo_Click() {}
void MainWindow::BtnText_Click() {}
void MainWindow::CheckLine_Click() {}
void MainWindow::mnuLine_Click() {}
void MainWindow::btnChuji_Click() {}

// ---- widgets to model ----

void MainWindow::OnListChanged(ListKey key, int index)
{
    if (key == ListKey::KansokuKen) {
        // The municipality list shows the new prefecture's towns at once, none chosen yet.
        if (SelectPrefecture(doc_->controls, doc_->sites, index))
            RefreshList(ListKey::KansokuShi);
        return;
    }
    doc_->controls.List(key).index = index;
    // The print dialog reads the paper before any redraw.
    if (key == ListKey::RR0)
        doc_->settings.RR0 = static_cast<int16_t>(index);
}

void MainWindow::OnCheckToggled(SwitchKey key, bool on)
{
    doc_->controls.Check(key) = on ? 1 : 0;
}

void MainWindow::OnColourOptionClicked(ColourKey key, int option)
{
    if (option != ColourGroup::CustomSelected) {
        doc_->controls.Group(key).selected = option;
        return;
    }
    // A cancelled dialog gives the option selected before back; the widgets show whichever holds.
    ChooseCustomColour(*doc_, key, *picker_);
    RefreshColourGroup(key);
}

// ---- model to widgets ----

void MainWindow::RefreshControls()
{
    for (std::size_t i = 0; i < ListCount; ++i)
        RefreshList(static_cast<ListKey>(i));
    for (std::size_t i = 0; i < SwitchCount; ++i) {
        const QSignalBlocker block(checks_[i]);
        checks_[i]->setChecked(doc_->controls.checks[i] != 0);
    }
    for (std::size_t i = 0; i < ColourCount; ++i)
        RefreshColourGroup(static_cast<ColourKey>(i));
}

void MainWindow::RefreshList(ListKey key)
{
    QComboBox* combo = lists_[Index(key)];
    const ListControl& model = doc_->controls.List(key);
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(model.items);
    combo->setCurrentIndex(model.index >= 0 && model.index < model.items.size() ? model.index : -1);
}

void MainWindow::RefreshColourGroup(ColourKey key)
{
    const ColourGroup& model = doc_->controls.Group(key);
    ColourButtons& b = colourButtons_[Index(key)];
    PaintSwatch(b.custom, model.customSwatch ? ToQColor(*model.customSwatch) : palette().color(QPalette::Dark));

    QAbstractButton* selected = b.group->button(model.selected);
    const QSignalBlocker block(b.group);
    if (selected) {
        selected->setChecked(true);
    } else {
        // No option selected: an exclusive group cannot show that, so lift exclusiveness briefly.
        b.group->setExclusive(false);
        for (QAbstractButton* button : b.group->buttons())
            button->setChecked(false);
        b.group->setExclusive(true);
    }
}

void MainWindow::PaintSwatch(QAbstractButton* button, const QColor& colour)
{
    QPalette pal = button->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::ButtonText, colour);
    button->setPalette(pal);
}

} // namespace orv
