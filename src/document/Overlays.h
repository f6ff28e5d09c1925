#pragma once
// The user's overlays on the chart: texts, lines and stamps, each in a store of 101 slots (slot 0 is
// never drawn or saved), the counters of the slots handed out, and the undo log. Positions and
// sizes are in units of hatRadius, so they scale to any later rendering, screen or printer.

#include "render/Canvas.h"

#include <array>
#include <cstdint>
#include <QString>

namespace orv {

class DataFolder;
class HatDocument;

inline constexpr int OverlaySlots = 101; // slots 0 to 100; 1 to 100 are usable
inline constexpr int LastOverlaySlot = 100;
inline constexpr int PrintedStampSlots = 10; // only the first ten stamps reach the paper

struct UsrText {
    double x = 0; // top-left corner
    double y = 0;
    int16_t size = 0; // points
    Colour colour = 0;
    QString text; // empty: free slot

    bool operator==(const UsrText&) const = default;
};

struct UsrLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    int16_t width = 0; // device pixels of the surface drawn on
    Colour colour = 0;
    QString marker; // "-" for a drawn line, empty: free slot

    bool operator==(const UsrLine&) const = default;
};

struct ChujiStamp {
    double x = 0; // top-left corner
    double y = 0;
    double height = 0;
    double width = 0;
    QString file; // image file name with its leading backslash, e.g. "\sandogasa.gif"; empty: free slot

    bool operator==(const ChujiStamp&) const = default;
};

struct UndoEntry {
    QString kind; // "Line", "Text" or "Chuji"
    int16_t slot = 0;

    bool operator==(const UndoEntry&) const = default;
};

struct Overlays {
    std::array<UsrText, OverlaySlots> UsrTexts;
    std::array<UsrLine, OverlaySlots> UsrLines;
    std::array<ChujiStamp, OverlaySlots> ChujiStamps;
    int16_t TextCount = 0; // last slot handed out in each store
    int16_t LineCount = 0;
    int16_t ChujiCount = 0;
    std::array<UndoEntry, OverlaySlots> UndoLog; // entries 1 to 100
    int16_t UndoCount = 0;

    // Empties every store, the counters and the undo log: what opening a hat file starts from.
    void ClearAll();

    bool operator==(const Overlays&) const = default;
};

// Every text in use on the canvas, its top-left corner at hatRadius times its position (not
// rounded), in its colour and point size, in the canvas's current font.
void DrawUsrTexts(const Overlays& overlays, Canvas& canvas, double hatRadius);

// Every line in use on the canvas, its end points at hatRadius times its coordinates rounded to
// whole pixels, at its own width in device pixels.
void DrawUsrLines(const Overlays& overlays, Canvas& canvas, double hatRadius);

// The stamps of the first ten slots, each image read from DATA and painted scaled to its stored
// size. An image that cannot be read is left out.
void DrawChujiStamps(const Overlays& overlays, Canvas& canvas, double hatRadius, const DataFolder& data);

// The overlays that end a sheet: on the screen after an open or during an undo, texts then lines;
// on paper, lines, texts and then stamps. A plain screen redraw draws none.
void DrawOverlays(HatDocument& doc, Canvas& canvas);

} // namespace orv
