#include "astro/Numeric.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace orv;
using orv::test::FreshDocument;

TEST(SettingControls, FreshStartDefaults)
{
    auto doc = FreshDocument(QDate(2026, 12, 6));
    ReadSettingsFromControls(doc->controls, doc->settings);
    const HatSettings& s = doc->settings;
    EXPECT_EQ(s.Year, 2026); // the year list reaches 2100, so today's year is shown
    EXPECT_EQ(s.Month, 12);
    EXPECT_EQ(s.Day, 6);
    EXPECT_EQ(s.Hour, 20);
    EXPECT_EQ(s.Minute, 0);
    EXPECT_EQ(s.KansokuKen, 25);
    EXPECT_EQ(s.KansokuShi, 11);
    EXPECT_EQ(doc->controls.List(ListKey::KansokuShi).Text(), QStringLiteral("高島市"));
    EXPECT_EQ(s.RR0, 0);
    EXPECT_EQ(doc->controls.List(ListKey::RR0).Text(), QStringLiteral("A4縦"));
    EXPECT_EQ(s.Nori, 60);
    EXPECT_DOUBLE_EQ(s.glueHalfAngle, 60 * Pi / 360);
    EXPECT_EQ(s.Tokyu, 5);
    EXPECT_EQ(s.NmFntSize, 4);
    EXPECT_EQ(s.Swidth, 3);
    EXPECT_EQ(s.Lwidth, 2);
    EXPECT_EQ(s.Mwidth, 2);
    EXPECT_EQ(s.Pwidth, 2);
    EXPECT_EQ(s.MoonR, 10);
    EXPECT_EQ(s.MoonWidth, 2);
    EXPECT_TRUE(s.Fsen && s.Fmei && s.FkoseiFill && s.Fkinse && s.Fkase && s.Fmokuse && s.Fdose && s.Fmoon);
    EXPECT_FALSE(s.Fmilky || s.Fdaisan || s.Fkodo || s.Fhoi || s.Fedo);
    EXPECT_EQ(s.RColor, White);
    for (ColourKey k : {ColourKey::Kcolor, ColourKey::SnColor, ColourKey::SsColor, ColourKey::MColor,
                        ColourKey::KdHiColor, ColourKey::KinColor, ColourKey::KaColor, ColourKey::MokuColor,
                        ColourKey::DoColor, ColourKey::MoonColor})
        EXPECT_EQ(ColourSetting(s, k), Black);
}

TEST(SettingControls, ListItemsAndTheYearLimits)
{
    auto doc = FreshDocument(QDate(1999, 3, 15));
    const SettingControls& c = doc->controls;
    EXPECT_EQ(c.List(ListKey::Year).Text(), QStringLiteral(" 2000"));
    EXPECT_EQ(c.List(ListKey::Year).items.size(), 101);
    EXPECT_EQ(c.List(ListKey::Year).items.last(), QStringLiteral(" 2100"));
    EXPECT_EQ(FreshDocument(QDate(2150, 1, 1))->controls.List(ListKey::Year).Text(), QStringLiteral(" 2100"));
    EXPECT_EQ(c.List(ListKey::Tokyu).items, QStringList({" 5", " 4", " 3", " 2", " 1", " 0"}));
    EXPECT_EQ(c.List(ListKey::Nori).items, QStringList({" 0", " 30", " 60", " 90", " 120"}));
    EXPECT_EQ(c.List(ListKey::NmFntSize).items.size(), 28);
    const QStringList paper = c.List(ListKey::RR0).items;
    ASSERT_EQ(paper.size(), 17);
    EXPECT_EQ(paper[5], QStringLiteral("A3横×2"));
    EXPECT_EQ(paper[6], QStringLiteral("半径 6cm"));
    EXPECT_EQ(paper[10], QStringLiteral("半径10cm"));
    EXPECT_EQ(paper[16], QStringLiteral("半径16cm"));
    EXPECT_EQ(c.List(ListKey::KansokuKen).items.size(), 47);
    EXPECT_EQ(c.List(ListKey::KansokuKen).items[12], QStringLiteral("東京都"));
}

TEST(SettingControls, IndexConversionsAndColourOptions)
{
    auto doc = FreshDocument();
    SettingControls& c = doc->controls;
    HatSettings& s = doc->settings;
    c.List(ListKey::Minute).index = 5;
    c.List(ListKey::Hour).index = 23;
    c.List(ListKey::Nori).index = 0;
    c.List(ListKey::MoonR).index = 0;
    c.List(ListKey::KansokuShi).index = -1; // no municipality: the prefecture's own entry
    ReadSettingsFromControls(c, s);
    EXPECT_EQ(s.Minute, 50);
    EXPECT_EQ(s.Hour, 24);
    EXPECT_EQ(s.glueHalfAngle, 0);
    EXPECT_EQ(s.MoonR, 5);
    EXPECT_EQ(s.KansokuShi, 0);

    // White preset, then the custom option without choosing a colour: the key stays white.
    ColourGroup& stars = c.Group(ColourKey::Kcolor);
    stars.selected = stars.OptionForValue(White);
    ReadSettingsFromControls(c, s);
    EXPECT_EQ(s.Kcolor, White);
    stars.selected = ColourGroup::CustomSelected;
    ReadSettingsFromControls(c, s);
    EXPECT_EQ(s.Kcolor, White);
    // The spectral-type button sets nothing either.
    stars.selected = ColourGroup::SpectralSelected;
    ReadSettingsFromControls(c, s);
    EXPECT_EQ(s.Kcolor, White);
    // A swatch painted in one colour may set another.
    ColourGroup& names = c.Group(ColourKey::SnColor);
    names.selected = 3;
    ASSERT_STREQ(names.presets[3].name, "OptionSn_cyan");
    ReadSettingsFromControls(c, s);
    EXPECT_EQ(names.presets[3].swatch, 0xFFFF00u);
    EXPECT_EQ(s.SnColor, 0xFFFF80u);
}

TEST(SettingControls, AnotherPrefectureRefillsTheTownsAtOnceTheSameKeepsTheTown)
{
    auto doc = FreshDocument(QDate(2026, 12, 6));
    SettingControls& c = doc->controls;
    EXPECT_FALSE(SelectPrefecture(c, doc->sites, 24)); // 滋賀県 again: 高島市 stays
    EXPECT_EQ(c.List(ListKey::KansokuShi).Text(), QStringLiteral("高島市"));

    EXPECT_TRUE(SelectPrefecture(c, doc->sites, 0)); // 北海道
    EXPECT_EQ(c.List(ListKey::KansokuShi).items.size(), doc->sites.MunicipalityCount(1));
    EXPECT_EQ(c.List(ListKey::KansokuShi).index, -1);
    ReadSettingsFromControls(c, doc->settings);
    // The prefectural office of Hokkaido, not the eleventh town of Hokkaido.
    EXPECT_EQ(doc->settings.KansokuKen, 1);
    EXPECT_EQ(doc->settings.KansokuShi, 0);
}
