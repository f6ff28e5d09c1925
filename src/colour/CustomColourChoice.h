#pragma once
// What happens when one of the main window's custom colour options is selected: the window's
// colour picker is asked for a colour, which goes straight into the settings and onto the swatch.

#include "render/Canvas.h"
#include "settings/SettingKeys.h"

#include <optional>

namespace orv {

class HatDocument;

// The part of a colour picker the custom options need: show the dialog (true when a colour was
// chosen, false after a cancel), then read the colour. After a cancel the colour is the one the
// picker held before.
class ColourSource {
public:
    virtual ~ColourSource() = default;
    virtual bool ShowColor() = 0;
    virtual Colour Color() const = 0;
};

// Custom option of the group `key` selected: it becomes the group's selected option. While a hat
// file is being opened the loader has set the colour itself, so nothing more happens and nothing is
// given back. Otherwise the picker is shown and its colour is stored in the settings at once and
// on the group's custom swatch, and given back for painting. A cancelled dialog leaves the group as
// it was before the click: the option selected before is selected again, no colour changes, and
// nothing is given back.
std::optional<Colour> ChooseCustomColour(HatDocument& document, ColourKey key, ColourSource& picker);

} // namespace orv
