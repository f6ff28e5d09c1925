#pragma once
// Makes the application speak Japanese: Qt's own translations for the standard dialogs and buttons,
// and the Windows Japanese font names mapped onto the installed IPA fonts.

class QApplication;

namespace orv {

// Loads Qt's Japanese translation (false when it is not installed) and sets up the fonts.
bool InstallJapaneseUi(QApplication& app);

} // namespace orv
