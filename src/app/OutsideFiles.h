#pragma once
// Hat files that come from outside the program's own choosers: dropped on the window or named on
// the command line.

#include <QString>

class QMimeData;

namespace orv {

// True for a name ending in ".orv" (in any case: a file manager shows SKY.ORV as a hat file too).
bool IsHatFileName(const QString& path);

// The first local hat file among dropped data; empty when there is none.
QString DroppedHatFile(const QMimeData* data);

// A file named on the command line as an absolute path (a relative name is relative to the folder
// the program was started from); empty for an empty argument.
QString CommandLineFile(const QString& argument);

} // namespace orv
