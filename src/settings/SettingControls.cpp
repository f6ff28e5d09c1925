#include "settings/SettingControls.h"

#include "astro/Numeric.h"
#include "settings/SiteTable.h"

namespace orv {

QString ListControl::Text() const
{
    return index >= 0 && index < items.size() ? items[index] : QString();
}

void ListControl::Fill(QStringList newItems, int select)
{
    items = std::move(newItems);
    index = select;
}

int ColourGroup::OptionForValue(Colour colour) const
{
    for (size_t i = 0; i < presets.size(); ++i)
        if (presets[i].value == colour)
            return static_cast<int>(i);
    return CustomSelected;
}

namespace {

std::array<ColourGroup, ColourCount> BuildColourGroups()
{
    using K = ColourKey;
    return {{
        {K::RColor, "星図",
         {{"OptionR_white", 0xFFFFFF, 0xFFFFFF}, {"OptionR_black", 0x000000, 0x000000},
          {"OptionR_blue", 0xFF0000, 0xFF0000}, {"OptionR_drkblue", 0x800000, 0x800000},
          {"OptionR_red", 0x0000FF, 0x0000FF}},
         "OptionR_usr", false, 0, {}},
        {K::Kcolor, "恒星",
         {{"OptionK_black", 0x000000, 0x000000}, {"OptionK_white", 0xFFFFFF, 0xFFFFFF},
          {"OptionK_yellow", 0x00FFFF, 0x00FFFF}, {"OptionK_orange", 0x0080FF, 0x0080FF}},
         "OptionK_usr", true, 0, {}},
        {K::SnColor, "星座名",
         {{"OptionSn_black", 0x000000, 0x000000}, {"OptionSn_white", 0xFFFFFF, 0xFFFFFF},
          {"OptionSn_yellow", 0x00FFFF, 0x00FFFF}, {"OptionSn_cyan", 0xFFFF00, 0xFFFF80},
          {"OptionSn_blue", 0xC00000, 0xFF0000}},
         "OptionSn_usr", false, 0, {}},
        {K::SsColor, "星座線",
         {{"OptionSs_black", 0x000000, 0x000000}, {"OptionSs_white", 0xFFFFFF, 0xFFFFFF},
          {"OptionSs_yellow", 0x00FFFF, 0x00FFFF}, {"OptionSs_cyan", 0xFFFF00, 0xFFFF80},
          {"OptionSs_blue", 0xC00000, 0xFF0000}},
         "OptionSs_usr", false, 0, {}},
        {K::MColor, "天の川",
         {{"OptionM_black", 0x000000, 0x000000}, {"OptionM_white", 0xFFFFFF, 0xFFFFFF},
          {"OptionM_cyan", 0xFFFF00, 0xFFFF80}},
         "OptionM_usr", false, 0, {}},
        {K::KdHiColor, "高度方位",
         {{"OptionKdHi_black", 0x000000, 0x000000}, {"OptionKdHi_white", 0xFFFFFF, 0xFFFFFF},
          {"OptionKdHi_blue", 0xFF0000, 0xFF0000}},
         "OptionKdHi_usr", false, 0, {}},
        {K::KinColor, "金星",
         {{"OptionKin_black", 0x000000, 0x000000}, {"OptionKin_white", 0xFFFFFF, 0xFFFFFF},
          {"OptionKin_blue", 0xFFFF00, 0xFFFF80}},
         "OptionKin_usr", false, 0, {}},
        {K::KaColor, "火星",
         {{"OptionKa_black", 0x000000, 0x000000}, {"OptionKa_white", 0xFFFFFF, 0xFFFFFF},
          {"OptionKa_red", 0x0000FF, 0x0000FF}},
         "OptionKa_usr", false, 0, {}},
        {K::MokuColor, "木星",
         {{"OptionMoku_black", 0x000000, 0x000000}, {"OptionMoku_white", 0xFFFFFF, 0xFFFFFF},
          {"OptionMoku_orange", 0x0080FF, 0x0080FF}},
         "OptionMoku_usr", false, 0, {}},
        {K::DoColor, "土星",
         {{"OptionDo_black", 0x000000, 0x000000}, {"OptionDo_white", 0xFFFFFF, 0xFFFFFF},
          {"OptionDo_green", 0x00FF00, 0x00FF00}},
         "OptionDo_usr", false, 0, {}},
        {K::MoonColor, "月",
         {{"OptionMoon_black", 0x000000, 0x000000}, {"OptionMoon_white", 0xFFFFFF, 0xFFFFFF},
          {"OptionMoon_yellow", 0x00FFFF, 0x00FFFF}},
         "OptionMoon_usr", false, 0, {}},
    }};
}

QStringList NumberItems(int from, int to, int step = 1)
{
    QStringList items;
    for (int n = from; step > 0 ? n <= to : n >= to; n += step)
        items << NumberWithSignBlank(n);
    return items;
}

QStringList PaperItems()
{
    QStringList items = {QStringLiteral("A4縦"), QStringLiteral("B4縦"), QStringLiteral("A3縦"),
                         QStringLiteral("A4横×2"), QStringLiteral("B4横×2"), QStringLiteral("A3横×2")};
    for (int r = 6; r <= 16; ++r)
        items << QStringLiteral("半径") + NumberWithSignBlank(r).right(2) + QStringLiteral("cm");
    return items;
}

int16_t NumberOf(const ListControl& list)
{
    return Round16(LeadingNumber(list.Text()));
}

} // namespace

SettingControls::SettingControls() : colours(BuildColourGroups()) {}

QString NumberWithSignBlank(long long n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

void InitialiseSettingControls(SettingControls& c, const SiteTable& sites, QDate today)
{
    using L = ListKey;
    c.List(L::Tokyu).Fill(NumberItems(5, 0, -1), 0);
    c.List(L::NmFntSize).Fill(NumberItems(3, 30), 1);
    c.List(L::Swidth).Fill(NumberItems(1, 9), 2);
    c.List(L::Lwidth).Fill(NumberItems(1, 9), 1);
    c.List(L::Mwidth).Fill(NumberItems(1, 6), 1);
    c.List(L::MoonR).Fill(NumberItems(5, 20), 5);
    c.List(L::MoonWidth).Fill(NumberItems(1, 9), 1);

    sites.FillPrefectureList(c.List(L::KansokuKen));
    c.List(L::KansokuKen).index = 24;
    sites.FillMunicipalityList(c.List(L::KansokuShi), 25);
    c.List(L::KansokuShi).index = 10;

    // The year list reaches from 2000 to 2100 so that tonight's sky can be drawn; position 0 stays
    // 2000, so stored hat files keep their meaning.
    c.List(L::Year).Fill(NumberItems(FirstYear, LastYear), std::clamp(today.year(), FirstYear, LastYear) - FirstYear);
    c.List(L::Month).Fill(NumberItems(1, 12), today.month() - 1);
    c.List(L::Day).Fill(NumberItems(1, 31), today.day() - 1);
    c.List(L::Hour).Fill(NumberItems(1, 24), 19);
    c.List(L::Minute).Fill(NumberItems(0, 50, 10), 0);
    c.List(L::RR0).Fill(PaperItems(), 0);
    c.List(L::Nori).Fill(NumberItems(0, 120, 30), 2);
    c.List(L::Pwidth).Fill(NumberItems(1, 9), 1);

    for (SwitchKey k : {SwitchKey::Fsen, SwitchKey::Fmei, SwitchKey::FkoseiFill, SwitchKey::Fkinse,
                        SwitchKey::Fkase, SwitchKey::Fmokuse, SwitchKey::Fdose, SwitchKey::Fmoon})
        c.Check(k) = 1;
    for (SwitchKey k : {SwitchKey::Fmilky, SwitchKey::Fdaisan, SwitchKey::Fkodo, SwitchKey::Fhoi, SwitchKey::Fedo})
        c.Check(k) = 0;
    for (ColourGroup& g : c.colours) {
        g.selected = g.OptionForValue(g.key == ColourKey::RColor ? White : Black);
        g.customSwatch.reset();
    }
}

QString MissingChoice(const SettingControls& c)
{
    using L = ListKey;
    if (c.List(L::KansokuKen).index < 0)
        return QStringLiteral("観測地を選択してください");
    for (L key : {L::Year, L::Month, L::Day, L::Hour, L::Minute})
        if (c.List(key).index < 0)
            return QStringLiteral("日時を選択してください");
    return {};
}

bool SelectPrefecture(SettingControls& c, const SiteTable& sites, int index)
{
    ListControl& prefecture = c.List(ListKey::KansokuKen);
    if (prefecture.index == index)
        return false;
    prefecture.index = index;
    sites.FillMunicipalityList(c.List(ListKey::KansokuShi), index + 1);
    return true;
}

bool& SwitchSetting(HatSettings& s, SwitchKey key)
{
    switch (key) {
    case SwitchKey::Fmilky: return s.Fmilky;
    case SwitchKey::Fsen: return s.Fsen;
    case SwitchKey::Fmei: return s.Fmei;
    case SwitchKey::FkoseiFill: return s.FkoseiFill;
    case SwitchKey::Fdaisan: return s.Fdaisan;
    case SwitchKey::Fkodo: return s.Fkodo;
    case SwitchKey::Fhoi: return s.Fhoi;
    case SwitchKey::Fedo: return s.Fedo;
    case SwitchKey::Fkinse: return s.Fkinse;
    case SwitchKey::Fkase: return s.Fkase;
    case SwitchKey::Fmokuse: return s.Fmokuse;
    case SwitchKey::Fdose: return s.Fdose;
    case SwitchKey::Fmoon: break;
    }
    return s.Fmoon;
}

Colour& ColourSetting(HatSettings& s, ColourKey key)
{
    switch (key) {
    case ColourKey::RColor: return s.RColor;
    case ColourKey::Kcolor: return s.Kcolor;
    case ColourKey::SnColor: return s.SnColor;
    case ColourKey::SsColor: return s.SsColor;
    case ColourKey::MColor: return s.MColor;
    case ColourKey::KdHiColor: return s.KdHiColor;
    case ColourKey::KinColor: return s.KinColor;
    case ColourKey::KaColor: return s.KaColor;
    case ColourKey::MokuColor: return s.MokuColor;
    case ColourKey::DoColor: return s.DoColor;
    case ColourKey::MoonColor: break;
    }
    return s.MoonColor;
}

Colour ColourSetting(const HatSettings& s, ColourKey key)
{
    return ColourSetting(const_cast<HatSettings&>(s), key);
}

void ReadSettingsFromControls(const SettingControls& c, HatSettings& s)
{
    using L = ListKey;
    for (size_t i = 0; i < SwitchCount; ++i)
        SwitchSetting(s, static_cast<SwitchKey>(i)) = c.checks[i] != 0;
    for (const ColourGroup& g : c.colours)
        if (g.selected >= 0 && g.selected < static_cast<int>(g.presets.size()))
            ColourSetting(s, g.key) = g.presets[g.selected].value;

    s.Tokyu = NumberOf(c.List(L::Tokyu));
    s.NmFntSize = NumberOf(c.List(L::NmFntSize));
    s.KansokuKen = static_cast<int16_t>(c.List(L::KansokuKen).index + 1);
    s.KansokuShi = static_cast<int16_t>(c.List(L::KansokuShi).index + 1);
    s.Nori = NumberOf(c.List(L::Nori));
    s.glueHalfAngle = s.Nori * Pi / 360;
    s.Swidth = NumberOf(c.List(L::Swidth));
    s.Lwidth = NumberOf(c.List(L::Lwidth));
    s.Mwidth = NumberOf(c.List(L::Mwidth));
    s.MoonR = static_cast<int16_t>(c.List(L::MoonR).index + 5);
    s.MoonWidth = static_cast<int16_t>(c.List(L::MoonWidth).index + 1);
    s.Year = NumberOf(c.List(L::Year));
    s.Month = static_cast<int16_t>(c.List(L::Month).index + 1);
    s.Day = static_cast<int16_t>(c.List(L::Day).index + 1);
    s.Hour = static_cast<int16_t>(c.List(L::Hour).index + 1);
    s.Minute = static_cast<int16_t>(c.List(L::Minute).index * 10);
    s.RR0 = static_cast<int16_t>(c.List(L::RR0).index);
    s.Pwidth = static_cast<int16_t>(c.List(L::Pwidth).index + 1);
}

} // namespace orv
