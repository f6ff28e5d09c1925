#pragma once
// frmMain: the setting controls, the tool buttons and menus, and the chart. The widgets mirror the
// document's control model both ways: a user's change is written into the model at once, and after
// the model is set by the program (start, a loaded hat file) RefreshControls makes the widgets follow.

#include "document/HatDocument.h"
#include "document/PendingRequests.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QToolButton;

namespace orv {

class AboutBox;
class ChartView;
struct ChartPointer;
class DlgChuji;
class DlgDrawLine;
class DlgUsrText;
class HelpWindow;
class frmPrint;
class frmPrinter;
class ucClrComDlg;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The document has been initialised (site table loaded, controls at their defaults).
    explicit MainWindow(std::unique_ptr<HatDocument> document, QWidget* parent = nullptr);
    ~MainWindow() override;

    HatDocument& Document() { return *doc_; }
    ChartView* Chart() const { return chart_; }
    ucClrComDlg* ColourPicker() const { return picker_; }

    // Widgets follow the control model: lists, check boxes, colour options and swatches.
    void RefreshControls();
    // The picture shown on the chart before the first redraw.
    void ShowStartPicture();

    // A hat file from outside the choosers (command line, a second start, a drop, the recent
    // files): requested and carried out at once, like an open whose pointer move came.
    void OpenFromOutside(const QString& path);
    // Brings the window to the front (a second start without a file asks for this).
    void BringToFront();
    // The hat file last opened or saved without a failure; empty for a fresh document.
    const QString& CurrentFile() const { return currentFile_; }

    // Shows the messages a redraw collected (missing or malformed data files); replaceable.
    void SetProblemReporter(std::function<void(const QStringList&)> reporter) { reportProblems_ = std::move(reporter); }
    // Asks whether to end the program; replaceable.
    void SetExitQuestion(std::function<bool()> ask) { askExit_ = std::move(ask); }
    // Tells the user something (a mark that cannot be placed); replaceable.
    void SetNotice(std::function<void(const QString&)> notice) { notice_ = std::move(notice); }

    // The tool dialogs, once opened.
    DlgDrawLine* LineDialog() const;
    DlgUsrText* TextDialog() const;
    DlgChuji* StampDialog() const;

    static constexpr int DefaultWidth = 1280;
    static constexpr int DefaultHeight = 900;
    static constexpr int StartPictureX = 450;
    static constexpr int StartPictureY = 350;

public slots:
    // Frame commands.
    void BtnPrView_Click(); // 早見笠作図: draw the chart on the screen
    void BtnHelp_Click();   // the help window at its contents
    void mnuVer_Click();    // the version box
    void BtnExit_Click();   // asks, then ends the program

    // Commands of the file, print and overlay tools.
    void BtnSave_Click();
    void BtnOpen_Click();
    void BtnPrint_Click();
    void BtnPrtset_Click();
    void mnuPreview_Click();
    void BtnCLS_Click();
    void BtnUndo_Click();
    void BtnText_Click();
    void CheckLine_Click();
    void mnuLine_Click();
    void btnChuji_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct ColourButtons {
        QButtonGroup* group = nullptr;
        std::vector<QRadioButton*> presets;
        QRadioButton* spectral = nullptr;
        QRadioButton* custom = nullptr;
    };

    void BuildMenus();
    void BuildToolBar();
    // Standard keys, the view menu with the zoom, the recent files, window memory, file drops.
    void BuildDesktopCommands();
    void HatFileDone(const QString& path);
    void ShowTitle();
    QWidget* BuildControlPanel();
    QGroupBox* BuildColourFrame();
    QComboBox* MakeList(ListKey key);
    QCheckBox* MakeCheck(SwitchKey key, const QString& caption);
    QToolButton* MakeToolButton(const QString& name, const QString& icon, const QString& tip,
                                const QString& caption = {});

    // One handler per kind of widget: user changes go into the model.
    void OnListChanged(ListKey key, int index);
    void OnCheckToggled(SwitchKey key, bool on);
    void OnColourOptionClicked(ColourKey key, int option);

    void RefreshList(ListKey key);
    void RefreshColourGroup(ColourKey key);
    void PaintSwatch(QAbstractButton* button, const QColor& colour);
    void SyncViewport();
    void ShowChart();
    void Picture1_MouseDown(const ChartPointer& pointer);
    void Picture1_MouseMove(const ChartPointer& pointer);
    void Picture1_MouseUp(const ChartPointer& pointer);
    void ShowPreviews();
    void Notify(const std::optional<QString>& message);
    // Carries out the waiting save, open and print requests now.
    void RunRequestsNow();
    RequestHooks Hooks();

    std::unique_ptr<HatDocument> doc_;
    ChartView* chart_ = nullptr;
    ucClrComDlg* picker_ = nullptr;
    std::array<QComboBox*, ListCount> lists_{};
    std::array<QCheckBox*, SwitchCount> checks_{};
    std::array<ColourButtons, ColourCount> colourButtons_{};
    QToolButton* checkLine_ = nullptr;
    QPointer<HelpWindow> help_;
    QPointer<AboutBox> about_;
    QPointer<DlgDrawLine> lineDialog_;
    QPointer<DlgUsrText> textDialog_;
    QPointer<DlgChuji> stampDialog_;
    QPoint pointer_; // the last pointer position over the chart, in chart pixels
    QPointer<frmPrint> print_;
    QPointer<frmPrinter> printerSet_;
    std::function<void(const QStringList&)> reportProblems_;
    std::function<bool()> askExit_;
    std::function<void(const QString&)> notice_;
    QString currentFile_;
};

} // namespace orv
