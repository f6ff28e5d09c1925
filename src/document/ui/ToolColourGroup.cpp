#include "document/ui/ToolColourGroup.h"

#include "colour/ColourValue.h"
#include "colour/ui/ucClrComDlg.h"
#include "document/ToolColours.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

namespace orv {

namespace {

constexpr int CustomId = static_cast<int>(ToolColourPresets.size());

void Paint(QRadioButton* option, Colour colour)
{
    QPalette pal = option->palette();
    pal.setColor(QPalette::WindowText, ToQColor(colour));
    pal.setColor(QPalette::ButtonText, ToQColor(colour));
    option->setPalette(pal);
}

} // namespace

ToolColourGroup::ToolColourGroup(const QString& caption, const QString& prefix, Colour& current, QWidget* parent)
    : QGroupBox(caption, parent), current_(current), group_(new QButtonGroup(this)),
      custom_(new QRadioButton(QStringLiteral("■"), this)), picker_(new ucClrComDlg(this))
{
    auto* row = new QHBoxLayout(this);
    for (std::size_t i = 0; i < ToolColourPresets.size(); ++i) {
        const ToolColourPreset& preset = ToolColourPresets[i];
        auto* option = new QRadioButton(QStringLiteral("■"), this);
        option->setObjectName(prefix + QLatin1String(preset.suffix));
        option->setAccessibleName(QString::fromUtf8(preset.name));
        option->setToolTip(QString::fromUtf8(preset.name));
        Paint(option, preset.colour);
        group_->addButton(option, static_cast<int>(i));
        row->addWidget(option);
    }
    custom_->setObjectName(prefix + QStringLiteral("usr"));
    custom_->setAccessibleName(QStringLiteral("任意色"));
    custom_->setToolTip(QStringLiteral("任意色"));
    Paint(custom_, palette().color(QPalette::Dark).rgb() & 0xFFFFFF);
    group_->addButton(custom_, CustomId);
    row->addWidget(custom_);
    row->addStretch(1);

    picker_->setObjectName(QStringLiteral("ucClrComDlg1"));
    picker_->hide();
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == CustomId)
            CustomClicked();
        else
            shown_ = id;
    });
}

void ToolColourGroup::Select(int id)
{
    shown_ = id;
    if (QAbstractButton* option = group_->button(id)) {
        option->setChecked(true);
        return;
    }
    // No option: an exclusive group cannot show that, so lift exclusiveness briefly.
    group_->setExclusive(false);
    for (QAbstractButton* option : group_->buttons())
        option->setChecked(false);
    group_->setExclusive(true);
}

void ToolColourGroup::ShowCurrent()
{
    Select(ToolPresetOf(current_).value_or(-1));
}

std::optional<Colour> ToolColourGroup::SelectedPreset() const
{
    const int id = group_->checkedId();
    if (id < 0 || id >= CustomId)
        return std::nullopt;
    return ToolColourPresets[static_cast<std::size_t>(id)].colour;
}

void ToolColourGroup::CustomClicked()
{
    if (!picker_->ShowColor()) {
        Select(shown_);
        return;
    }
    current_ = picker_->Color();
    Paint(custom_, current_);
    Select(CustomId);
}

} // namespace orv
