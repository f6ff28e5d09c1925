// The colour picker control and the custom colour options of the main window.
#include "colour/ColourValue.h"
#include "colour/CustomColourChoice.h"
#include "colour/ui/ucClrComDlg.h"
#include "document/HatDocument.h"

#include <QColorDialog>
#include <gtest/gtest.h>

namespace orv {
namespace {

// A picker whose dialog is answered by the test: a colour, or a cancel.
class ScriptedPicker : public ColourSource {
public:
    std::optional<Colour> answer;
    int shown = 0;
    Colour color = 0xFFFFFF;
    bool ShowColor() override
    {
        ++shown;
        if (answer)
            color = *answer;
        return answer.has_value();
    }
    Colour Color() const override { return color; }
};

std::unique_ptr<HatDocument> FreshDocument()
{
    auto doc = std::make_unique<HatDocument>(QStringLiteral(ORVENZA_PROGRAM_DIR));
    doc->Initialise(QDate(2026, 12, 6));
    return doc;
}

TEST(CustomColourChoice, ChosenColourReachesTheSettingsAndTheSwatchAtOnce)
{
    auto owner = FreshDocument();
    HatDocument& doc = *owner;
    ScriptedPicker picker;
    picker.answer = 0xFF0000; // pure blue
    EXPECT_EQ(ChooseCustomColour(doc, ColourKey::KaColor, picker), std::optional<Colour>(0xFF0000));
    EXPECT_EQ(doc.settings.KaColor, 0xFF0000u);
    const ColourGroup& mars = doc.controls.Group(ColourKey::KaColor);
    EXPECT_EQ(mars.selected, ColourGroup::CustomSelected);
    EXPECT_EQ(mars.customSwatch, std::optional<Colour>(0xFF0000));

    // The next redraw leaves the custom colour alone.
    ReadSettingsFromControls(doc.controls, doc.settings);
    EXPECT_EQ(doc.settings.KaColor, 0xFF0000u);
}

TEST(CustomColourChoice, CancelLeavesTheGroupAsItWas)
{
    auto owner = FreshDocument();
    HatDocument& doc = *owner;
    ScriptedPicker picker;
    doc.controls.Group(ColourKey::MoonColor).selected = 2; // the yellow preset
    EXPECT_FALSE(ChooseCustomColour(doc, ColourKey::MoonColor, picker)); // cancelled
    EXPECT_EQ(picker.shown, 1);
    EXPECT_EQ(doc.controls.Group(ColourKey::MoonColor).selected, 2);
    EXPECT_FALSE(doc.controls.Group(ColourKey::MoonColor).customSwatch);
    ReadSettingsFromControls(doc.controls, doc.settings);
    EXPECT_EQ(doc.settings.MoonColor, 0x00FFFFu); // still yellow

    // A colour chosen for Venus does not spill over into a cancelled dialog for Mars.
    picker.answer = 0x00C000;
    ChooseCustomColour(doc, ColourKey::KinColor, picker);
    picker.answer.reset();
    ChooseCustomColour(doc, ColourKey::KaColor, picker);
    EXPECT_EQ(doc.settings.KaColor, Black);
    EXPECT_EQ(doc.controls.Group(ColourKey::KaColor).selected, 0);

    // Cancelling a second dialog for a custom colour keeps that custom colour.
    picker.answer = 0x123456;
    ChooseCustomColour(doc, ColourKey::DoColor, picker);
    picker.answer.reset();
    ChooseCustomColour(doc, ColourKey::DoColor, picker);
    EXPECT_EQ(doc.controls.Group(ColourKey::DoColor).selected, ColourGroup::CustomSelected);
    EXPECT_EQ(doc.settings.DoColor, 0x123456u);
}

TEST(CustomColourChoice, WhileAHatFileOpensTheOptionIsSelectedWithoutAsking)
{
    auto owner = FreshDocument();
    HatDocument& doc = *owner;
    doc.LoadPending = true;
    doc.settings.DoColor = 0x123456;
    ScriptedPicker picker;
    picker.answer = 0xFF0000;
    EXPECT_FALSE(ChooseCustomColour(doc, ColourKey::DoColor, picker));
    EXPECT_EQ(picker.shown, 0);
    EXPECT_EQ(doc.settings.DoColor, 0x123456u);
    EXPECT_EQ(doc.controls.Group(ColourKey::DoColor).selected, ColourGroup::CustomSelected);
    EXPECT_FALSE(doc.controls.Group(ColourKey::DoColor).customSwatch);
}

TEST(ucClrComDlg, DefaultsAndCancel)
{
    ucClrComDlg picker;
    EXPECT_EQ(picker.Color(), 0xFFFFFFu);
    EXPECT_EQ(picker.Flags(), 1);
    EXPECT_FALSE(picker.CancelError());
    EXPECT_EQ(picker.size(), QSize(32, 32));
    picker.resize(100, 50);
    EXPECT_EQ(picker.size(), QSize(32, 32));

    QColor offered;
    picker.SetDialogRunner([&](QWidget*, const QColor& initial) -> std::optional<QColor> {
        offered = initial;
        return std::nullopt;
    });
    std::vector<std::pair<qint32, QString>> errors;
    QObject::connect(&picker, &ucClrComDlg::ErorrOccured,
                     [&](qint32 number, const QString& message) { errors.emplace_back(number, message); });
    picker.setColor(0x0080FF);
    EXPECT_FALSE(picker.ShowColor()); // a cancel is told apart from choosing the same colour
    EXPECT_EQ(offered, QColor(0xFF, 0x80, 0x00)); // the dialog starts on Color
    EXPECT_EQ(picker.Color(), 0x0080FFu);
    EXPECT_TRUE(errors.empty());

    picker.setCancelError(true);
    picker.ShowColor();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].first, 0);
    EXPECT_EQ(errors[0].second, QStringLiteral("[ｷｬﾝｾﾙ]ﾎﾞﾀﾝが選択されました。"));
    EXPECT_EQ(picker.Color(), 0x0080FFu);

