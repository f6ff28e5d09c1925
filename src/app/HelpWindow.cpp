#include "app/HelpWindow.h"

#include "app/WindowMemory.h"
#include "app/WindowPlacement.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QCloseEvent>
#include <QPushButton>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace orv {

HelpWindow::HelpWindow(const QString& helpFile, QWidget* parent)
    : QWidget(parent, Qt::Window), helpFile_(helpFile), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("frmHelpViewer"));
    setWindowTitle(QStringLiteral("Orvenza ヘルプ"));
    PlaceWindow(*this, QSize(760, 820), WindowMemory().Geometry(GeometryName));
    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setOpenExternalLinks(false);
    browser_->setOpenLinks(true);
    // The help's pictures lie in a folder beside the help file.
    browser_->setSearchPaths({QFileInfo(helpFile_).absolutePath()});

    auto* contents = new QPushButton(QStringLiteral("目次"), this);
    contents->setObjectName(QStringLiteral("BtnContents"));
    connect(contents, &QPushButton::clicked, this, [this] { browser_->scrollToAnchor(QStringLiteral("top"));
        browser_->verticalScrollBar()->setValue(0); });
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("BtnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
    ShowContents();
}

void HelpWindow::closeEvent(QCloseEvent* event)
{
    WindowMemory().SetGeometry(GeometryName, saveGeometry());
    QWidget::closeEvent(event);
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::ShowContents()
{
    QFile file(helpFile_);
    if (file.open(QIODevice::ReadOnly))
        browser_->setHtml(QString::fromUtf8(file.readAll()));
    else
        browser_->setHtml(QStringLiteral("<p>ヘルプファイル %1 を開けません。</p>").arg(helpFile_.toHtmlEscaped()));
    browser_->verticalScrollBar()->setValue(0);
}

} // namespace orv
