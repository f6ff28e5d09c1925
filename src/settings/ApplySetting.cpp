#include "settings/ApplySetting.h"

#include "astro/Numeric.h"
#include "settings/SettingControls.h"
#include "settings/SiteTable.h"

namespace orv {

namespace {

template <size_t N>
int FindKey(const std::array<const char*, N>& names, const QString& key)
{
    for (size_t i = 0; i < N; ++i)
        if (key == QLatin1String(names[i]))
            return static_cast<int>(i);
    return -1;
}

ApplyResult Fail(const QString& message)
{
    return {ApplyResult::Failed, message};
}

ApplyResult ApplySwitch(SettingControls& controls, SwitchKey key, double number)
{
    const auto v = CheckedRound16(number);
    if (!v)
        return Fail(ErrorText::Overflow);
    if (*v < 0 || *v > 2)
        return Fail(ErrorText::InvalidValue);
    controls.Check(key) = *v;
    return {};
}

ApplyResult ApplyColour(SettingControls& controls, HatSettings& settings, ColourKey key, double number)
{
    const auto v = CheckedRound32(number);
    if (!v)
        return Fail(ErrorText::Overflow);
    const Colour colour = static_cast<Colour>(*v);
    ColourSetting(settings, key) = colour;
    ColourGroup& group = controls.Group(key);
    group.selected = group.OptionForValue(colour);
    if (group.selected == ColourGroup::CustomSelected)
        group.customSwatch = colour;
    return {};
}

ApplyResult ApplyList(SettingControls& controls, const SiteTable& sites, ListKey key, double number)
{
    const auto v = CheckedRound16(number);
    if (!v)
        return Fail(ErrorText::Overflow);
    ListControl& list = controls.List(key);
    if (*v < -1 || *v >= list.items.size())
        return Fail(ErrorText::InvalidValue);
    list.index = *v;
    if (key == ListKey::KansokuKen)
        sites.FillMunicipalityList(controls.List(ListKey::KansokuShi), list.index + 1);
    return {};
}

} // namespace

ApplyResult ApplySettingValue(SettingControls& controls, HatSettings& settings, const SiteTable& sites,
                              const QString& key, const QString& value)
{
    const double number = LeadingNumber(value);
    if (const int i = FindKey(SwitchKeyNames, key); i >= 0)
        return ApplySwitch(controls, static_cast<SwitchKey>(i), number);
    if (const int i = FindKey(ColourKeyNames, key); i >= 0)
        return ApplyColour(controls, settings, static_cast<ColourKey>(i), number);
    if (const int i = FindKey(ListKeyNames, key); i >= 0)
        return ApplyList(controls, sites, static_cast<ListKey>(i), number);
    return {ApplyResult::UnknownKey, {}};
}

} // namespace orv
