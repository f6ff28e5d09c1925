#include "app/ProgramSession.h"

#include "app/AppTexts.h"
#include "app/CoverWindow.h"
#include "app/MainWindow.h"
#include "app/WindowPlacement.h"
#include "document/HatDocument.h"
#include "render/DataFolder.h"
#include "settings/SiteTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace orv {

ProgramSession::ProgramSession(QString programDir, QDate today, QStringList warnings, QObject* parent)
    : QObject(parent), programDir_(std::move(programDir)), today_(today), warnings_(std::move(warnings))
{
}

ProgramSession::~ProgramSession()
{
    if (cover_)
        delete cover_.data();
}

void ProgramSession::Start()
{
    cover_ = new CoverWindow(DataFolder(programDir_).DataDir());
    cover_->setAttribute(Qt::WA_DeleteOnClose);
    connect(cover_, &CoverWindow::Activated, this, &ProgramSession::ShowMainWindow);
    cover_->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        cover_->move(screen->availableGeometry().center() - cover_->rect().center());
    cover_->show();
    cover_->activateWindow();
    cover_->setFocus();
}

bool ProgramSession::ShowMainWindow()
{
    auto document = std::make_unique<HatDocument>(programDir_);
    if (!document->Initialise(today_)) {
        if (cover_)
            cover_->hide();
        QMessageBox::critical(nullptr, ProductName, document->data.MissingMessage(QLatin1String(SiteTable::FileName)));
        if (cover_)
            cover_->close();
        QCoreApplication::exit(1);
        return false;
    }
    window_ = std::make_unique<MainWindow>(std::move(document));
    window_->show();
    if (cover_)
        cover_->close();
    if (!warnings_.isEmpty())
        QMessageBox::warning(window_.get(), MainCaption, warnings_.join(QLatin1Char('\n')));
    if (!waitingFile_.isEmpty())
        window_->OpenFromOutside(std::exchange(waitingFile_, QString()));
    return true;
}

void ProgramSession::OpenWhenReady(const QString& path)
{
    if (window_) {
        window_->BringToFront();
        window_->OpenFromOutside(path);
        return;
    }
    waitingFile_ = path;
    Raise();
}

void ProgramSession::Raise()
{
    if (window_) {
        window_->BringToFront();
    } else if (cover_) {
        ShowInFront(*cover_);
    }
}

} // namespace orv
