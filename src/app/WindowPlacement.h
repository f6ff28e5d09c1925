#pragma once
// Where a window first opens: at its wanted size where the screen has room, smaller where it has
// not, centred on the screen's available area (without panels and docks).

#include <QRect>

class QDialog;
class QDialogButtonBox;
class QWidget;

namespace orv {

// Room left around a window for its frame and title bar.
inline constexpr int FrameRoom = 48;

// The first frame of a window of `wanted` size on a screen whose free area is `available`.
QRect FittedWindowRect(QSize wanted, QRect available);

// Gives the window its saved geometry, or a fitted first one on its screen when none was saved
// or the saved one cannot be restored.
void PlaceWindow(QWidget& window, QSize wanted, const QByteArray& saved);

// Shows a modeless window in front of the others, with the keyboard focus.
void ShowInFront(QWidget& window);

// The OK and Cancel row of a dialog, wired to its accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog& dialog);

} // namespace orv
