#pragma once
// One running copy of the program: the cover first, the main window after a click on it. Hat files
// given to the program (on the command line, or handed over by a second start) are opened as soon
// as the main window is up; until then the latest one waits.

#include "app/CoverWindow.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>

namespace orv {

class MainWindow;

class ProgramSession : public QObject {
    Q_OBJECT
public:
    // `programDir` holds DATA and the help; `warnings` are shown once over the main window.
    ProgramSession(QString programDir, QDate today, QStringList warnings = {}, QObject* parent = nullptr);
    ~ProgramSession() override;

    // Shows the cover, centred on the screen.
    void Start();
    // What a click on the cover does: the main window comes up (and opens a waiting hat file). False
    // when the site file opens nowhere (the program cannot run; a message has been shown).
    bool ShowMainWindow();

    // Opens the hat file now when the main window is up, else once it is.
    void OpenWhenReady(const QString& path);
    // Brings the program's window (the main window, or the cover before it) to the front.
    void Raise();

    CoverWindow* Cover() const { return cover_; }
    MainWindow* Window() const { return window_.get(); }

private:
    QString programDir_;
    QDate today_;
    QStringList warnings_;
    QString waitingFile_;
    QPointer<CoverWindow> cover_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace orv
