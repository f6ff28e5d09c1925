#pragma once
// A small control wrapping Qt's colour dialog: the caller sets Color, calls ShowColor and reads
// Color back. Every instance keeps its own sixteen custom colours; Qt's dialog holds one global
// set, so the instance's set is put in before each call and the global one restored afterwards.

#include "colour/CustomColourChoice.h"
#include "colour/CustomColourTable.h"

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

namespace orv {

class ucClrComDlg : public QWidget, public ColourSource {
    Q_OBJECT
    Q_PROPERTY(quint32 Color READ Color WRITE setColor)
    Q_PROPERTY(qint16 Flags READ Flags WRITE setFlags)
    Q_PROPERTY(bool CancelError READ CancelError WRITE setCancelError)

public:
    // Dialog option bits of Flags.
    static constexpr qint16 FlagStartWithColor = 1; // preselect Color (otherwise black)
    static constexpr qint16 FlagFullOpen = 2;       // Qt's dialog always shows the custom part
    static constexpr qint16 FlagPreventFullOpen = 4; // no effect: Qt's dialog cannot hide it
    static constexpr qint16 FlagShowHelp = 8;       // no effect: Qt's dialog has no help button

    static constexpr int Side = 32;
    static inline const QString CancelMessage = QStringLiteral("[ｷｬﾝｾﾙ]ﾎﾞﾀﾝが選択されました。");

    // Shows a dialog modally over `owner`, starting on `initial`; the chosen colour, or nothing
    // after a cancel. Qt's global custom colours hold the instance's table meanwhile.
    using DialogRunner = std::function<std::optional<QColor>(QWidget* owner, const QColor& initial)>;

    explicit ucClrComDlg(QWidget* parent = nullptr);

    Colour Color() const override { return color_; }
    void setColor(Colour c) { color_ = c & 0xFFFFFF; }
    qint16 Flags() const { return flags_; }
    void setFlags(qint16 f) { flags_ = f; }
    bool CancelError() const { return cancelError_; }
    void setCancelError(bool on) { cancelError_ = on; }
    // Owner of the dialog; none means the window the control sits on.
    QWidget* hWndParent() const { return owner_; }
    void sethWndParent(QWidget* owner) { owner_ = owner; }

    const CustomColourTable& CustomColours() const { return custom_; }

    // Replaces the dialog (tests stand in for the user with it); an empty runner restores Qt's.
    void SetDialogRunner(DialogRunner runner) { runner_ = std::move(runner); }

    // Shows the dialog; true when a colour was chosen (Color holds it), false after a cancel.
    bool ShowColor() override;
    void showAbout();

    QSize sizeHint() const override { return {Side, Side}; }

signals:
    void ErorrOccured(qint32 ErrNum, const QString& strMsg);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    static std::optional<QColor> RunQtDialog(QWidget* owner, const QColor& initial);

    Colour color_ = 0xFFFFFF;
    qint16 flags_ = FlagStartWithColor;
    bool cancelError_ = false;
    QPointer<QWidget> owner_;
    CustomColourTable custom_;
    DialogRunner runner_;
};

} // namespace orv
