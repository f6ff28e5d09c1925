// Where hat files live: the documents folder's "Orvenza", made when needed, and the folder last
// used while it exists; never a folder relative to where the program was started.
#include "document/HatFolders.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orv {
namespace {

// Points the home folder (and with it the documents folder) somewhere else for one test.
class TemporaryHome {
public:
    TemporaryHome() : saved_(qgetenv("HOME")) { qputenv("HOME", home_.path().toLocal8Bit()); }
    ~TemporaryHome() { qputenv("HOME", saved_); }
    QString Path() const { return home_.path(); }

private:
    QTemporaryDir home_;
    QByteArray saved_;
};

TEST(HatFolders, DefaultIsOrvenzaInTheDocumentsFolderMadeWhenNeeded)
{
    EXPECT_EQ(HatFolderIn(QStringLiteral("/home/u/ドキュメント")), QStringLiteral("/home/u/ドキュメント/Orvenza"));

    TemporaryHome home;
    const QString folder = DefaultHatFolder();
    EXPECT_TRUE(folder.startsWith(home.Path())) << folder.toStdString();
    EXPECT_TRUE(folder.endsWith(QStringLiteral("/Orvenza")));
    EXPECT_TRUE(QDir(folder).exists());
}

TEST(HatFolders, ChoosersStartInTheLastFolderWhileItExists)
{
    TemporaryHome home;
    QTemporaryDir last;
    EXPECT_EQ(ChooserFolder(last.path()), last.path());
    EXPECT_EQ(ChooserFolder(last.filePath(QStringLiteral("gone"))), DefaultHatFolder());
    EXPECT_EQ(ChooserFolder(QString()), DefaultHatFolder());
    // A relative folder would depend on where the program was started: it is not used.
    EXPECT_EQ(ChooserFolder(QStringLiteral(".")), DefaultHatFolder());
}

} // namespace
} // namespace orv
