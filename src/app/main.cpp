// The program a user starts: one copy at a time, the cover, then the main window.

#include "app/AppTexts.h"
#include "app/CoverWindow.h"
#include "app/JapaneseUi.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "document/HatDocument.h"
#include "settings/SiteTable.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>

using namespace orv;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProductName);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/orvenza.png")));
    InstallJapaneseUi(app);

    SingleInstance instance;
    if (!instance.Acquire()) {
        QMessageBox::information(nullptr, ProductName, AlreadyRunningMessage, QMessageBox::Ok);
        return 0;
    }

    const QString programDir = QCoreApplication::applicationDirPath();
    std::unique_ptr<MainWindow> mainWindow;

    auto* cover = new CoverWindow(QDir(programDir).filePath(QStringLiteral("DATA")));
    cover->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(cover, &CoverWindow::Activated, [&] {
        auto document = std::make_unique<HatDocument>(programDir);
        if (!document->Initialise(QDate::currentDate())) {
            cover->hide();
            QMessageBox::critical(nullptr, ProductName, document->data.MissingMessage(QLatin1String(SiteTable::FileName)));
            cover->close();
            QCoreApplication::exit(1);
            return;
        }
        mainWindow = std::make_unique<MainWindow>(std::move(document));
        mainWindow->show();
        cover->close();
    });
    cover->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        cover->move(screen->availableGeometry().center() - cover->rect().center());
    cover->show();
    cover->activateWindow();
    cover->setFocus();

    const int result = app.exec();
    mainWindow.reset();
    return result;
}
