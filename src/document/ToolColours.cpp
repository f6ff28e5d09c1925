#include "document/ToolColours.h"

namespace orv {

std::optional<int> ToolPresetOf(Colour c)
{
    for (std::size_t i = 0; i < ToolColourPresets.size(); ++i)
        if (ToolColourPresets[i].colour == c)
            return static_cast<int>(i);
    return std::nullopt;
}

} // namespace orv
