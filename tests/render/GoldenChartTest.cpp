// The whole chart of one evening as a readable list of drawing calls. Any change to what is drawn
// shows up as a difference against the stored list; when the change is meant, write the list anew
// with ORVENZA_UPDATE_GOLDEN=1 and review its diff.

#include "layers/MilkyWay.h"
#include "render/RecordingCanvas.h"
#include "render/RedrawChart.h"
#include "support/Fixtures.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace orv;

TEST(GoldenChart, TokyoOnTheEveningOfSevenDecember2026)
{
    auto doc = orv::test::FreshDocument(QDate(2026, 12, 7),
                                        {{"KansokuKen", "12"}, {"KansokuShi", "0"}, {"Fmilky", "1"}, {"Fkodo", "1"},
                                         {"Fhoi", "1"}, {"Fdaisan", "1"}});
    RecordingCanvas printer(15);
    doc->printer = &printer;
    doc->printing = true;
    RestartMilkyWaySequence();
    RedrawChart(*doc, true);
    const QByteArray drawn = printer.Calls().join(QLatin1Char('\n')).toUtf8() + '\n';

    const QString path = QStringLiteral(ORVENZA_SOURCE_DIR "/tests/render/golden/tokyo-2026-12-07.txt");
    if (qEnvironmentVariableIsSet("ORVENZA_UPDATE_GOLDEN")) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(drawn);
    }
    QFile golden(path);
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << path.toStdString();
    const QList<QByteArray> expected = golden.readAll().split('\n');
    const QList<QByteArray> actual = drawn.split('\n');
    for (qsizetype i = 0; i < std::min(expected.size(), actual.size()); ++i)
        ASSERT_EQ(actual[i].toStdString(), expected[i].toStdString()) << "first difference at line " << i + 1;
    EXPECT_EQ(actual.size(), expected.size());
}
