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
    EXPECT_EQ(bad.message, ValueText::NotSwitch("3", true));
    EXPECT_EQ(Apply(*doc, "Fmei", "40000").message, ValueText::NotSwitch("40000", true));
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
    EXPECT_EQ(Apply(*doc, "KaColor", "1E+12").message, ValueText::NotColour("1E+12"));
}

TEST(ApplySettingValue, ListPositionsAndTheMunicipalityRefill)
{
    auto doc = FreshDocument();
    EXPECT_EQ(Apply(*doc, "Swidth", "8").kind, ApplyResult::Applied);
    EXPECT_EQ(doc->controls.List(ListKey::Swidth).Text(), QStringLiteral(" 9"));
    const ApplyResult beyond = Apply(*doc, "Swidth", "40");
    EXPECT_EQ(beyond.message, ValueText::NotListPosition("40", -1, 8));
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

TEST(ApplySettingValue, ValuesAreTakenOnlyWhenTheWholeValueIsWhatTheKeyTakes)
{
    enum Taken { No, Yes, FileOnly };
    struct Case {
        const char* key;
        const char* value;
        Taken taken;
    };
    const Case cases[] = {
        // Switches: 0 or 1, and the greyed 2 from a hat file only.
        {"Fsen", "1", Yes}, {"Fsen", " 0 ", Yes}, {"Fsen", "+1", Yes}, {"Fsen", "1.0", Yes}, {"Fsen", "1E0", Yes},
        {"Fsen", "2", FileOnly}, {"Fsen", "abc", No}, {"Fsen", "", No}, {"Fsen", " ", No}, {"Fsen", "nan", No},
        {"Fsen", "inf", No}, {"Fsen", "0x1", No}, {"Fsen", "1 junk", No}, {"Fsen", "1,0", No}, {"Fsen", ".5", No},
        {"Fsen", "-1", No}, {"Fsen", "3", No},
        // Colours: whole numbers 0 to 16777215.
        {"Kcolor", "16777215", Yes}, {"Kcolor", "0", Yes}, {"Kcolor", "1e3", Yes}, {"Kcolor", "16777216", No},
        {"Kcolor", "-1", No}, {"Kcolor", "255.5", No}, {"Kcolor", "ff", No}, {"Kcolor", "1E+300", No},
        // Lists: a position inside the list; -1 (nothing chosen) except for the site and the date
        // given as an option. The municipality may stay unchosen: the prefecture is the site then.
        {"Swidth", "8", Yes}, {"Swidth", "9", No}, {"Swidth", "-1", Yes}, {"Swidth", "-2", No}, {"Swidth", "3.5", No},
        {"Year", "100", Yes}, {"Year", "101", No}, {"Year", "-1", FileOnly}, {"Month", "-1", FileOnly},
        {"Day", "-1", FileOnly}, {"Hour", "-1", FileOnly}, {"Minute", "-1", FileOnly}, {"KansokuKen", "46", Yes},
        {"KansokuKen", "47", No}, {"KansokuKen", "-1", FileOnly}, {"KansokuShi", "-1", Yes},
        {"KansokuShi", "99999999999", No},
    };
    for (const Case& c : cases) {
        for (const SettingSource source : {SettingSource::HatFile, SettingSource::Option}) {
            auto doc = FreshDocument();
            const SettingControls before = doc->controls;
            const ApplyResult r = ApplySettingValue(doc->controls, doc->settings, doc->sites, QString::fromLatin1(c.key),
                                                    QString::fromLatin1(c.value), source);
            const bool expected = c.taken == Yes || (c.taken == FileOnly && source == SettingSource::HatFile);
            EXPECT_EQ(r.kind, expected ? ApplyResult::Applied : ApplyResult::Failed)
                << c.key << "=" << c.value << (source == SettingSource::Option ? " (option)" : " (file)");
            if (!expected) {
                EXPECT_TRUE(r.message.contains(ValueText::Quoted(QString::fromLatin1(c.value)))) << r.message.toStdString();
                EXPECT_TRUE(doc->controls == before) << c.key << "=" << c.value;
            }
        }
    }
}

TEST(MissingChoice, ASiteAndADateMustBeChosenBeforeDrawing)
{
    auto doc = FreshDocument();
    EXPECT_EQ(MissingChoice(doc->controls), QString());
    doc->controls.List(ListKey::KansokuShi).index = -1; // the prefecture's own entry serves
    EXPECT_EQ(MissingChoice(doc->controls), QString());
    doc->controls.List(ListKey::Minute).index = -1;
    EXPECT_EQ(MissingChoice(doc->controls), QStringLiteral("日時を選択してください"));
    doc->controls.List(ListKey::KansokuKen).index = -1;
    EXPECT_EQ(MissingChoice(doc->controls), QStringLiteral("観測地を選択してください"));
}
