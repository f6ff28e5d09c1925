#include "colour/CustomColourChoice.h"

#include "document/HatDocument.h"

namespace orv {

std::optional<Colour> ChooseCustomColour(HatDocument& doc, ColourKey key, ColourSource& picker)
{
    ColourGroup& group = doc.controls.Group(key);
    group.selected = ColourGroup::CustomSelected;
    if (doc.LoadPending)
        return std::nullopt;
    picker.ShowColor();
    const Colour chosen = picker.Color();
    ColourSetting(doc.settings, key) = chosen;
    group.customSwatch = chosen;
    return chosen;
}

} // namespace orv
