#pragma once
// Taking the user's marks back: undo removes the newest line, text or stamp, one per command, and
// redraws the screen chart with what remains; erase clears the chart picture and every mark.

namespace orv {

class HatDocument;

// Removes the overlay of the newest undo entry and redraws the chart on the screen with the marks
// that remain. False, with nothing changed and nothing drawn, when the undo log is empty.
bool UndoLast(HatDocument& document);

// Clears the screen picture (the chart goes too, until the next redraw), every text, line and
// stamp, their counters and the undo log, which would otherwise keep entries for marks that no
// longer exist.
void EraseOverlays(HatDocument& document);

} // namespace orv