    picker.SetDialogRunner([](QWidget*, const QColor&) { return std::optional<QColor>(QColor(0, 0, 255)); });
    picker.ShowColor();
    EXPECT_EQ(picker.Color(), 0xFF0000u);
    EXPECT_EQ(errors.size(), 1u);
}

TEST(ucClrComDlg, EachInstanceKeepsItsOwnCustomColours)
{
    for (int i = 0; i < 16; ++i)
        QColorDialog::setCustomColor(i, QColor(1, 2, 3));

    ucClrComDlg mainWindowPicker;
    ucClrComDlg lineDialogPicker;
    EXPECT_EQ(mainWindowPicker.CustomColours().At(0), 0xFFFFFFu);
    EXPECT_EQ(mainWindowPicker.CustomColours().At(15), 0x0F0F0Fu);

    QColor seenFirst;
    mainWindowPicker.SetDialogRunner([&](QWidget*, const QColor&) -> std::optional<QColor> {
        seenFirst = QColorDialog::customColor(1);
        QColorDialog::setCustomColor(0, QColor(255, 0, 0)); // the user defines a custom colour
        return std::nullopt;
    });
    mainWindowPicker.ShowColor();
    EXPECT_EQ(seenFirst, QColor(239, 239, 239));
    EXPECT_EQ(mainWindowPicker.CustomColours().At(0), 0x0000FFu);

    QColor seenByOther;
    lineDialogPicker.SetDialogRunner([&](QWidget*, const QColor&) -> std::optional<QColor> {
        seenByOther = QColorDialog::customColor(0);
        return std::nullopt;
    });
    lineDialogPicker.ShowColor();
    EXPECT_EQ(seenByOther, QColor(255, 255, 255));

    QColor seenAgain;
    mainWindowPicker.SetDialogRunner([&](QWidget*, const QColor&) -> std::optional<QColor> {
        seenAgain = QColorDialog::customColor(0);
        return std::nullopt;
    });
    mainWindowPicker.ShowColor();
    EXPECT_EQ(seenAgain, QColor(255, 0, 0));

    // Qt's own set is as it was before any picker ran.
    EXPECT_EQ(QColorDialog::customColor(0), QColor(1, 2, 3));
}

TEST(ColourValue, ChartColoursHaveRedInTheLowByte)
{
    EXPECT_EQ(ToQColor(0x0080FF), QColor(255, 128, 0));
    EXPECT_EQ(FromQColor(QColor(0, 0, 255)), 0xFF0000u);
}

} // namespace
} // namespace orv
