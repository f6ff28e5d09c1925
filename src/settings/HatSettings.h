#pragma once
// The document settings as the layers receive them, each named by its hat-file key.

#include "render/Canvas.h"

#include <cstdint>

namespace orv {

struct HatSettings {
    // Layer switches.
    bool Fmilky = false;
    bool Fsen = true;
    bool Fmei = true;
    bool FkoseiFill = true;
    bool Fdaisan = false;
    bool Fkodo = false;
    bool Fhoi = false;
    bool Fedo = false;
    bool Fkinse = true;
    bool Fkase = true;
    bool Fmokuse = true;
    bool Fdose = true;
    bool Fmoon = true;

    // Colours, 0x00BBGGRR.
    Colour RColor = White;
    Colour Kcolor = Black;
    Colour SnColor = Black;
    Colour SsColor = Black;
    Colour MColor = Black;
    Colour KdHiColor = Black;
    Colour KinColor = Black;
    Colour KaColor = Black;
    Colour MokuColor = Black;
    Colour DoColor = Black;
    Colour MoonColor = Black;

    // List settings, as values (not list positions).
    int16_t Tokyu = 5;
    int16_t NmFntSize = 4;
    int16_t Swidth = 3;
    int16_t Lwidth = 2;
    int16_t Mwidth = 2;
    int16_t Pwidth = 2;
    int16_t MoonR = 10;
    int16_t MoonWidth = 2;
    int16_t Nori = 60;
    double glueHalfAngle = 0; // Nori x pi / 360
    int16_t KansokuKen = 25;
    int16_t KansokuShi = 11;
    int16_t Year = 2000;
    int16_t Month = 1;
    int16_t Day = 1;
    int16_t Hour = 20;
    int16_t Minute = 0;
    int16_t RR0 = 0;

    bool operator==(const HatSettings&) const = default;
};

} // namespace orv
