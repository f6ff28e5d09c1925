#include "document/PendingRequests.h"
#include "render/RecordingCanvas.h"
#include "settings/ApplySetting.h"
#include "support/Fixtures.h"
#include "HatFileTestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

// Hooks that write down what happened, in order.
struct Journal {
    QStringList events;
    bool loadPendingDuringRedraw = false;
    RequestHooks Hooks(HatDocument& doc)
    {
        return {[this](const QString& m) { events << "failure " + m; },
                [this, &doc] {
                    events << "redrawn";
                    loadPendingDuringRedraw = doc.LoadPending;
                },
                [this](const QString& path) { events << "written " + QFileInfo(path).fileName(); },
                [this](const QString& path) { events << "read " + QFileInfo(path).fileName(); }};
    }
};

} // namespace

TEST(SaveFlow, ExtensionIsAddedUnlessTheNameEndsInExactlyOrv)
{
    EXPECT_EQ(WithHatExtension("/u/sky"), "/u/sky.orv");
    EXPECT_EQ(WithHatExtension("/u/sky.orv"), "/u/sky.orv");
    EXPECT_EQ(WithHatExtension("/u/sky.ORV"), "/u/sky.ORV.orv");
    EXPECT_EQ(WithHatExtension("/u/sky.orv.txt"), "/u/sky.orv.txt.orv");
    auto doc = FreshDocument();
    RequestSave(*doc, QStringLiteral("/u/sky") + QChar(0) + QStringLiteral("garbage"));
    EXPECT_EQ(doc->requests.PendingSavePath, "/u/sky.orv");
    EXPECT_TRUE(SaveWaiting(*doc));
}

TEST(SaveFlow, NothingIsWrittenBeforeThePointerMovesAndACancelWithdrawsTheSave)
{
    QTemporaryDir dir;
    auto doc = FreshDocument();
    Journal journal;
    RequestSave(*doc, dir.filePath("sky"));
    EXPECT_FALSE(QFile::exists(dir.filePath("sky.orv")));
    RunPendingRequests(*doc, journal.Hooks(*doc));
    EXPECT_EQ(ReadAll(dir.filePath("sky.orv")), Saved(*doc));
    EXPECT_FALSE(SaveWaiting(*doc));
    QFile::remove(dir.filePath("sky.orv"));
    RunPendingRequests(*doc, journal.Hooks(*doc)); // carried out once only
    EXPECT_FALSE(QFile::exists(dir.filePath("sky.orv")));

    RequestSave(*doc, dir.filePath("later.orv"));
    RequestSave(*doc, QString()); // the chooser reopened and cancelled
    RunPendingRequests(*doc, journal.Hooks(*doc));
    EXPECT_FALSE(QFile::exists(dir.filePath("later.orv")));
    EXPECT_EQ(journal.events, QStringList({"written sky.orv"}));
}

TEST(OpenFlow, SaveRunsBeforeOpenAndTheOpenRedrawsWithLoadPendingSet)
{
    QTemporaryDir dir;
    const QString other = dir.filePath("other.orv");
    {
        QFile f(other);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(HatLines({"Fmilky, 0 ", "Text,loaded", "Tx, .5 ", "Ty, .5 ", "Tsize, 9 "}));
    }
    auto doc = FreshDocument(QDate(2026, 12, 7), {{"Fmilky", "1"}});
    Journal journal;
    RequestOpen(*doc, other);
    RequestSave(*doc, dir.filePath("current"));
    RunPendingRequests(*doc, journal.Hooks(*doc));

    EXPECT_TRUE(ReadAll(dir.filePath("current.orv")).startsWith("Fmilky, 1 \r\n"));
    EXPECT_EQ(doc->controls.Check(SwitchKey::Fmilky), 0);
    EXPECT_TRUE(doc->settings.Fmilky == false); // the redraw read the loaded controls back
    EXPECT_EQ(doc->overlays.UsrTexts[1].text, "loaded");
    EXPECT_EQ(journal.events, QStringList({"written current.orv", "redrawn", "read other.orv"}));
    EXPECT_TRUE(journal.loadPendingDuringRedraw);
    EXPECT_FALSE(doc->LoadPending);
    EXPECT_TRUE(doc->requests.PendingLoadPath.isEmpty());
    EXPECT_GT(doc->geometry.hatRadius, 0);
}

TEST(OpenFlow, FailedOpenIsReportedAndDrawsNothing)
{
    QTemporaryDir dir;
    auto doc = FreshDocument();
    Journal journal;
    RequestOpen(*doc, QString());
    EXPECT_FALSE(OpenWaiting(*doc));
    const QString missing = dir.filePath("missing.orv");
    RequestOpen(*doc, missing);
    RunPendingRequests(*doc, journal.Hooks(*doc));
    EXPECT_EQ(journal.events, QStringList({"failure " + HatFileText::OpenFailed(missing, "ファイルが見つかりません。")}));
    EXPECT_FALSE(OpenWaiting(*doc));
    EXPECT_EQ(doc->geometry.hatRadius, 0); // no chart was drawn
}

TEST(OpenFlow, OpenedFileWithoutSiteOrDateAsksForThemInsteadOfDrawing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("nodate.orv");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(HatLines({"Fmilky, 1 ", "Day,-1 "}));
    }
    auto doc = FreshDocument();
    Journal journal;
    RequestOpen(*doc, path);
    RunPendingRequests(*doc, journal.Hooks(*doc));
    EXPECT_EQ(journal.events, QStringList({"redrawn", "failure 日時を選択してください", "read nodate.orv"}));
    EXPECT_EQ(doc->controls.Check(SwitchKey::Fmilky), 1);
    EXPECT_EQ(doc->geometry.hatRadius, 0);
}

TEST(ExitRule, WaitingSaveIsCarriedOutButNotAWaitingOpen)
{
    QTemporaryDir dir;
    auto doc = FreshDocument();
    Journal journal;
    EXPECT_TRUE(RunWaitingSaveBeforeExit(*doc, journal.Hooks(*doc))); // nothing waiting
    RequestSave(*doc, dir.filePath("last"));
    RequestOpen(*doc, dir.filePath("last.orv"));
    EXPECT_TRUE(RunWaitingSaveBeforeExit(*doc, journal.Hooks(*doc)));
    EXPECT_EQ(ReadAll(dir.filePath("last.orv")), Saved(*doc));
    EXPECT_EQ(journal.events, QStringList({"written last.orv"})); // no redraw
    RequestSave(*doc, dir.filePath("no/folder/x"));
    EXPECT_FALSE(RunWaitingSaveBeforeExit(*doc, journal.Hooks(*doc)));
    EXPECT_EQ(journal.events,
              QStringList({"written last.orv",
                           "failure " + HatFileText::SaveFailed(dir.filePath("no/folder/x.orv"), "フォルダが見つかりません。")}));
}
