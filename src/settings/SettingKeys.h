#pragma once
// The names of the settings: hat-file keys in the order the file stores them, and the controls.

#include <array>
#include <cstddef>

namespace orv {

enum class SwitchKey { Fmilky, Fsen, Fmei, FkoseiFill, Fdaisan, Fkodo, Fhoi, Fedo, Fkinse, Fkase, Fmokuse, Fdose, Fmoon };
inline constexpr std::size_t SwitchCount = 13;
inline constexpr std::array<const char*, SwitchCount> SwitchKeyNames = {
    "Fmilky", "Fsen", "Fmei", "FkoseiFill", "Fdaisan", "Fkodo", "Fhoi",
    "Fedo", "Fkinse", "Fkase", "Fmokuse", "Fdose", "Fmoon"};
inline constexpr std::array<const char*, SwitchCount> SwitchControlNames = {
    "CheckMilky", "CheckSen", "CheckMei", "CheckKoseiFill", "CheckDaisan", "CheckKodo", "CheckHoi",
    "CheckEdo", "CheckKinse", "CheckKase", "CheckMokuse", "CheckDose", "CheckMoon"};

enum class ColourKey { RColor, Kcolor, SnColor, SsColor, MColor, KdHiColor, KinColor, KaColor, MokuColor, DoColor, MoonColor };
inline constexpr std::size_t ColourCount = 11;
inline constexpr std::array<const char*, ColourCount> ColourKeyNames = {
    "RColor", "Kcolor", "SnColor", "SsColor", "MColor", "KdHiColor",
    "KinColor", "KaColor", "MokuColor", "DoColor", "MoonColor"};

enum class ListKey {
    Tokyu, NmFntSize, KansokuKen, KansokuShi, Nori, Swidth, Lwidth, Mwidth,
    Year, Month, Day, Hour, Minute, RR0, Pwidth, MoonR, MoonWidth
};
inline constexpr std::size_t ListCount = 17;
inline constexpr std::array<const char*, ListCount> ListKeyNames = {
    "Tokyu", "NmFntSize", "KansokuKen", "KansokuShi", "Nori", "Swidth", "Lwidth", "Mwidth",
    "Year", "Month", "Day", "Hour", "Minute", "RR0", "Pwidth", "MoonR", "MoonWidth"};
inline constexpr std::array<const char*, ListCount> ListControlNames = {
    "ComboTokyu", "ComboNmFntSize", "ComboKansokuKen", "ComboKansokuShi", "ComboNori", "ComboSwidth",
    "ComboLwidth", "ComboMwidth", "ComboNen", "ComboGatsu", "ComboNichi", "ComboJi", "ComboFun",
    "ComboR", "ComboPwidth", "ComboMoonR", "ComboMoonWidth"};

template <typename E>
constexpr std::size_t Index(E e)
{
    return static_cast<std::size_t>(e);
}

} // namespace orv
