#pragma once
// The text tool: the text dialog gives a text, its colour and size; a preview of it then follows
// the pointer over the chart, and a press on the preview writes the text there, on the screen
// chart and into the document.

#include "render/Canvas.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace orv {

class HatDocument;

inline constexpr int16_t DefaultTextSize = 4; // a size of 0 is taken as this
inline constexpr int16_t SmallestTextSize = 3;
inline constexpr int16_t LargestTextSize = 100;

struct TextTool {
    QString PendingText;
    int16_t CurTextSize = 0; // points; 0 until a size is chosen
    Colour CurTextColor = 0;
    bool TextMode = false;  // a text is to be placed
    bool TextDlgOK = false; // the text dialog was confirmed

    int16_t Size() const { return CurTextSize > 0 ? CurTextSize : DefaultTextSize; }
    // The preview follows the pointer while a text waits to be placed.
    bool PreviewShown() const { return !PendingText.isEmpty() && TextMode; }
};

// The first character of text that a hat file cannot store (one outside the Japanese code page),
// or nothing when all can be stored.
std::optional<QString> FirstUnstorableCharacter(const QString& text);

// What the text dialog says when it refuses a text because of that character.
QString UnstorableCharacterMessage(const QString& character);

// A press on the preview whose top-left corner is at (x, y) in chart pixels: the waiting text is
// written there on the screen chart and stored in units of hatRadius with its undo entry, and text
// mode ends. Nothing happens unless a text waits, the dialog was confirmed and a chart has been
// drawn. Gives back a message instead when no more texts may be placed.
std::optional<QString> PlaceUsrText(HatDocument& document, double x, double y);

} // namespace orv
