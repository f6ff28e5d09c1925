#pragma once
// The colour frame of the line and text dialogs: a "■" option per preset, painted in its colour,
// and a custom option that asks the dialog's own colour picker. A custom colour takes effect at
// once (the tool keeps it even if the dialog is then cancelled); cancelling the picker leaves the
// option and the colour as they were.

#include "render/Canvas.h"

#include <QGroupBox>
#include <optional>

class QButtonGroup;
class QRadioButton;

namespace orv {

class ucClrComDlg;

class ToolColourGroup : public QGroupBox {
    Q_OBJECT
public:
    // prefix names the options ("OptnL_" gives OptnL_white … OptnL_usr); current is the tool's
    // colour, which the custom option writes at once.
    ToolColourGroup(const QString& caption, const QString& prefix, Colour& current, QWidget* parent);

    // Selects the preset of the tool's colour; no option for any other colour.
    void ShowCurrent();
    // The colour of the selected preset, none when the custom option or nothing is selected.
    std::optional<Colour> SelectedPreset() const;

    ucClrComDlg* Picker() const { return picker_; }
    QRadioButton* Custom() const { return custom_; }

private:
    void CustomClicked();
    void Select(int id);

    Colour& current_;
    QButtonGroup* group_;
    QRadioButton* custom_;
    ucClrComDlg* picker_;
    int shown_ = -1; // the option selected before the custom one was clicked
};

} // namespace orv
