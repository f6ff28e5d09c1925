#include "settings/ApplySetting.h"

#include "astro/Numeric.h"
#include "settings/SettingControls.h"
#include "settings/SiteTable.h"

namespace orv {

QString ValueText::Shortened(const QString& text)
{
    constexpr int Longest = 24;
    return text.size() > Longest ? text.left(Longest) + QStringLiteral("…") : text;
}

QString ValueText::Quoted(const QString& value)
{
    return QStringLiteral("「%1」").arg(Shortened(value.trimmed()));
}

QString ValueText::NotSwitch(const QString& value, bool greyedAllowed)
{
    return QStringLiteral("値%1はスイッチの値（%2）ではありません。")
        .arg(Quoted(value), greyedAllowed ? QStringLiteral("0、1 または 2") : QStringLiteral("0 または 1"));
}

QString ValueText::NotListPosition(const QString& value, int first, int last)
{
    return QStringLiteral("値%1は一覧の位置（%2 から %3 までの整数）ではありません。").arg(Quoted(value)).arg(first).arg(last);
}

QString ValueText::NotColour(const QString& value)
{
    return QStringLiteral("値%1は色の値（0 から 16777215 までの整数）ではありません。").arg(Quoted(value));
}

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

// The lists whose position -1 (nothing chosen) leaves no site or no date to draw for.
bool MustBeChosen(ListKey key)
{
    switch (key) {
    case ListKey::KansokuKen:
    case ListKey::Year:
    case ListKey::Month:
    case ListKey::Day:
    case ListKey::Hour:
    case ListKey::Minute:
        return true;
    default:
        return false;
    }
}

ApplyResult ApplySwitch(SettingControls& controls, SwitchKey key, const QString& value, SettingSource source)
{
    const bool greyedAllowed = source == SettingSource::HatFile;
    const auto v = WholeNumberIn(value, 0, greyedAllowed ? 2 : 1);
    if (!v)
        return Fail(ValueText::NotSwitch(value, greyedAllowed));
    controls.Check(key) = *v;
    return {};
}

ApplyResult ApplyColour(SettingControls& controls, HatSettings& settings, ColourKey key, const QString& value)
{
    const auto v = WholeNumberIn(value, 0, 0xFFFFFF);
    if (!v)
        return Fail(ValueText::NotColour(value));
    const Colour colour = static_cast<Colour>(*v);
    ColourSetting(settings, key) = colour;
    ColourGroup& group = controls.Group(key);
    group.selected = group.OptionForValue(colour);
    if (group.selected == ColourGroup::CustomSelected)
        group.customSwatch = colour;
    return {};
}

ApplyResult ApplyList(SettingControls& controls, const SiteTable& sites, ListKey key, const QString& value,
                      SettingSource source)
{
    ListControl& list = controls.List(key);
    const int first = source == SettingSource::Option && MustBeChosen(key) ? 0 : -1;
    const int last = static_cast<int>(list.items.size()) - 1;
    const auto v = WholeNumberIn(value, first, last);
    if (!v)
        return Fail(ValueText::NotListPosition(value, first, last));
    list.index = *v;
    if (key == ListKey::KansokuKen)
        sites.FillMunicipalityList(controls.List(ListKey::KansokuShi), list.index + 1);
    return {};
}

} // namespace

ApplyResult ApplySettingValue(SettingControls& controls, HatSettings& settings, const SiteTable& sites,
                              const QString& key, const QString& value, SettingSource source)
{
    if (const int i = FindKey(SwitchKeyNames, key); i >= 0)
        return ApplySwitch(controls, static_cast<SwitchKey>(i), value, source);
    if (const int i = FindKey(ColourKeyNames, key); i >= 0)
        return ApplyColour(controls, settings, static_cast<ColourKey>(i), value);
    if (const int i = FindKey(ListKeyNames, key); i >= 0)
        return ApplyList(controls, sites, static_cast<ListKey>(i), value, source);
    return {ApplyResult::UnknownKey, {}};
}

} // namespace orv
