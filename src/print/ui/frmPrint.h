#pragma once
// frmPrint, "印刷": the printer, the paper of the layout (chosen here only for the free radii),
// the number of copies, a preview, and the buttons that record or withdraw the print request.
// Modeless; it is made when opened and destroyed when closed. The chart window carries a
// recorded request out as soon as this window has closed.

#include <QDialog>

class QComboBox;
class QLabel;

namespace orv {

class HatDocument;

class frmPrint : public QDialog {
    Q_OBJECT
public:
    frmPrint(HatDocument& doc, QWidget* parent);

protected:
    // Coming back to this window after changing the layout in the main window shows that layout.
    bool event(QEvent* event) override;

private:
    QWidget* BuildPaperField();
    QWidget* BuildCopiesField();
    void FillPaperField();
    void Cmb_Yoshi_Click(int index);
    void Cmb_Busu_Click(int index);
    void Cmnd_Preview_Click();
    void Cmnd_Print_Click();
    void Cmnd_Cancel_Click();
    void ShowFit();

    HatDocument& doc_;
    QComboBox* paper_ = nullptr;
    QLabel* fit_ = nullptr;
};

} // namespace orv
