#include "app/JapaneseUi.h"

#include "app/AppTexts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orv {

namespace {

const QString IpaGothic = QStringLiteral("IPAGothic");
const QString IpaPGothic = QStringLiteral("IPAPGothic");

bool InstallQtTranslation(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    app.installTranslator(translator);
    return true;
}

} // namespace

QString JapaneseStandIn(const QString& ipaFace, const QStringList& installed, const QStringList& japanese)
{
    if (installed.contains(ipaFace))
        return ipaFace;
    return japanese.isEmpty() ? QString() : japanese.constFirst();
}

QStringList InstallJapaneseUi(QApplication& app)
{
    QStringList warnings;
    const QStringList installed = QFontDatabase::families();
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    const QString gothic = JapaneseStandIn(IpaGothic, installed, japanese);
    const QString pGothic = JapaneseStandIn(IpaPGothic, installed, japanese);
    if (gothic.isEmpty()) {
        // Also said in English: without a Japanese font the Japanese sentence cannot be read.
        warnings << QStringLiteral("日本語のフォントが見つかりません。文字が正しく表示されません。"
                                   "IPAフォント（fonts-ipafont-gothic）を入れてください。\n"
                                   "No Japanese font is installed: install fonts-ipafont-gothic.");
    } else {
        // The chart asks for the IPA faces by name; a stand-in answers for them when they are missing.
        if (gothic != IpaGothic)
            QFont::insertSubstitution(IpaGothic, gothic);
        if (pGothic != IpaPGothic)
            QFont::insertSubstitution(IpaPGothic, pGothic);
        QFont::insertSubstitution(CoverFontFamily, gothic);
        QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), pGothic);
        QFont::insertSubstitution(QStringLiteral("MS UI Gothic"), pGothic);
        app.setFont(QFont(pGothic, 9));
    }

    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    if (!InstallQtTranslation(app))
        warnings << QStringLiteral("Qt の日本語訳（qt6-translations-l10n）が見つかりません。"
                                   "ファイルを選ぶ画面などの一部が英語で表示されます。");
    return warnings;
}

} // namespace orv
