#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/AppTexts.h"
#include "app/ChartPreview.h"
#include "app/ChartView.h"
#include "app/WindowPlacement.h"
#include "app/HelpWindow.h"
#include "app/WindowMemory.h"
#include "colour/ColourValue.h"
#include "colour/CustomColourChoice.h"
#include "colour/ui/ucClrComDlg.h"
#include "document/UndoErase.h"
#include "document/ui/DlgChuji.h"
#include "document/ui/DlgDrawLine.h"
#include "document/ui/DlgUsrText.h"
#include "document/ui/HatFileDialogs.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/frmPrint.h"
#include "print/ui/frmPrinter.h"
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
#include <QPainter>
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
    connect(chart_, &ChartView::ChartPressed, this, &MainWindow::Picture1_MouseDown);
    connect(chart_, &ChartView::ChartMoved, this, &MainWindow::Picture1_MouseMove);
    connect(chart_, &ChartView::ChartReleased, this, &MainWindow::Picture1_MouseUp);
    chart_->SetLineDraggingQuery([this] { return doc_->lineTool.LineDragging; });
    setCentralWidget(central);

    picker_ = new ucClrComDlg(this);
    picker_->setObjectName(QStringLiteral("ucClrComDlg1"));
    picker_->hide();

    reportProblems_ = [this](const QStringList& messages) {
        QMessageBox::warning(this, MainCaption, messages.join(QLatin1Char('\n')));
    };
    notice_ = [this](const QString& message) { QMessageBox::information(this, MainCaption, message); };
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

DlgDrawLine* MainWindow::LineDialog() const
{
    return lineDialog_;
}

DlgUsrText* MainWindow::TextDialog() const
{
    return textDialog_;
}

DlgChuji* MainWindow::StampDialog() const
{
    return stampDialog_;
}

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
    addItem(file, "mnuPrint", QStringLiteral("早見笠の印刷(&P)"), &MainWindow::BtnPrint_Click)
        ->setShortcut(QKeySequence::Print);
    addItem(file, "mnuPreview", QStringLiteral("印刷プレビュー(&V)"), &MainWindow::mnuPreview_Click);
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
    // A chart needs a site and a date; a hat file may have left either unchosen.
    if (const QString missing = MissingChoice(doc_->controls); !missing.isEmpty()) {
        QMessageBox::information(this, MainCaption, missing);
        return;
    }
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

// A press on the chart: on the text or stamp preview it places that mark; elsewhere it may start a
// line.
void MainWindow::Picture1_MouseDown(const ChartPointer& pointer)
{
    std::optional<QString> refused;
    if (doc_->textTool.PreviewShown())
        refused = PlaceUsrText(*doc_, pointer_.x(), pointer_.y());
    else if (doc_->stampTool.PreviewShown())
        refused = PlaceChujiStamp(*doc_, pointer_.x(), pointer_.y());
    else
        refused = LineMouseDown(*doc_, pointer.button == Qt::LeftButton, checkLine_->isChecked(), pointer.at.x(),
                                pointer.at.y());
    ShowPreviews();
    chart_->Refresh();
    Notify(refused);
}

// Every pointer move over the chart: the rubber band and the previews follow the pointer, then the
// waiting save, open and print requests are carried out.
void MainWindow::Picture1_MouseMove(const ChartPointer& pointer)
{
    pointer_ = pointer.at.toPoint();
    LineMouseMove(*doc_, pointer.buttons & Qt::LeftButton, pointer.at.x(), pointer.at.y());
    ShowPreviews();
    RunRequestsNow();
}

// A confirmed request does not wait for the pointer: the window that made it runs it on closing.
void MainWindow::RunRequestsNow()
{
    SyncViewport();
    RunPendingRequests(*doc_, Hooks());
}

void MainWindow::Picture1_MouseUp(const ChartPointer& pointer)
{
    if (LineMouseUp(*doc_, pointer.at.x(), pointer.at.y()))
        chart_->Refresh();
    ShowPreviews();
}

