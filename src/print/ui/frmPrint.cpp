#include "print/ui/frmPrint.h"

#include "document/HatDocument.h"
#include "print/PaperFit.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/PrinterGroup.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

constexpr int MostCopies = 50;

int16_t LayoutOf(const HatDocument& doc)
{
    return static_cast<int16_t>(doc.controls.List(ListKey::RR0).index);
}

QGroupBox* Group(const QString& caption, QWidget* field, QWidget* parent)
{
    auto* group = new QGroupBox(caption, parent);
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(field);
    return group;
}

// The text the paper field shows for a fixed layout.
QString PaperText(int16_t rr0)
{
    static const QStringList fixed = {QStringLiteral("A4縦"),          QStringLiteral("B4縦"),
                                      QStringLiteral("A3縦"),          QStringLiteral("A4横2枚に分割"),
                                      QStringLiteral("B4横2枚に分割"), QStringLiteral("A3横2枚に分割")};
    return rr0 >= 0 && rr0 < fixed.size() ? fixed[rr0] : QString();
}

// The papers offered for a free radius, in the order of PrintPaperIndex.
const QStringList& FreeRadiusPapers()
{
    static const QStringList papers = {QStringLiteral("A4縦"), QStringLiteral("B4縦"), QStringLiteral("A3縦")};
    return papers;
}

} // namespace

frmPrint::frmPrint(HatDocument& doc, QWidget* parent) : QDialog(parent), doc_(doc)
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("印刷"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    fit_ = new QLabel(this);
    fit_->setObjectName(QStringLiteral("LblFit"));
    fit_->setWordWrap(true);
    fit_->setStyleSheet(QStringLiteral("color: #c00000"));

    auto* papers = new QHBoxLayout;
    papers->addWidget(BuildPaperField(), 1);
    papers->addWidget(BuildCopiesField());

    auto* preview = new QPushButton(QStringLiteral("印刷プレビュー"), this);
    preview->setObjectName(QStringLiteral("Cmnd_Preview"));
    auto* print = new QPushButton(QStringLiteral("印　刷"), this);
    print->setObjectName(QStringLiteral("Cmnd_Print"));
    print->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("Cmnd_Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(preview);
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new PrinterGroup(doc_, this));
    layout->addLayout(papers);
    layout->addWidget(fit_);
    layout->addLayout(buttons);

    connect(preview, &QPushButton::clicked, this, &frmPrint::Cmnd_Preview_Click);
    connect(print, &QPushButton::clicked, this, &frmPrint::Cmnd_Print_Click);
    connect(cancel, &QPushButton::clicked, this, &frmPrint::Cmnd_Cancel_Click);
    ShowFit();
}

QWidget* frmPrint::BuildPaperField()
{
    paper_ = new QComboBox(this);
    paper_->setObjectName(QStringLiteral("Cmb_Yoshi"));
    FillPaperField();
    connect(paper_, &QComboBox::currentIndexChanged, this, &frmPrint::Cmb_Yoshi_Click);
    return Group(QStringLiteral("用紙"), paper_, this);
}

// A fixed layout is only shown here (it is chosen in the main window); a free radius offers the
// papers, the one chosen last selected.
void frmPrint::FillPaperField()
{
    const QSignalBlocker block(paper_);
    paper_->clear();
    const int16_t rr0 = LayoutOf(doc_);
    const bool freeRadius = rr0 >= FirstFreeRadiusLayout;
    paper_->addItems(freeRadius ? FreeRadiusPapers() : QStringList(PaperText(rr0)));
    paper_->setEnabled(freeRadius);
    if (freeRadius) {
        doc_.PrintPaperIndex = static_cast<int16_t>(std::clamp<int>(doc_.PrintPaperIndex, 0, FreeRadiusPapers().size() - 1));
        paper_->setCurrentIndex(doc_.PrintPaperIndex);
    }
    ShowFit();
}

bool frmPrint::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FillPaperField();
    return QDialog::event(event);
}

QWidget* frmPrint::BuildCopiesField()
{
    auto* copies = new QComboBox(this);
    copies->setObjectName(QStringLiteral("Cmb_Busu"));
    for (int n = 0; n <= MostCopies; ++n)
        copies->addItem(QString::number(n));
    copies->setCurrentIndex(-1);
    connect(copies, &QComboBox::currentIndexChanged, this, &frmPrint::Cmb_Busu_Click);
    copies->setCurrentIndex(1);
    return Group(QStringLiteral("印刷部数"), copies, this);
}

void frmPrint::Cmb_Yoshi_Click(int index)
{
    if (index < 0)
        return;
    doc_.PrintPaperIndex = static_cast<int16_t>(index);
    ShowFit();
}

void frmPrint::Cmb_Busu_Click(int index)
{
    if (index >= 0)
        doc_.printRequest.PrintCopies = static_cast<int16_t>(index);
}

// The paper chosen for a free radius may be too small: say so before the user prints.
void frmPrint::ShowFit()
{
    const QString problem = FitProblem(doc_);
    fit_->setText(problem);
    fit_->setVisible(!problem.isEmpty());
}

void frmPrint::Cmnd_Preview_Click()
{
    if (ShowPrintPreview(this, doc_))
        close();
}

void frmPrint::Cmnd_Print_Click()
{
    if (ConfirmPrint(this, doc_))
        close();
}

void frmPrint::Cmnd_Cancel_Click()
{
    doc_.printRequest.PrintPending = false;
    close();
}

} // namespace orv
