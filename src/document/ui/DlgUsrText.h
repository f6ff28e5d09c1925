#pragma once
// "テキストの入力": the text to place, its colour and size. OK makes the text wait for placing
// (a text the hat file could not store is refused, naming the character); Cancel marks the dialog
// not confirmed. The window stays usable while it is shown.

#include <QDialog>
#include <functional>

class QComboBox;
class QLineEdit;

namespace orv {

struct TextTool;
class ToolColourGroup;

class DlgUsrText : public QDialog {
    Q_OBJECT
public:
    DlgUsrText(TextTool& tool, QWidget* parent);

    ToolColourGroup* Colours() const { return colours_; }
    QComboBox* Sizes() const { return sizes_; }
    QLineEdit* TextBox() const { return text_; }

    // Shows the tool's colour and size and clears the confirmation, as every opening does.
    void Open();

    // Shows why a text was refused; replaceable.
    void SetRefusalReporter(std::function<void(const QString&)> report) { refuse_ = std::move(report); }

    void accept() override;
    void reject() override;

private:
    TextTool& tool_;
    ToolColourGroup* colours_;
    QLineEdit* text_;
    QComboBox* sizes_;
    std::function<void(const QString&)> refuse_;
};

} // namespace orv
