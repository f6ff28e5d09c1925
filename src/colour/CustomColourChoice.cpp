#include "colour/CustomColourChoice.h"

#include "document/HatDocument.h"

namespace orv {

std::optional<Colour> ChooseCustomColour(HatDocument& doc, ColourKey key, ColourSource& picker)
{
    ColourGroup& group = doc.controls.Group(key);
    const int before = group.selected;
    group.selected = ColourGroup::CustomSelected;
    if (doc.LoadPending)
        return std::nullopt;
    if (!picker.ShowColor()) {
        group.selected = before;
        return std::nullopt;
    }
    const Colour chosen = picker.Color();
    ColourSetting(doc.settings, key) = chosen;
    group.customSwatch = chosen;
    return chosen;
}

} // namespace orv
