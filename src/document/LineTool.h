#pragma once
// The line tool: armed by the menu (one line) or by the "／" check box (one line per press until
// it is unchecked), a press starts a line, the rubber band follows the pointer while the left
// button is held, and the release draws the line on the screen chart and stores it.

#include "render/Canvas.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace orv {

class HatDocument;

struct LineTool {
    bool LineArmed = false;
    bool LineDragging = false;
    int16_t LineStartX = 0; // chart pixels
    int16_t LineStartY = 0;
    int16_t LineEndX = 0;
    int16_t LineEndY = 0;
    // The style of the next line, kept between uses of the line dialog. A width of 0 means the
    // dialog was never confirmed; such a line is drawn 1 pixel wide.
    Colour CurLineColor = 0;
    int16_t CurLineWidth = 0;
    bool LineDlgOK = false;

    // The width a line started now gets.
    int16_t Width() const { return CurLineWidth > 0 ? CurLineWidth : 1; }
};

// A press on the chart at (x, y) in chart pixels. A line starts when the tool is armed, a chart has
// been drawn, and either the left button was pressed after the dialog was confirmed or the check
// box is checked (then any button will do). The menu's arming is used up; the check box re-arms.
// Gives back a message instead when no more lines may be placed (nothing starts then).
std::optional<QString> LineMouseDown(HatDocument& document, bool leftButton, bool checkLineChecked, double x,
                                     double y);

// A pointer move: the rubber band's free end follows while a line is being drawn with the left
// button held.
void LineMouseMove(HatDocument& document, bool leftButtonDown, double x, double y);

// The release, of any button: the line being drawn ends at (x, y), is drawn on the screen chart in
// the current colour and width and stored in units of hatRadius with its undo entry. False when no
// line was being drawn.
bool LineMouseUp(HatDocument& document, double x, double y);

} // namespace orv
