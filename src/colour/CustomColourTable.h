#pragma once
// The sixteen custom colours a colour picker offers in its dialog. Each picker owns its own table
// for its whole life; it starts as a ramp of greys from white (255) down to 15 in steps of 16.

#include "render/Canvas.h"

#include <array>

namespace orv {

class CustomColourTable {
public:
    static constexpr int Size = 16;

    CustomColourTable();

    Colour At(int i) const { return colours_[static_cast<std::size_t>(i)]; }
    void Set(int i, Colour c) { colours_[static_cast<std::size_t>(i)] = c; }
    const std::array<Colour, Size>& All() const { return colours_; }

private:
    std::array<Colour, Size> colours_{};
};

} // namespace orv
