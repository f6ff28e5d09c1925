#pragma once
// The colour options of the line and text dialogs: five presets and a custom colour.

#include "render/Canvas.h"

#include <QString>
#include <array>
#include <optional>

namespace orv {

struct ToolColourPreset {
    const char* suffix; // the option's name after its prefix ("OptnL_" or "OptnF_")
    Colour colour;
    const char* name;   // what a screen reader says
};

inline constexpr std::array<ToolColourPreset, 5> ToolColourPresets = {{
    {"white", 0xFFFFFF, "白"},
    {"black", 0x000000, "黒"},
    {"red", 0x0000FF, "赤"},
    {"green", 0x00FF00, "緑"},
    {"blue", 0xFF0000, "青"},
}};

// The preset whose colour is c, in the order white, black, red, green, blue; none for any other.
std::optional<int> ToolPresetOf(Colour c);

} // namespace orv
