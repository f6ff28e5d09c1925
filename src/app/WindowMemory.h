#pragma once
// What the program remembers between runs, in the user's settings (QSettings, organisation and
// application "Orvenza"): window positions and sizes, the folder of the hat files last used and
// the recent hat files. Hat-file settings are not remembered: every start is a fresh document.
// Any number of these objects may exist; they all read and write the same store.

#include <QByteArray>
#include <QSettings>
#include <QStringList>

namespace orv {

class WindowMemory {
public:
    static constexpr int RecentCount = 8;

    WindowMemory();

    // Saved geometry of a window ("main", "help"), empty when none was saved.
    QByteArray Geometry(const QString& window) const;
    void SetGeometry(const QString& window, const QByteArray& geometry);

    // The folder of the hat file last opened or saved; empty when none.
    QString LastFolder() const;
    void SetLastFolder(const QString& folder);

    // Recent hat files, the latest first.
    QStringList RecentFiles() const;
    // The file goes to the top of the list (once), the oldest beyond RecentCount drop off; the
    // folder becomes the last used.
    void FileUsed(const QString& path);
    void ForgetRecentFile(const QString& path);
    void ClearRecentFiles();

private:
    QSettings settings_;
};

// The recent list after using `path`: it moves to the top, appears once, at most `count` entries.
QStringList WithRecentFile(QStringList recent, const QString& path, int count);

} // namespace orv
