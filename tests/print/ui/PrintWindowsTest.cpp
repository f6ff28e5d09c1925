// The print windows offscreen: what 印刷 and プリンタ show and record, the preview's pages, and
// the main window carrying a confirmed request out as soon as the window that made it closed.

#include "app/MainWindow.h"
#include "print/PrintJob.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/frmPrint.h"
#include "print/ui/frmPrinter.h"
#include "support/Fixtures.h"
#include "support/PdfTools.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

std::unique_ptr<HatDocument> WithPrinters(std::unique_ptr<HatDocument> doc, QStringList printers)
{
    doc->printerChoice = PrinterChoice({[printers] { return printers; }, [] { return QString(); }});
    return doc;
}

template <typename W>
W* Child(QWidget* parent, const char* name)
{
    W* w = parent->findChild<W*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Answers the next modal dialog (a message box, a file chooser) as soon as it is shown.
void AnswerNextDialog(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, answer = std::move(answer)] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            timer->deleteLater();
            timer->stop();
            answer(dialog);
        }
    });
    timer->start(10);
}

void ChooseFile(const QString& path)
{
    AnswerNextDialog([path](QWidget* dialog) {
        auto* chooser = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(chooser, nullptr);
        // Typed into the name field, as selectFile leaves the field alone while it has the focus.
        auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(path);
        static_cast<QDialog*>(chooser)->accept(); // QFileDialog::accept, which checks the name
    });
}

} // namespace

TEST(PrintWindow, FieldsShowTheLayoutThePrintersAndOneCopy)
{
    auto doc = WithPrinters(FreshDocument(QDate(2026, 12, 7), {{"RR0", "3"}}), {"office", "lab"});
    doc->printRequest.PrintCopies = 7;
    frmPrint window(*doc, nullptr);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("印刷"));
    EXPECT_EQ(Items(Child<QComboBox>(&window, "Cmb_Prntr")), QStringList({"office", "lab", PdfPrinterName}));
    QComboBox* paper = Child<QComboBox>(&window, "Cmb_Yoshi");
    EXPECT_EQ(Items(paper), QStringList(QStringLiteral("A4横2枚に分割")));
    EXPECT_FALSE(paper->isEnabled());
    QComboBox* copies = Child<QComboBox>(&window, "Cmb_Busu");
    EXPECT_EQ(copies->count(), 51);
    EXPECT_EQ(copies->itemText(50), "50");
    EXPECT_EQ(doc->printRequest.PrintCopies, 1);
    copies->setCurrentIndex(3);
    EXPECT_EQ(doc->printRequest.PrintCopies, 3);
}

TEST(PrintWindow, FreeRadiusPaperIsChosenHereAndKeptForTheNextTime)
{
    auto doc = WithPrinters(FreshDocument(QDate(2026, 12, 7), {{"RR0", "12"}}), {});
    {
        frmPrint window(*doc, nullptr);
        QComboBox* paper = Child<QComboBox>(&window, "Cmb_Yoshi");
        EXPECT_EQ(Items(paper), QStringList({"A4縦", "B4縦", "A3縦"}));
        EXPECT_FALSE(Child<QLabel>(&window, "LblFit")->text().isEmpty()); // 12 cm is too large for A4
        paper->setCurrentIndex(2);
        EXPECT_EQ(doc->PrintPaperIndex, 2);
        EXPECT_TRUE(Child<QLabel>(&window, "LblFit")->text().isEmpty());
    }
    frmPrint again(*doc, nullptr);
    QComboBox* paper = Child<QComboBox>(&again, "Cmb_Yoshi");
    EXPECT_EQ(paper->currentText(), QStringLiteral("A3縦"));

    // The layout changed in the main window while this window stayed open.
    doc->controls.List(ListKey::RR0).index = 3;
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&again, &activate);
    EXPECT_EQ(Items(paper), QStringList(QStringLiteral("A4横2枚に分割")));
}

