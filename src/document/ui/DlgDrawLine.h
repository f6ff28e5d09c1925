#pragma once
// "線の描画": the colour and width of the next lines. OK keeps them in the line tool and marks the
// dialog confirmed; Cancel marks it not confirmed. The window stays usable while it is shown.

#include <QDialog>

class QComboBox;

namespace orv {

struct LineTool;
class ToolColourGroup;

class DlgDrawLine : public QDialog {
    Q_OBJECT
public:
    DlgDrawLine(LineTool& tool, QWidget* parent);

    ToolColourGroup* Colours() const { return colours_; }
    QComboBox* Widths() const { return widths_; }

    // Shows the tool's style and clears the confirmation, as every opening does.
    void Open();

    void accept() override;
    void reject() override;

private:
    LineTool& tool_;
    ToolColourGroup* colours_;
    QComboBox* widths_;
};

} // namespace orv
