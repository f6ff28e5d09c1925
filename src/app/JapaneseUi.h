#pragma once
// Makes the application speak Japanese: Qt's own translations for the standard dialogs and buttons,
// and the Windows Japanese font names mapped onto the installed IPA fonts, or onto another Japanese
// font of the system when the IPA fonts are missing.

#include <QStringList>

class QApplication;

namespace orv {

// The font standing in for a Japanese face: the IPA face when installed, else any font that writes
// Japanese (empty when the system has none).
QString JapaneseStandIn(const QString& ipaFace, const QStringList& installed, const QStringList& japanese);

// Loads Qt's Japanese translation and sets up the fonts. Gives the warnings to show once: Qt's
// translation or any Japanese font missing (empty when all is well).
QStringList InstallJapaneseUi(QApplication& app);

} // namespace orv