void MainWindow::ShowPreviews()
{
    ChartPreview preview;
    const LineTool& line = doc_->lineTool;
    if (line.LineDragging)
        preview.rubberBand = ChartPreview::RubberBand{
            QLine(line.LineStartX, line.LineStartY, line.LineEndX, line.LineEndY), line.Width(), ToQColor(line.CurLineColor)};
    const TextTool& text = doc_->textTool;
    if (text.PreviewShown())
        preview.text = ChartPreview::Text{pointer_, text.PendingText, static_cast<double>(text.Size()),
                                          ToQColor(text.CurTextColor)};
    const StampTool& stamp = doc_->stampTool;
    if (stamp.PreviewShown() && !stamp.ChujiPicture.isNull())
        preview.stamp = ChartPreview::Stamp{QRect(pointer_, QSize(stamp.ChujiWidthPx, stamp.ChujiHeightPx)),
                                            stamp.ChujiPicture};
    chart_->SetOverlayPainter([preview](QPainter& p) { PaintChartPreview(p, preview); });
}

void MainWindow::Notify(const std::optional<QString>& message)
{
    if (message && notice_)
        notice_(*message);
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
    ShowInFront(*help_);
}

void MainWindow::mnuVer_Click()
{
    if (!about_)
        about_ = new AboutBox(this);
    ShowInFront(*about_);
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

void MainWindow::BtnSave_Click()
{
    SaveCommand(this, *doc_, WindowMemory().LastFolder());
    RunRequestsNow();
}

void MainWindow::BtnOpen_Click()
{
    OpenCommand(this, *doc_, WindowMemory().LastFolder());
    RunRequestsNow();
}

// 早見笠印刷: the print window, modeless; its request runs as soon as it has closed.
void MainWindow::BtnPrint_Click()
{
    if (!print_) {
        print_ = new frmPrint(*doc_, this);
        connect(print_, &QDialog::finished, this, &MainWindow::RunRequestsNow);
    }
    ShowInFront(*print_);
}

void MainWindow::BtnPrtset_Click()
{
    if (!printerSet_)
        printerSet_ = new frmPrinter(*doc_, this);
    ShowInFront(*printerSet_);
}

// 印刷プレビュー from the menu: one copy, as the print window starts with.
void MainWindow::mnuPreview_Click()
{
    doc_->printRequest.PrintCopies = 1;
    if (ShowPrintPreview(this, *doc_))
        RunRequestsNow();
}

// 早見笠消去: the chart picture and every mark go; the next redraw brings the chart back.
void MainWindow::BtnCLS_Click()
{
    EraseOverlays(*doc_);
    chart_->Refresh();
}

// 一つ取り消し: the newest mark goes and the chart is drawn again with the others.
void MainWindow::BtnUndo_Click()
{
    SyncViewport();
    if (UndoLast(*doc_))
        ShowChart();
}

void MainWindow::BtnText_Click()
{
    doc_->textTool.TextMode = true;
    if (!textDialog_) {
        textDialog_ = new DlgUsrText(doc_->textTool, this);
        connect(textDialog_, &QDialog::finished, this, &MainWindow::ShowPreviews);
    }
    textDialog_->Open();
}

// The "／" box: checked, every press draws a line until it is unchecked.
void MainWindow::CheckLine_Click()
{
    doc_->lineTool.LineArmed = checkLine_->isChecked();
    if (checkLine_->isChecked())
        mnuLine_Click();
}

// 直線を引く: one line, in the style the dialog gives.
void MainWindow::mnuLine_Click()
{
    doc_->lineTool.LineArmed = true;
    if (!lineDialog_)
        lineDialog_ = new DlgDrawLine(doc_->lineTool, this);
    lineDialog_->Open();
}

void MainWindow::btnChuji_Click()
{
    doc_->stampTool.ChujiMode = true;
    if (!stampDialog_) {
        stampDialog_ = new DlgChuji(doc_->stampTool, this);
        connect(stampDialog_, &QDialog::accepted, this, [this] {
            if (!PrepareChujiPreview(*doc_) && reportProblems_)
                reportProblems_({doc_->data.MissingMessage(doc_->stampTool.PendingChujiFile.mid(1))});
            ShowPreviews();
        });
    }
    stampDialog_->Open();
}

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
