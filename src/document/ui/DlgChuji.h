#pragma once
// The stamp dialog: one of the four turns of the sandogasa picture and a scale in percent. OK makes
// the stamp wait for placing; Cancel changes nothing. The window stays usable while it is shown.

#include <QDialog>
#include <array>

class QComboBox;
class QRadioButton;

namespace orv {

struct StampTool;

class DlgChuji : public QDialog {
    Q_OBJECT
public:
    DlgChuji(StampTool& tool, QWidget* parent);

    QRadioButton* Turn(int i) const { return turns_[static_cast<std::size_t>(i)]; }
    QComboBox* Scales() const { return scales_; }

    // Every opening starts at 100 %.
    void Open();

    void accept() override;

private:
    StampTool& tool_;
    std::array<QRadioButton*, 4> turns_{};
    QComboBox* scales_;
};

} // namespace orv