TEST(PrintWindow, PrinterChoiceTakesEffectAtOnceAndCancelWithdrawsTheRequest)
{
    auto doc = WithPrinters(FreshDocument(), {"office", "lab"});
    doc->printRequest.PrintPending = true;
    auto* window = new frmPrint(*doc, nullptr);
    window->show();
    Child<QComboBox>(window, "Cmb_Prntr")->setCurrentText(PdfPrinterName);
    EXPECT_FALSE(Child<QPushButton>(window, "Cmnd_Prntr")->isEnabled()); // no settings for the PDF file
    Child<QPushButton>(window, "Cmnd_Cancel")->click();
    EXPECT_FALSE(doc->printRequest.PrintPending);
    EXPECT_EQ(doc->printerChoice.Current(), PdfPrinterName);

    frmPrinter printerWindow(*doc, nullptr);
    EXPECT_EQ(printerWindow.windowTitle(), QStringLiteral("プリンタ"));
    EXPECT_EQ(Child<QComboBox>(&printerWindow, "Cmb_Prntr")->currentText(), PdfPrinterName);
    Child<QComboBox>(&printerWindow, "Cmb_Prntr")->setCurrentText("lab");
    EXPECT_EQ(doc->printerChoice.Current(), "lab");
}

TEST(PrintWindow, AHatThatDoesNotFitIsRefusedAndTheWindowStays)
{
    auto doc = WithPrinters(FreshDocument(QDate(2026, 12, 7), {{"RR0", "16"}}), {"office"});
    frmPrint window(*doc, nullptr);
    window.show();
    QString said;
    AnswerNextDialog([&said](QWidget* dialog) {
        said = qobject_cast<QMessageBox*>(dialog)->text();
        dialog->close();
    });
    Child<QPushButton>(&window, "Cmnd_Print")->click();
    EXPECT_TRUE(said.contains(QStringLiteral("半径9cmまで"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("キャンセル")));
    EXPECT_FALSE(doc->printRequest.PrintPending);
    EXPECT_TRUE(window.isVisible());
}

TEST(PrintPreview, TwoSheetLayoutShowsTwoLandscapePagesAndPrintsTheSameRequest)
{
    auto doc = WithPrinters(FreshDocument(QDate(2026, 12, 7), {{"RR0", "3"}}), {});
    doc->printRequest.PrintCopies = 0;
    auto preview = MakePrintPreview(nullptr, *doc);
    preview->show();
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->pageCount(), 2);
    EXPECT_EQ(pages->orientation(), QPageLayout::Landscape);

    QAction* print = nullptr;
    for (QAction* action : preview->findChildren<QAction*>())
        if (action->text() == QCoreApplication::translate("QPrintPreviewDialog", "Print"))
            print = action;
    ASSERT_NE(print, nullptr);
    print->trigger();
    EXPECT_TRUE(doc->printRequest.PrintPending);
    EXPECT_EQ(preview->result(), QDialog::Accepted);
}

TEST(MainWindowPrinting, ConfirmedRequestsRunAsSoonAsTheirDialogCloses)
{
    QTemporaryDir dir;
    auto doc = std::make_unique<HatDocument>(QStringLiteral(ORVENZA_PROGRAM_DIR));
    ASSERT_TRUE(doc->Initialise(QDate(2026, 12, 7)));
    MainWindow window(WithPrinters(std::move(doc), {}));
    window.SetExitQuestion([] { return true; });
    HatDocument& d = window.Document();

    EXPECT_EQ(window.findChild<QAction*>(QStringLiteral("mnuPrint"))->shortcut(), QKeySequence(QKeySequence::Print));
    EXPECT_EQ(window.findChild<QAction*>(QStringLiteral("mnuPreview"))->text(), QStringLiteral("印刷プレビュー(&V)"));

    // 早見笠印刷 with the PDF file: the file is there when the window has closed, without the
    // pointer ever moving over the chart.
    window.findChild<QToolButton*>(QStringLiteral("BtnPrint"))->click();
    auto* print = window.findChild<frmPrint*>();
    ASSERT_NE(print, nullptr);
    EXPECT_TRUE(print->isVisible());
    const QString pdf = dir.filePath(QStringLiteral("hat.pdf"));
    ChooseFile(pdf);
    Child<QPushButton>(print, "Cmnd_Print")->click();
    EXPECT_FALSE(d.printRequest.PrintPending);
    EXPECT_EQ(PageSizesMm(pdf).size(), 1u);

    // The save chooser likewise: written as soon as it closes.
    ChooseFile(dir.filePath(QStringLiteral("sky")));
    window.findChild<QToolButton*>(QStringLiteral("BtnSave"))->click();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("sky.orv"))));
    window.close();
}
