#include "app/HelpWindow.h"

#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <gtest/gtest.h>

using namespace orv;

// Every picture the help names is found beside the help file: in the sources and beside the
// built program, where the build copies the file as orvenza.hlp.
TEST(HelpWindow, FindsEveryPictureBesideTheHelpFile)
{
    for (const QString& file : {QStringLiteral(ORVENZA_SOURCE_DIR "/help/orvenza.html"),
                                QStringLiteral(ORVENZA_PROGRAM_DIR "/orvenza.hlp")}) {
        HelpWindow window(file);
        auto* browser = window.findChild<QTextBrowser*>(QStringLiteral("HelpText"));
        ASSERT_NE(browser, nullptr);
        const QString html = browser->document()->toHtml();
        const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
        int pictures = 0;
        for (auto it = image.globalMatch(html); it.hasNext(); ++pictures) {
            const QString name = it.next().captured(1);
            const QVariant loaded = browser->loadResource(QTextDocument::ImageResource, QUrl(name));
            EXPECT_TRUE(loaded.isValid() && !loaded.toByteArray().isEmpty()) << file.toStdString() << " " << name.toStdString();
        }
        EXPECT_EQ(pictures, 5) << file.toStdString();
    }
}
