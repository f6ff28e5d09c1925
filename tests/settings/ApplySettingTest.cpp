#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace orv;
using orv::test::FreshDocument;

namespace {

ApplyResult Apply(HatDocument& doc, const char* key, const char* value)
{
    return ApplySettingValue(doc.controls, doc.settings, doc.sites, QString::fromLatin1(key), QString::fromLatin1(value));
}

} // namespace

TEST(ApplySettingValue, SwitchesTakeCheckBoxValues)
{
    auto doc = FreshDocument();
    EXPECT_EQ(Apply(*doc, "Fmilky", " 1 ").kind, ApplyResult::Applied);
    EXPECT_EQ(doc->controls.Check(SwitchKey::Fmilky), 1);
    EXPECT_EQ(Apply(*doc, "Fsen", "0").kind, ApplyResult::Applied);
    EXPECT_EQ(doc->controls.Check(SwitchKey::Fsen), 0);
    const ApplyResult bad = Apply(*doc, "Fmei", "3");
    EXPECT_EQ(bad.kind, ApplyResult::Failed);
    EXPECT_EQ(bad.message, ErrorText::InvalidValue);
    EXPECT_EQ(Apply(*doc, "Fmei", "40000").message, ErrorText::Overflow);
    EXPECT_EQ(doc->controls.Check(SwitchKey::Fmei), 1);
    EXPECT_EQ(Apply(*doc, "fmilky", "1").kind, ApplyResult::UnknownKey); // keys match case-sensitively
    EXPECT_EQ(Apply(*doc, "Text", "x").kind, ApplyResult::UnknownKey);
}

TEST(ApplySettingValue, ColoursSelectTheirPresetOrTheCustomOption)
{
    auto doc = FreshDocument();
    EXPECT_EQ(Apply(*doc, "MColor", "255").kind, ApplyResult::Applied);
    const ColourGroup& milky = doc->controls.Group(ColourKey::MColor);
    EXPECT_EQ(milky.selected, ColourGroup::CustomSelected);
    EXPECT_EQ(milky.customSwatch.value_or(0), 255u);
    EXPECT_EQ(doc->settings.MColor, 255u);

    Apply(*doc, "SnColor", "16777088");
    const ColourGroup& names = doc->controls.Group(ColourKey::SnColor);
    EXPECT_STREQ(names.presets[names.selected].name, "OptionSn_cyan");
    Apply(*doc, "RColor", "8388608");
    const ColourGroup& disc = doc->controls.Group(ColourKey::RColor);
    EXPECT_STREQ(disc.presets[disc.selected].name, "OptionR_drkblue");
    // The custom colour survives reading the controls back.
    ReadSettingsFromControls(doc->controls, doc->settings);
    EXPECT_EQ(doc->settings.MColor, 255u);
    EXPECT_EQ(doc->settings.RColor, 8388608u);
    EXPECT_EQ(Apply(*doc, "KaColor", "1E+12").message, ErrorText::Overflow);
}

TEST(ApplySettingValue, ListPositionsAndTheMunicipalityRefill)
{
    auto doc = FreshDocument();
    EXPECT_EQ(Apply(*doc, "Swidth", "8").kind, ApplyResult::Applied);
    EXPECT_EQ(doc->controls.List(ListKey::Swidth).Text(), QStringLiteral(" 9"));
    const ApplyResult beyond = Apply(*doc, "Swidth", "40");
    EXPECT_EQ(beyond.message, ErrorText::InvalidValue);
    EXPECT_EQ(doc->controls.List(ListKey::Swidth).index, 8);
    EXPECT_EQ(Apply(*doc, "Swidth", "-1").kind, ApplyResult::Applied);
    EXPECT_EQ(doc->controls.List(ListKey::Swidth).index, -1);
    EXPECT_EQ(Apply(*doc, "Swidth", "-2").kind, ApplyResult::Failed);

    // The prefecture refills the municipality list before the municipality is applied.
    EXPECT_EQ(Apply(*doc, "KansokuKen", "12").kind, ApplyResult::Applied);
    EXPECT_EQ(doc->controls.List(ListKey::KansokuShi).index, -1);
    EXPECT_EQ(doc->controls.List(ListKey::KansokuShi).items.size(), 62);
    EXPECT_EQ(Apply(*doc, "KansokuShi", "0").kind, ApplyResult::Applied);
    EXPECT_EQ(doc->controls.List(ListKey::KansokuShi).Text(), QStringLiteral("千代田区"));
    EXPECT_EQ(Apply(*doc, "KansokuShi", "62").kind, ApplyResult::Failed);
}
