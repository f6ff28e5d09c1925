#pragma once
// Texts the program's own windows share.

#include <QString>

namespace orv {

inline const QString ProductName = QStringLiteral("Orvenza");
inline const QString MainCaption = QStringLiteral("OrvenzaVer.1.4");
inline const QString MakerLine = QStringLiteral("　Vandrel");
inline const QString PlanetMethodCredit = QStringLiteral("惑星・月の位置：ERFAライブラリの惑星・月理論に合わせた級数による");
inline const QString AlreadyRunningMessage = QStringLiteral("既に起動されています");
inline const QString ExitQuestion = QStringLiteral("終了しますか？");
inline const QString HelpFileName = QStringLiteral("orvenza.hlp");
inline const QString StartPictureName = QStringLiteral("sandogasa.gif");
// The cover's font, mapped onto an installed Japanese gothic font.
inline const QString CoverFontFamily = QStringLiteral("ＭＳ ゴシック");

} // namespace orv
