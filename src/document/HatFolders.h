#pragma once
// Where hat files live: by default the folder "Orvenza" in the user's documents folder, made when
// it is first needed. The file choosers start in the folder last used while it still exists. No
// path depends on the folder the program was started from.

#include <QString>

namespace orv {

inline const QString HatFolderName = QStringLiteral("Orvenza");

// The default hat-file folder inside a documents folder (not created).
QString HatFolderIn(const QString& documentsFolder);

// The default hat-file folder of this user, created when missing. The home folder when no
// documents folder is known or it cannot be created.
QString DefaultHatFolder();

// The folder a file chooser starts in: the last used one while it exists, else the default.
QString ChooserFolder(const QString& lastUsed);

} // namespace orv
