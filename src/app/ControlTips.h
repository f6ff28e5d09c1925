#pragma once
// What the setting controls say about themselves: the tooltip shown on hover and read by screen
// readers, and the names of the colour swatches, whose captions are all "■".

#include "render/Canvas.h"

#include <QString>

namespace orv {

// Tooltip of a setting control, by its object name ("ComboR", "CheckMilky", …); empty if unknown.
QString SettingToolTip(const QString& controlName);

// The colour a swatch is painted in, as a word ("黒", "白", "黄", …).
QString SwatchName(Colour swatch);

inline const QString CustomColourName = QStringLiteral("任意色");

} // namespace orv
