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

    // Empties every store, the counters and the undo log: what opening a hat file and erasing
    // start from.
    void ClearAll();

    bool operator==(const Overlays&) const = default;
};

enum class OverlayKind { Line, Text, Chuji };

// Said when a 101st line, text or stamp, or a 101st undo entry, would be needed.
inline const QString OverlayLimitMessage =
    QStringLiteral("線・テキスト・スタンプは、それぞれ100個までしか置けません。");

// Whether one more overlay of the kind can be placed: its store has a slot left after the last one
// handed out, and the undo log has an entry left.
bool RoomForOverlay(const Overlays& overlays, OverlayKind kind);

// Stores the overlay in the next slot of its store and appends its undo entry ("Line", "Text",
// "Chuji"); the slot number is given back. The caller has checked RoomForOverlay.
int16_t AddUsrLine(Overlays& overlays, const UsrLine& line);
int16_t AddUsrText(Overlays& overlays, const UsrText& text);
int16_t AddChujiStamp(Overlays& overlays, const ChujiStamp& stamp);

// Where overlay units land on a surface: a stored position p is drawn at scale * p + origin.
// scale is the rendering's hatRadius; the origin is 0 except on the sheets of a two-sheet print.
struct OverlayFrame {
    double scale = 0;
    double originX = 0;
    double originY = 0;
    double X(double x) const { return scale * x + originX; }
    double Y(double y) const { return scale * y + originY; }
};

// Every text in use on the canvas, its top-left corner at its position in the frame (not
// rounded), in its colour and point size, in the canvas's current font.
void DrawUsrTexts(const Overlays& overlays, Canvas& canvas, const OverlayFrame& frame);

// Every line in use on the canvas, its end points at its coordinates in the frame rounded to whole
// pixels, at its own width in device pixels.
void DrawUsrLines(const Overlays& overlays, Canvas& canvas, const OverlayFrame& frame);

// Every stamp in use, each image read from DATA and painted scaled to its stored size. An image
// that cannot be read is left out.
void DrawChujiStamps(const Overlays& overlays, Canvas& canvas, const OverlayFrame& frame, const DataFolder& data);

// The stamp image of a stored file name ("\sandogasa_90.gif"), read from the DATA folder; null
// when it cannot be read.
QImage LoadStampImage(const DataFolder& data, const QString& file);

// The frame of the current sheet. Overlays are placed on the screen chart, in units of its
// hatRadius from its top-left corner. A one-sheet print scales them from the sheet's corner; the
// two sheets of a two-sheet print place them relative to the hat centre, at the offset from the
// centre they had on the screen chart of that layout, so every mark lands on the same spot of the
// sky on whichever sheet that part of the hat lies.
OverlayFrame OverlayFrameOf(const HatDocument& doc);

// The overlays that end every sheet, in the order lines, texts, stamps: on paper, and on the screen
// after every redraw, so the screen always shows what will print.
void DrawOverlays(HatDocument& doc, Canvas& canvas);

} // namespace orv
